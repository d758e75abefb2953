#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

#include <optional>

/** Tone texts: the None text, CTCSS values such as "67.0", DCS codes such as "D023N". */
namespace ToneCodes {

/** The 39 CTCSS values of the tone list. */
const QStringList& CtcssValues();
/** The 83 DCS codes of the tone list, three octal digits each. */
const QStringList& DcsCodes();

/** The 206 items of every tone combo box: noneText, CTCSS, DCS normal, DCS inverted. */
QStringList ToneList(const QString& noneText);

/**
 * A tone text as an import takes it, exactly: a CTCSS value with one decimal
 * from 30.0 to 290.0 ("67.0", "254.1"), or "D", three octal digits and "N" or
 * "I" ("D023N"). The None text is not one.
 */
bool IsToneText(const QString& text);

/**
 * A typed tone made valid: a CTCSS number clamped to 30.0 .. 290.0 with one
 * decimal ("290.0" when it cannot be read), a DCS text kept when it is "D",
 * three octal digits and N, I, n or i, else "D777N". Empty stays empty.
 */
QString NormalizeToneText(const QString& text);

/**
 * The key filter of the tone combo boxes: "," and "." become ".", then only
 * Backspace, Enter, ".", digits and D, I, N in either case pass. Returns the
 * character to insert, or nothing when the key is discarded.
 */
std::optional<QChar> FilterToneKey(QChar key);

/** The key filter of frequency fields: "," becomes "."; only Backspace, Enter, "." and digits. */
std::optional<QChar> FilterFrequencyKey(QChar key);

/** One CTCSS entry of the tone picker: index ("01" to "2A"), value and letter code. */
struct PickerCtcss {
    QString index;
    QString value;
    QString letters;
};
/** The picker's 42 CTCSS entries. */
const QList<PickerCtcss>& PickerCtcssEntries();
/** The picker's 85 DCS codes. */
const QStringList& PickerDcsCodes();

} // namespace ToneCodes
