#include "Selection.h"

#include "TMacType.h"
#include "app/TALL.h"

std::optional<BandLimits> ParseBand(const QString& text) {
    const int dash = text.indexOf('-');
    if (dash < 0)
        return std::nullopt;
    const QString rest = text.mid(dash + 1);
    const int mhz = rest.indexOf(QLatin1String("MHz"));
    if (mhz < 0)
        return std::nullopt;
    bool okLow = false;
    bool okHigh = false;
    BandLimits limits;
    limits.low = text.left(dash).trimmed().toDouble(&okLow);
    limits.high = rest.left(mhz).trimmed().toDouble(&okHigh);
    if (!okLow || !okHigh)
        return std::nullopt;
    return limits;
}

void SelectModel(TALL& all, const TMacType& model) {
    all.CurrentModel = &model;
    all.ModelName = model.Name;
    all.ModelCode = model.Code;
    all.ModelHigh = model.MaxFreq;
    all.ModelLow = model.MinFreq;
    all.ChannelCount = model.ChannelCount;
}

void SelectBand(TALL& all, const QString& text) {
    all.BandText = text;
    const BandLimits limits = ParseBand(text).value_or(BandLimits{});
    all.BandLow = limits.low;
    all.BandHigh = limits.high;
}
