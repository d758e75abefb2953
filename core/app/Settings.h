#pragma once

#include "Result.h"

#include <QString>

class TALL;

/** Name of the settings file in the application directory. */
inline constexpr char kSettingsFile[] = "SysInfo.Ini";
inline constexpr char kSettingsSection[] = "SysInfo";

/**
 * Where the settings are kept: SysInfo.Ini beside the program when its folder
 * is writable, else configHome/qx7/SysInfo.Ini (an installed program's folder
 * belongs to the system).
 */
QString ChooseSettingsFile(const QString& appDir, bool appDirWritable, const QString& configHome);

/** The file the settings are read from: the settings file once it exists, else the one in AppDir.
 */
QString SettingsReadPath(const TALL& all);

/** Reads the settings file into the state; missing keys take their defaults. */
void ReadSettings(TALL& all);

/**
 * Writes the keys Com, Language_ID and PicID, leaving every other line of the
 * file as it was; a settings file kept apart from AppDir starts as a copy of
 * the one in AppDir. Fails with "Unable to write to <path>" when the file
 * cannot be written.
 */
Result<void> WriteSettings(const TALL& all);

/**
 * Writes the two safe-write choices, Backup and Verify ("1" or "0"), as
 * WriteSettings writes its keys; only when the user changes one of them, so
 * that a settings file never gains them otherwise.
 */
Result<void> WriteSafeWriteSettings(const TALL& all);

/** Splits a "|"-separated list: entries untrimmed, "a||b" has an empty middle entry,
 *  a bar at the very end adds no entry. */
QStringList SplitBarList(QString text);

/** a when the flag is set, else b. */
inline QString IfElseStr(bool flag, const QString& a, const QString& b) {
    return flag ? a : b;
}
