#include "SettingTexts.h"

#include <stdexcept>

QString SettingText::Shown(int value, const QStringList& entries, const QString& on,
                           const QString& off) const {
    switch (kind) {
    case List:
        return value >= 0 && value < entries.size() ? entries[value] : QString::number(value);
    case Flag:
        return value == 1 ? on : value == 0 ? off : QString::number(value);
    case Gain:
        return QString::number(value + 1);
    }
    return {};
}

const std::vector<SettingText>& SettingTexts() {
    using S = SettingText;
    static const std::vector<SettingText> all = {
        {S::Flag, &TFun::BatterySave, "cbBattSave", "", "Battery Save"},
        {S::Flag, &TFun::ClewVoice, "cbBeepTone", "", "Clew Voice"},
        {S::Flag, &TFun::HighVolInhibitTx, "cbVolhigh", "", "High Vol Inhibit Tx"},
        {S::Flag, &TFun::LowVolInhibitTx, "cbVolLow", "", "Low Vol Inhibit Tx"},
        {S::List,
         &TFun::SquelchLevel,
         "cbSQvelch",
         "Label1",
         "Squelch level",
         {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"},
         S::NoItem},
        {S::List,
         &TFun::SideKey,
         "cbMonikey",
         "Label2",
         "Side Key",
         {"Off", "Monmome", "H/L Power", "Alarm"}},
        {S::List,
         &TFun::TxTimeOut,
         "cbTxTimeout",
         "Label3",
         "TX Time Out",
         {"Off", "30", "60", "90", "120", "150", "180", "210", "240", "270", "300"},
         S::FirstItemOnly},
        {S::List, &TFun::Scan, "cxScan", "Label5", "Scan", {"Off", "On"}},
        {S::List, &TFun::Voice, "cxWaveof", "Label4", "Voice", {"Off", "On"}},
        {S::List,
         &TFun::VoiceAnnunciation,
         "cbVoice",
         "Label10",
         "Voice Annunciation",
         {"English", "Chinese"}},
        {S::List, &TFun::InceptAlarm, "cxAlt", "Label6", "Incept Alarm", {"Off", "On"}},
        {S::List, &TFun::FM, "cxFM", "Label7", "FM", {"Interdict", "Turn on"}},
        {S::Flag, &TFun::VoxFunction, "chVoxFun", "", "VOX Function"},
        {S::Gain, &TFun::VoxGainLevel, "seVoxLevel", "Label8", "VOX Gain Level"},
        {S::Flag, &TFun::VoxInhibitOnReceive, "chVoxInhibit", "", "VOX Inhibit OnReceive"},
    };
    return all;
}

const SettingText& SettingTextOf(int TFun::*field) {
    for (const SettingText& s : SettingTexts())
        if (s.field == field)
            return s;
    throw std::out_of_range("no such function setting");
}
