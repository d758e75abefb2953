#pragma once

#include <QString>

class TMacType;

/** The application state: language, port, current model and band, and the Changed flag. */
class TALL {
  public:
    QString LanguageName;
    /** 0: windows keep their built-in texts; above 0 they translate themselves. */
    int LanguageIndex = 0;
    bool LanguageChoice = false;
    QString PortName;
    /** Base of every file name the program builds, ending in a separator. */
    QString AppDir;
    /** The settings file the program writes; empty means SysInfo.Ini in AppDir. */
    QString SettingsFile;
    QString AppTitle;
    int ChannelCount = 0;
    QString ModelName;
    QString BandText;
    double ModelHigh = 0.0;
    double ModelLow = 0.0;
    double BandHigh = 0.0;
    double BandLow = 0.0;
    QString ModelCode;
    /** One "0"/"1" per channel row, "1" where the row holds a channel; rebuilt by save and write.
     */
    QString UsedBits;
    /** One "0"/"1" per channel row, "1" for a channel in use whose Scan Add value is 1. */
    QString ScanBits;
    int PicId = 0;
    /** The codeplug in memory differs from what was last saved, opened or cleared. */
    bool Changed = false;
    /** Set while the channel table relabels its cells after a language change. */
    bool Refreshing = false;
    QString HelpPrefix;
    bool TestOnline = false;
    /** Write To Radio reads the radio first and keeps its codeplug as a backup. */
    bool WriteBackup = true;
    /** Write To Radio reads the radio back after writing and compares. */
    bool WriteVerify = true;
    const TMacType* CurrentModel = nullptr;
};
