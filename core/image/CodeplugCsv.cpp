#include "CodeplugCsv.h"

#include "CsvReader.h"
#include "app/MessageText.h"
#include "channels/ChannelEditing.h"
#include "channels/ToneCodes.h"
#include "model/TMacType.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace {

// Frequencies are whole multiples of 10 Hz; working in these units keeps
// offsets and rasters exact.
using Units = long long;
constexpr double kUnitsPerMhz = 100000.0;

Units toUnits(double mhz) {
    return std::llround(mhz * kUnitsPerMhz);
}

QString mhzText(Units units) {
    return QString::number(static_cast<double>(units) / kUnitsPerMhz, 'f', 6);
}

bool isDcs(const QString& tone) {
    return tone.startsWith('D');
}

// "D023N" gives "023" and 'N'; the file says "R" for our inverted "I".
QString dcsCode(const QString& tone) {
    return tone.mid(1, 3);
}
QChar dcsPolarity(const QString& tone) {
    return isDcs(tone) && tone.endsWith('I') ? QChar('R') : QChar('N');
}

struct ToneColumns {
    QString mode, rTone = "88.5", cTone = "88.5", dtcs = "023", polarity, rxDtcs = "023",
                  cross = "Tone->Tone";
};

ToneColumns toneColumns(const QString& encode, const QString& decode) {
    ToneColumns t;
    t.polarity = QString(dcsPolarity(encode)) + dcsPolarity(decode);
    const auto side = [](const QString& tone) {
        return tone.isEmpty() ? QString() : isDcs(tone) ? QStringLiteral("DTCS") : "Tone";
    };
    if (!encode.isEmpty() && !isDcs(encode))
        t.rTone = encode;
    if (!decode.isEmpty() && !isDcs(decode))
        t.cTone = decode;
    if (isDcs(encode))
        t.dtcs = dcsCode(encode);
    if (isDcs(decode))
        t.rxDtcs = dcsCode(decode);

    if (encode.isEmpty() && decode.isEmpty()) {
        t.mode = "";
    } else if (side(encode) == "Tone" && decode.isEmpty()) {
        t.mode = "Tone";
    } else if (side(encode) == "Tone" && encode == decode) {
        t.mode = "TSQL";
        t.rTone = "88.5";
        t.cTone = encode;
    } else if (isDcs(encode) && isDcs(decode) && dcsCode(encode) == dcsCode(decode)) {
        t.mode = "DTCS";
        t.rxDtcs = "023";
    } else {
        t.mode = "Cross";
        t.cross = side(encode) + "->" + side(decode);
    }
    return t;
}

} // namespace

const QStringList& CodeplugCsv::Columns() {
    static const QStringList columns{
        "Location",  "Name",      "Frequency", "Duplex",       "Offset",     "Tone",
        "rToneFreq", "cToneFreq", "DtcsCode",  "DtcsPolarity", "RxDtcsCode", "CrossMode",
        "Mode",      "TStep",     "Skip",      "Power",        "Comment",    "URCALL",
        "RPT1CALL",  "RPT2CALL",  "DVCODE",    "BeatShift",    "BusyLockout"};
    return columns;
}

int CodeplugCsv::Parsed::ChannelsGiven() const {
    return static_cast<int>(std::count_if(channels.begin(), channels.end(),
                                          [](const auto& slot) { return slot.has_value(); }));
}

QString CodeplugCsv::Problem::text() const {
    return QStringLiteral("line %1: %2").arg(line).arg(message);
}

QByteArray CodeplugCsv::Write(const std::vector<std::optional<ChannelValues>>& channels) {
    QString out = Columns().join(',') + "\r\n";
    for (size_t i = 0; i < channels.size(); ++i) {
        if (!channels[i])
            continue;
        const ChannelValues& c = *channels[i];
        const Units rx = toUnits(c.rx);
        QString duplex;
        Units offset = 0;
        if (!c.tx) {
            duplex = "off";
        } else if (toUnits(*c.tx) != rx) {
            duplex = toUnits(*c.tx) > rx ? "+" : "-";
            offset = std::llabs(toUnits(*c.tx) - rx);
        }
        const ToneColumns t = toneColumns(c.encodeTone, c.decodeTone);
        const QStringList fields{
            QString::number(i + 1),
            "",
            mhzText(rx),
            duplex,
            mhzText(offset),
            t.mode,
            t.rTone,
            t.cTone,
            t.dtcs,
            t.polarity,
            t.rxDtcs,
            t.cross,
            c.bandwidth == Bandwidth::Narrow ? "NFM" : "FM",
            rx % 500 == 0 ? "5.00" : "6.25",
            c.scanAdd == YesNo::No ? "S" : "",
            c.power == Power::High ? "High" : "Low",
            "",
            "",
            "",
            "",
            "",
            c.beatShift == YesNo::No ? "No" : "Yes",
            c.busyLockout == YesNo::No ? "No" : "Yes",
        };
        QStringList quoted;
        for (const QString& f : fields)
            quoted << CsvReader::Quote(f);
        out += quoted.join(',') + "\r\n";
    }
    return out.toUtf8();
}

namespace {

// Why a line gives no channel.
struct LineError {
    QString why;
};

// Reads the fields of one line into a channel; a failure throws a LineError.
class LineReader {
  public:
    LineReader(const QHash<QString, int>& columns, const QStringList& fields, const TMacType& model,
               QStringList& warnings, int line)
        : m_columns(columns), m_fields(fields), m_model(model), m_warnings(warnings), m_line(line) {
    }

    int location() const {
        bool ok = false;
        const int n = field("Location").toInt(&ok);
        if (!ok || n < 1 || n > m_model.ChannelCount)
            throw LineError{QStringLiteral("location \"%1\" is outside 1 to %2")
                                .arg(MessageText::Quoted(field("Location")))
                                .arg(m_model.ChannelCount)};
        return n;
    }

    ChannelValues channel() const {
        ChannelValues c;
        const Units rx = frequency("Frequency", "frequency");
        c.rx = snapped(rx, "RX frequency");
        c.tx = c.rx;
        const QString duplex = field("Duplex").toLower();
        if (duplex == "off") {
            c.tx.reset();
        } else if (duplex == "+" || duplex == "-" || duplex == "split") {
            const Units offset = frequencyUnits("Offset", "offset");
            const Units tx = duplex == "split" ? offset : duplex == "+" ? rx + offset : rx - offset;
            checkLimits(tx, "TX frequency");
            c.tx = snapped(tx, "TX frequency");
        } else if (!duplex.isEmpty()) {
            throw LineError{QStringLiteral("duplex \"%1\" is not empty, +, -, split or off")
                                .arg(MessageText::Quoted(field("Duplex")))};
        }
        readTones(c);

        const QString mode = field("Mode").toUpper();
        if (mode.isEmpty() || mode == "FM")
            c.bandwidth = Bandwidth::Wide;
        else if (mode == "NFM")
            c.bandwidth = Bandwidth::Narrow;
        else
            throw LineError{QStringLiteral("mode \"%1\" is not FM or NFM")
                                .arg(MessageText::Quoted(field("Mode")))};

        c.scanAdd = field("Skip").toUpper() == "S" ? YesNo::No : YesNo::Yes;
        c.power = power();
        c.beatShift = yesNo("BeatShift");
        c.busyLockout = yesNo("BusyLockout");
        return c;
    }

  private:
    QString field(const QString& column) const {
        const int index = m_columns.value(column, -1);
        return index >= 0 ? m_fields.value(index).trimmed() : QString();
    }

    Units frequencyUnits(const QString& column, const QString& what) const {
        bool ok = false;
        const double mhz = field(column).toDouble(&ok);
        if (!ok || !std::isfinite(mhz) || mhz < 0 || mhz >= 100000.0)
            throw LineError{QStringLiteral("%1 \"%2\" is not a number of MHz")
                                .arg(what, MessageText::Quoted(field(column)))};
        return toUnits(mhz);
    }

    Units frequency(const QString& column, const QString& what) const {
        const Units units = frequencyUnits(column, what);
        checkLimits(units, what);
        return units;
    }

    void checkLimits(Units units, const QString& what) const {
        if (units < toUnits(m_model.MinFreq) || units > toUnits(m_model.MaxFreq))
            throw LineError{QStringLiteral("%1 %2 MHz is outside the model's limits %3 to %4 MHz")
                                .arg(what, mhzText(units))
                                .arg(m_model.MinFreq)
                                .arg(m_model.MaxFreq)};
    }

    double snapped(Units units, const QString& what) const {
        const double mhz = static_cast<double>(units) / kUnitsPerMhz;
        const double snap = ChannelEditing::SnapFrequency(mhz);
        if (toUnits(snap) != units)
            m_warnings << QStringLiteral("line %1: %2 %3 moved down onto the channel raster: %4")
                              .arg(m_line)
                              .arg(what, mhzText(units), mhzText(toUnits(snap)));
        return snap;
    }

    QString ctcss(const QString& column) const {
        bool ok = false;
        const double hz = field(column).toDouble(&ok);
        const QString tone = QString::number(hz, 'f', 1);
        if (!ok || !ToneCodes::IsToneText(tone))
            throw LineError{QStringLiteral("%1 \"%2\" is not a CTCSS tone from 30.0 to 290.0 Hz")
                                .arg(column, MessageText::Quoted(field(column)))};
        return tone;
    }

    QString dcs(const QString& column, QChar polarity) const {
        const QString code = field(column);
        bool ok = code.size() >= 1 && code.size() <= 3;
        for (QChar ch : code)
            ok = ok && ch >= '0' && ch <= '7';
        const QString tone = QStringLiteral("D%1%2").arg(code, 3, QLatin1Char('0')).arg(polarity);
        if (!ok || !ToneCodes::IsToneText(tone))
            throw LineError{QStringLiteral("%1 \"%2\" is not an octal DCS code")
                                .arg(column, MessageText::Quoted(code))};
        return tone;
    }

    // "N" normal, "R" reversed (our "I"), encode side first.
    QChar polarity(int side) const {
        const QString p = field("DtcsPolarity").toUpper();
        if (p.isEmpty())
            return 'N';
        const auto valid = [](QChar ch) { return ch == 'N' || ch == 'R'; };
        if (p.size() != 2 || !valid(p[0]) || !valid(p[1]))
            throw LineError{QStringLiteral("DTCS polarity \"%1\" is not two of N and R")
                                .arg(MessageText::Quoted(field("DtcsPolarity")))};
        return p[side] == 'R' ? QChar('I') : QChar('N');
    }

    void readTones(ChannelValues& c) const {
        const QString mode = field("Tone");
        if (mode.isEmpty())
            return;
        if (mode == "Tone") {
            c.encodeTone = ctcss("rToneFreq");
        } else if (mode == "TSQL") {
            c.encodeTone = c.decodeTone = ctcss("cToneFreq");
        } else if (mode == "DTCS") {
            c.encodeTone = dcs("DtcsCode", polarity(0));
            c.decodeTone = dcs("DtcsCode", polarity(1));
        } else if (mode == "Cross") {
            const QString cross = field("CrossMode");
            const int arrow = cross.indexOf("->");
            const QString encode = cross.left(arrow);
            const QString decode = cross.mid(arrow + 2);
            const QStringList sides{"", "Tone", "DTCS"};
            if (arrow < 0 || !sides.contains(encode) || !sides.contains(decode) ||
                (encode.isEmpty() && decode.isEmpty()))
                throw LineError{QStringLiteral("cross mode \"%1\" is not known")
                                    .arg(MessageText::Quoted(cross))};
            if (encode == "Tone")
                c.encodeTone = ctcss("rToneFreq");
            else if (encode == "DTCS")
                c.encodeTone = dcs("DtcsCode", polarity(0));
            if (decode == "Tone")
                c.decodeTone = ctcss("cToneFreq");
            else if (decode == "DTCS")
                c.decodeTone = dcs("RxDtcsCode", polarity(1));
        } else {
            throw LineError{
                QStringLiteral("tone mode \"%1\" is not empty, Tone, TSQL, DTCS or Cross")
                    .arg(MessageText::Quoted(mode))};
        }
    }

    Power power() const {
        QString text = field("Power");
        if (text.isEmpty() || text.compare("High", Qt::CaseInsensitive) == 0)
            return Power::High;
        if (text.compare("Low", Qt::CaseInsensitive) == 0)
            return Power::Low;
        if (text.endsWith('W', Qt::CaseInsensitive))
            text.chop(1);
        bool ok = false;
        const double watts = text.toDouble(&ok);
        if (!ok)
            throw LineError{QStringLiteral("power \"%1\" is not High, Low or a number of watts")
                                .arg(MessageText::Quoted(field("Power")))};
        return watts > 1.0 ? Power::High : Power::Low;
    }

    // An empty or missing field is No.
    YesNo yesNo(const QString& column) const {
        const QString text = field(column);
        if (text.isEmpty() || text.compare("No", Qt::CaseInsensitive) == 0)
            return YesNo::No;
        if (text.compare("Yes", Qt::CaseInsensitive) == 0)
            return YesNo::Yes;
        throw LineError{
            QStringLiteral("%1 \"%2\" is not Yes or No").arg(column, MessageText::Quoted(text))};
    }

    const QHash<QString, int>& m_columns;
    const QStringList& m_fields;
    const TMacType& m_model;
    QStringList& m_warnings;
    int m_line;
};

} // namespace

Result<CodeplugCsv::Parsed> CodeplugCsv::Read(const QByteArray& csv, const TMacType& model) {
    const Result<std::vector<CsvReader::Row>> rows = CsvReader::Parse(QString::fromUtf8(csv));
    if (!rows)
        return Result<Parsed>::Failure(rows.error());
    if (rows->empty())
        return Result<Parsed>::Failure(
            QStringLiteral("the file is empty; a channel list starts with a header line such as %1")
                .arg(Columns().mid(0, 3).join(',')));
    // Column names are matched without regard to case; the first of a name counts.
    QHash<QString, int> columns;
    const QStringList& header = rows->front().fields;
    for (int i = 0; i < header.size(); ++i) {
        for (const QString& known : Columns())
            if (header[i].trimmed().compare(known, Qt::CaseInsensitive) == 0 &&
                !columns.contains(known))
                columns.insert(known, i);
    }
    for (const char* required : {"Location", "Frequency"})
        if (!columns.contains(QLatin1String(required)))
            return Result<Parsed>::Failure(
                QStringLiteral("line %1: the header has no column \"%2\"; a channel list needs "
                               "Location and Frequency")
                    .arg(rows->front().line)
                    .arg(QLatin1String(required)));

    Parsed result;
    result.channels.assign(static_cast<size_t>(std::max(model.ChannelCount, 0)), std::nullopt);
    for (size_t r = 1; r < rows->size(); ++r) {
        const CsvReader::Row& row = (*rows)[r];
        if (std::all_of(row.fields.begin(), row.fields.end(),
                        [](const QString& f) { return f.trimmed().isEmpty(); }))
            continue;
        QStringList warnings;
        LineReader reader(columns, row.fields, model, warnings, row.line);
        try {
            const int n = reader.location();
            auto& slot = result.channels[static_cast<size_t>(n - 1)];
            if (slot)
                throw LineError{QStringLiteral("location %1 is given twice").arg(n)};
            slot = reader.channel();
            result.warnings << warnings;
        } catch (const LineError& e) {
            result.invalid << Problem{row.line, e.why};
        }
    }
    return result;
}
