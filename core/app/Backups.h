#pragma once

#include "image/Codeplug.h"

#include <QDateTime>
#include <QString>

/** Where the window program keeps the radio's codeplug before each write. */
namespace Backups {

/** $XDG_DATA_HOME/qx7/backups (by default ~/.local/share/qx7/backups). */
QString Folder();

/**
 * A path in folder for a backup of codeplug taken at time, named by model,
 * band and time ("8524_450-470MHz_2024-06-05_140700.dat") and never one that
 * exists: a second backup within the same second gets "_2", and so on.
 */
QString NewPath(const QString& folder, const Codeplug& codeplug, const QDateTime& time);

} // namespace Backups
