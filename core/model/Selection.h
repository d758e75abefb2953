#pragma once

#include <QString>

#include <optional>

class TALL;
class TMacType;

struct BandLimits {
    double low = 0.0;
    double high = 0.0;
};

/**
 * The limits of a band text such as "450 - 470MHz": the number before the
 * first "-" and the number between it and the first "MHz". Empty when the
 * text is not of that form.
 */
std::optional<BandLimits> ParseBand(const QString& text);

/** Makes the model current: its name, code, limits and channel count. The band stays. */
void SelectModel(TALL& all, const TMacType& model);

/** Makes the band current with the limits parsed from its text. */
void SelectBand(TALL& all, const QString& text);
