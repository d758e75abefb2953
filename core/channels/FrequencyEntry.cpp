#include "FrequencyEntry.h"

#include "ChannelStore.h"
#include "app/AppContext.h"
#include "app/Prompter.h"

#include <cmath>

namespace ChannelEditing {

namespace {

constexpr double kUnitsPerMhz = 100000.0; // 10 Hz steps
constexpr double kStep5kHz = 500.0;
constexpr double kStep6_25kHz = 625.0;
// No count of 10 Hz steps above this fits a 64-bit integer; no radio goes near it.
constexpr double kLargestMhz = 9.0e13;

void caution(AppContext& ctx, Prompter& prompter, const QString& text) {
    prompter.ShowPrompt(ctx.texts().Caution, text, Prompt::kInfo);
}

} // namespace

std::optional<double> ParseFrequency(const QString& text) {
    bool ok = false;
    const double mhz = text.trimmed().toDouble(&ok);
    // The conversion takes "nan" and "inf", which pass every range check.
    if (!ok || !std::isfinite(mhz) || std::fabs(mhz) > kLargestMhz)
        return std::nullopt;
    return mhz;
}

double SnapFrequency(double mhz) {
    if (!std::isfinite(mhz) || std::fabs(mhz) > kLargestMhz)
        return mhz;
    const double units = std::round(mhz * kUnitsPerMhz);
    const QString digits =
        QStringLiteral("%1").arg(static_cast<long long>(units), 8, 10, QLatin1Char('0'));
    const bool wholeKhz = digits.size() >= 8 && digits[6] == '0' && digits[7] == '0';
    const double step = wholeKhz ? kStep5kHz : kStep6_25kHz;
    // The result lies on the 10 Hz grid that records hold, so what is kept in
    // memory is what a save stores.
    return (units - std::fmod(units, step)) / kUnitsPerMhz;
}

double CheckFrequency(AppContext& ctx, Prompter& prompter, double mhz, bool reported) {
    const TALL& all = ctx.all();
    if (mhz > all.ModelHigh) {
        mhz = all.BandHigh;
        caution(ctx, prompter, ctx.texts().ErrRange);
        reported = true;
    } else if (mhz < all.ModelLow) {
        mhz = all.BandLow;
        caution(ctx, prompter, ctx.texts().ErrRange);
        reported = true;
    }
    if (!reported && (mhz > all.BandHigh || mhz < all.BandLow))
        caution(ctx, prompter, ctx.texts().OutRange);
    return mhz;
}

QString CheckedText(AppContext& ctx, Prompter& prompter, double mhz, bool reported) {
    return FormatFrequency(SnapFrequency(CheckFrequency(ctx, prompter, mhz, reported)));
}

QString GridFrequencyText(AppContext& ctx, Prompter& prompter, const QString& text) {
    if (const auto mhz = ParseFrequency(text))
        return CheckedText(ctx, prompter, *mhz);
    caution(ctx, prompter, ctx.texts().OutRange);
    return CheckedText(ctx, prompter, ctx.all().BandHigh, true);
}

std::optional<RxEntry> EnterChannelRx(AppContext& ctx, Prompter& prompter, const QString& rxText,
                                      const QString& txText) {
    const auto mhz = ParseFrequency(rxText);
    if (!mhz) {
        caution(ctx, prompter, ctx.texts().ErrRange);
        return std::nullopt;
    }
    RxEntry entry;
    entry.rx = CheckedText(ctx, prompter, *mhz);
    entry.tx = txText.trimmed().isEmpty() ? entry.rx : txText;
    return entry;
}

std::optional<QString> EnterChannelTx(AppContext& ctx, Prompter& prompter, const QString& txText) {
    const auto mhz = ParseFrequency(txText);
    if (!mhz) {
        caution(ctx, prompter, ctx.texts().ErrRange);
        return std::nullopt;
    }
    return CheckedText(ctx, prompter, *mhz);
}

QString SnappedText(const QString& text) {
    const auto mhz = ParseFrequency(text);
    return mhz ? FormatFrequency(SnapFrequency(*mhz)) : text;
}

QString TestFrequencyText(AppContext& ctx, Prompter& prompter, const QString& text) {
    const auto mhz = ParseFrequency(text);
    return mhz ? FormatFrequency(CheckFrequency(ctx, prompter, *mhz)) : QString();
}

} // namespace ChannelEditing
