#pragma once

#include "Result.h"

#include <QByteArray>
#include <QString>

/**
 * Files as QX7 writes and reads them, whoever gave the name: a save replaces
 * only a regular file, never a FIFO, a device or a folder, and never leaves
 * half a file; a read takes no more than a codeplug could ever need.
 */
namespace SafeFile {

/** The most a JSON codeplug or a CSV channel list may hold: far above any real one. */
constexpr qint64 kTextLimit = 4 * 1024 * 1024;

/**
 * Why path cannot be written, as the reason after "Cannot write <path>: ", or
 * empty when it can: what stands there (links followed) must be a regular
 * file or nothing, and the folder it goes into must exist and be writable.
 */
QString WhyNotWritable(const QString& path);

/**
 * Writes bytes in place of the file at path through a temporary file in the
 * same folder, renamed over it once every byte is written, so a refused write
 * leaves the earlier file as it was. A symbolic link stays a link: the file
 * it names gets the bytes. A failure names the file and the system's reason.
 */
Result<void> Write(const QString& path, const QByteArray& bytes);

/**
 * Reads path, at most limit bytes: a larger input (an endless device, a huge
 * file) is refused naming the file and the limit; a folder is refused too.
 * With cutShort set, a larger input is cut to limit bytes instead.
 */
Result<QByteArray> Read(const QString& path, qint64 limit, bool cutShort = false);

} // namespace SafeFile
