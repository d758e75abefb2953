#pragma once

#include <array>

/**
 * The radio's function settings, each named after the caption of its control
 * in the Function Setting dialog. Flags are 0 (off) or 1 (on).
 */
class TFun {
  public:
    /** One field: its name (the stored name used by files and scripts) and its member. */
    struct Field {
        const char* name;
        int TFun::*member;
    };
    /** The fifteen fields in their declared order. */
    static const std::array<Field, 15>& Fields();

    /** Every field to its default. */
    void Reset();
    /** The range check applied to settings read from a radio. */
    void Normalise();

    bool operator==(const TFun&) const = default;

    int BatterySave = 1;
    int ClewVoice = 1;
    int SquelchLevel = 5;
    int SideKey = 1;   // 0 Off, 1 Monmome, 2 H/L Power, 3 Alarm
    int TxTimeOut = 6; // 0 Off, n means n x 30 s
    int VoxFunction = 0;
    int VoxInhibitOnReceive = 0;
    int VoxGainLevel = 4;      // 0 to 4, shown as 1 to 5
    int VoiceAnnunciation = 1; // 0 English, 1 Chinese
    int Scan = 0;
    int Voice = 1;
    int HighVolInhibitTx = 1;
    int LowVolInhibitTx = 1;
    int InceptAlarm = 0;
    int FM = 1; // 0 Interdict, 1 Turn on
};
