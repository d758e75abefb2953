#pragma once

#include "CliCommand.h"

#include "image/DataFile.h"

class Workspace;

/** The commands that open a data file: open it, report what is wrong, give the exit status. */
class DataFileCommand : public CliCommand {
  protected:
    /** Reads and decodes the data file at path into contents; its failure is printed. */
    static int Read(const Workspace& ws, const QString& path, DataFile::Contents* contents);
    /**
     * Reads the JSON codeplug at path; a failure is printed with what it means
     * for the command ("nothing was written"), and so are the warnings.
     */
    static int ReadJson(const Workspace& ws, const QString& path, const QString& consequence,
                        Codeplug* codeplug);
    /** Reads a codeplug from a JSON file (by its .json suffix or its leading "{") or a data file.
     */
    static int ReadCodeplug(const Workspace& ws, const QString& path, Codeplug* codeplug);
    /** Opens the data file at path into the workspace's document, as File > Open does. */
    static int Open(Workspace& ws, const QString& path);
};
