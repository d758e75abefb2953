#pragma once

#include <QString>

class TALL;

/** Name of the settings file in the application directory. */
inline constexpr char kSettingsFile[] = "SysInfo.Ini";
inline constexpr char kSettingsSection[] = "SysInfo";

/** Reads SysInfo.Ini in all.AppDir into the state; missing keys take their defaults. */
void ReadSettings(TALL& all);

/**
 * Writes the keys Com, Language_ID and PicID, leaving every other line of the
 * file as it was. Returns false with "Unable to write to <path>" in error when
 * the file cannot be written.
 */
bool WriteSettings(const TALL& all, QString* error);

/** Splits a "|"-separated list: entries untrimmed, "a||b" has an empty middle entry,
 *  a bar at the very end adds no entry. */
QStringList SplitBarList(QString text);

/** a when the flag is set, else b. */
inline QString IfElseStr(bool flag, const QString& a, const QString& b) {
    return flag ? a : b;
}
