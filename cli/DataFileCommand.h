#pragma once

#include "CliCommand.h"

#include "image/DataFile.h"

class Workspace;

/** The commands that open a data file: open it, report what is wrong, give the exit status. */
class DataFileCommand : public CliCommand {
  protected:
    /** Reads and decodes the data file at path into contents; its failure is printed. */
    static int Read(const Workspace& ws, const QString& path, DataFile::Contents* contents);
    /** Opens the data file at path into the workspace's document, as File > Open does. */
    static int Open(Workspace& ws, const QString& path);
};
