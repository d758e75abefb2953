#include "TFun.h"

namespace {

int inRangeOr(int value, int low, int high, int replacement) {
    return value < low || value > high ? replacement : value;
}

} // namespace

const std::array<TFun::Field, 15>& TFun::Fields() {
    static const std::array<Field, 15> fields{{
        {"BatterySave", &TFun::BatterySave},
        {"ClewVoice", &TFun::ClewVoice},
        {"SquelchLevel", &TFun::SquelchLevel},
        {"SideKey", &TFun::SideKey},
        {"TxTimeOut", &TFun::TxTimeOut},
        {"VoxFunction", &TFun::VoxFunction},
        {"VoxInhibitOnReceive", &TFun::VoxInhibitOnReceive},
        {"VoxGainLevel", &TFun::VoxGainLevel},
        {"VoiceAnnunciation", &TFun::VoiceAnnunciation},
        {"Scan", &TFun::Scan},
        {"Voice", &TFun::Voice},
        {"HighVolInhibitTx", &TFun::HighVolInhibitTx},
        {"LowVolInhibitTx", &TFun::LowVolInhibitTx},
        {"InceptAlarm", &TFun::InceptAlarm},
        {"FM", &TFun::FM},
    }};
    return fields;
}

void TFun::Reset() {
    *this = TFun{};
}

void TFun::Normalise() {
    for (int* flag :
         {&BatterySave, &ClewVoice, &VoxFunction, &VoxInhibitOnReceive, &VoiceAnnunciation, &Scan,
          &Voice, &HighVolInhibitTx, &LowVolInhibitTx, &InceptAlarm, &FM})
        *flag &= 1;
    SquelchLevel = inRangeOr(SquelchLevel, 0, 9, 5);
    SideKey = inRangeOr(SideKey, 0, 5, 0);
    TxTimeOut = inRangeOr(TxTimeOut, 0, 10, 6);
    VoxGainLevel = inRangeOr(VoxGainLevel, 0, 4, 4);
}
