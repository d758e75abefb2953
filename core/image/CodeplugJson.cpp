#include "CodeplugJson.h"

#include "channels/ChannelEditing.h"
#include "channels/ChannelStore.h"
#include "model/Selection.h"
#include "model/TFrqList.h"
#include "model/TMacList.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QStringList kChannelKeys{"channel", "rx",        "tx",       "decode",     "encode",
                               "power",   "bandwidth", "scan_add", "beat_shift", "busy_lockout"};
const QStringList kTopKeys{"model", "band", "channels", "settings", "message"};
const QStringList kMessageKeys{"line1", "line2"};

QString quoted(const QString& text) {
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QString toneOrNull(const QString& tone) {
    return tone.isEmpty() ? "null" : quoted(tone);
}

int switchValue(const ChannelValues& c, const QString& name) {
    if (name == "power")
        return c.power;
    if (name == "bandwidth")
        return c.bandwidth;
    if (name == "scan_add")
        return c.scanAdd;
    if (name == "beat_shift")
        return c.beatShift;
    return c.busyLockout;
}

int* switchField(ChannelValues& c, const QString& name) {
    if (name == "power")
        return &c.power;
    if (name == "bandwidth")
        return &c.bandwidth;
    if (name == "scan_add")
        return &c.scanAdd;
    if (name == "beat_shift")
        return &c.beatShift;
    return &c.busyLockout;
}

const QStringList kSwitches{"power", "bandwidth", "scan_add", "beat_shift", "busy_lockout"};

// Collects the first error; later checks are skipped once one is found.
struct Checker {
    QString error;
    bool fail(const QString& message) {
        if (error.isEmpty())
            error = message;
        return false;
    }
    bool keys(const QJsonObject& o, const QStringList& expected, const QString& where) {
        for (const QString& k : o.keys())
            if (!expected.contains(k))
                return fail(QStringLiteral("%1: unknown key \"%2\"").arg(where, k));
        for (const QString& k : expected)
            if (!o.contains(k))
                return fail(QStringLiteral("%1: missing key \"%2\"").arg(where, k));
        return true;
    }
};

} // namespace

QStringList CodeplugJson::SwitchItems(const QString& name) {
    if (name == "power")
        return {"Low", "High"};
    if (name == "bandwidth")
        return {"Wide", "Narrow"};
    return {"Yes", "No"};
}

QByteArray CodeplugJson::Write(const Codeplug& cp) {
    QString out = "{\n";
    out += QStringLiteral("  \"model\": %1,\n").arg(quoted(cp.model->Code));
    out += QStringLiteral("  \"band\": %1,\n").arg(quoted(cp.bandText));
    QStringList channels;
    for (size_t i = 0; i < cp.channels.size(); ++i) {
        if (!cp.channels[i])
            continue;
        const ChannelValues& c = *cp.channels[i];
        QString line = QStringLiteral("{\"channel\": %1, \"rx\": %2, \"tx\": %3, \"decode\": %4, "
                                      "\"encode\": %5")
                           .arg(i + 1)
                           .arg(quoted(FormatFrequency(c.rx)),
                                c.tx ? quoted(FormatFrequency(*c.tx)) : QStringLiteral("null"),
                                toneOrNull(c.decodeTone), toneOrNull(c.encodeTone));
        for (const QString& name : kSwitches)
            line += QStringLiteral(", \"%1\": %2")
                        .arg(name, quoted(SwitchItems(name).value(switchValue(c, name) & 1)));
        channels << "    " + line + "}";
    }
    out += channels.isEmpty() ? QStringLiteral("  \"channels\": [],\n")
                              : "  \"channels\": [\n" + channels.join(",\n") + "\n  ],\n";
    QStringList settings;
    for (const TFun::Field& f : TFun::Fields())
        settings << QStringLiteral("\"%1\": %2").arg(QLatin1String(f.name)).arg(cp.fun.*f.member);
    out += "  \"settings\": {" + settings.join(", ") + "},\n";
    out += QStringLiteral("  \"message\": {\"line1\": %1, \"line2\": %2}\n")
               .arg(quoted(cp.message.Line1), quoted(cp.message.Line2));
    out += "}\n";
    return out.toUtf8();
}

CodeplugJson::Parsed CodeplugJson::Read(const QByteArray& json, const TMacList& models,
                                        const TFrqList& bands) {
    Parsed result;
    Checker check;
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isObject()) {
        result.error = parseError.error != QJsonParseError::NoError
                           ? QStringLiteral("not valid JSON at byte %1: %2")
                                 .arg(parseError.offset)
                                 .arg(parseError.errorString())
                           : QStringLiteral("the JSON text is not an object");
        return result;
    }
    const QJsonObject top = doc.object();
    if (!check.keys(top, kTopKeys, "codeplug")) {
        result.error = check.error;
        return result;
    }

    Codeplug cp;
    const QString code = top["model"].toString();
    cp.model = models.FindByCode(code);
    if (!top["model"].isString() || !cp.model) {
        result.error = QStringLiteral("model: \"%1\" is not a model of the catalogue")
                           .arg(top["model"].toVariant().toString());
        return result;
    }
    cp.modelCode = cp.model->Code;
    cp.bandText = top["band"].toString();
    if (!top["band"].isString() || !bands.Contains(cp.bandText)) {
        result.error = QStringLiteral("band: \"%1\" is not a band of the band list")
                           .arg(top["band"].toVariant().toString());
        return result;
    }
    const BandLimits limits = ParseBand(cp.bandText).value_or(BandLimits{});
    cp.bandLow = limits.low;
    cp.bandHigh = limits.high;
    cp.channels.assign(static_cast<size_t>(cp.model->ChannelCount), std::nullopt);

    if (!top["channels"].isArray())
        check.fail("channels: not a list");
    const QJsonArray channels = top["channels"].toArray();
    for (int i = 0; i < channels.size() && check.error.isEmpty(); ++i) {
        const QJsonObject o = channels[i].toObject();
        QString where = QStringLiteral("channels[%1]").arg(i);
        if (!channels[i].isObject()) {
            check.fail(where + ": not an object");
            break;
        }
        if (!check.keys(o, kChannelKeys, where))
            break;
        const QJsonValue number = o["channel"];
        const int n = number.toInt(0);
        if (!number.isDouble() || number.toDouble() != n || n < 1 || n > cp.model->ChannelCount) {
            check.fail(QStringLiteral("%1: channel number %2 is outside 1 to %3")
                           .arg(where, number.toVariant().toString())
                           .arg(cp.model->ChannelCount));
            break;
        }
        where = QStringLiteral("channel %1").arg(n);
        if (cp.channels[static_cast<size_t>(n - 1)]) {
            check.fail(where + ": given twice");
            break;
        }
        ChannelValues c;
        const auto frequency = [&](const char* key, double* out) {
            const QJsonValue v = o[QLatin1String(key)];
            bool ok = false;
            const double mhz = v.toString().toDouble(&ok);
            if (!v.isString() || !ok)
                return check.fail(
                    QStringLiteral("%1: %2 frequency %3 is not a number")
                        .arg(where, QString::fromLatin1(key).toUpper(), v.toVariant().toString()));
            if (mhz < cp.model->MinFreq || mhz > cp.model->MaxFreq)
                return check.fail(QStringLiteral("%1: %2 frequency %3 is outside the model's "
                                                 "limits %4 to %5 MHz")
                                      .arg(where, QString::fromLatin1(key).toUpper(), v.toString())
                                      .arg(cp.model->MinFreq)
                                      .arg(cp.model->MaxFreq));
            const double snapped = ChannelEditing::SnapFrequency(mhz);
            if (snapped != mhz)
                result.warnings << QStringLiteral("%1: %2 frequency %3 moved down onto the "
                                                  "channel raster: %4")
                                       .arg(where, QString::fromLatin1(key).toUpper(), v.toString(),
                                            FormatFrequency(snapped));
            *out = snapped;
            return true;
        };
        const auto tone = [&](const char* key, QString* out) {
            const QJsonValue v = o[QLatin1String(key)];
            if (v.isNull())
                return true;
            if (!v.isString() || !TBWriteRead::IsCanonicalTone(v.toString()))
                return check.fail(QStringLiteral("%1: %2 tone %3 is not a valid tone text "
                                                 "(such as 67.0, D023N or D023I)")
                                      .arg(where, QLatin1String(key), v.toVariant().toString()));
            *out = v.toString();
            return true;
        };
        double tx = 0.0;
        if (!frequency("rx", &c.rx))
            break;
        if (!o["tx"].isNull()) {
            if (!frequency("tx", &tx))
                break;
            c.tx = tx;
        }
        if (!tone("decode", &c.decodeTone) || !tone("encode", &c.encodeTone))
            break;
        for (const QString& name : kSwitches) {
            const QStringList items = SwitchItems(name);
            const int index = items.indexOf(o[name].toString());
            if (!o[name].isString() || index < 0) {
                check.fail(QStringLiteral("%1: %2 %3 is not one of %4")
                               .arg(where, name, o[name].toVariant().toString(),
                                    items.join(QStringLiteral(", "))));
                break;
            }
            *switchField(c, name) = index;
        }
        cp.channels[static_cast<size_t>(n - 1)] = c;
    }

    if (check.error.isEmpty() && top["settings"].isObject()) {
        const QJsonObject settings = top["settings"].toObject();
        QStringList names;
        for (const TFun::Field& f : TFun::Fields())
            names << QLatin1String(f.name);
        if (check.keys(settings, names, "settings")) {
            for (const TFun::Field& f : TFun::Fields()) {
                const QJsonValue v = settings[QLatin1String(f.name)];
                // BatterySave and ClewVoice share one byte: bit 0 and the bits above it.
                const QString name = QLatin1String(f.name);
                const int high = name == "ClewVoice" ? 1 : name == "BatterySave" ? 127 : 255;
                const int value = v.toInt(-1);
                if (!v.isDouble() || v.toDouble() != value || value < 0 || value > high) {
                    check.fail(QStringLiteral("settings.%1: %2 is outside 0 to %3")
                                   .arg(name, v.toVariant().toString())
                                   .arg(high));
                    break;
                }
                cp.fun.*f.member = value;
            }
        }
    } else if (check.error.isEmpty()) {
        check.fail("settings: not an object");
    }

    if (check.error.isEmpty()) {
        const QJsonObject message = top["message"].toObject();
        if (!top["message"].isObject())
            check.fail("message: not an object");
        else if (check.keys(message, kMessageKeys, "message")) {
            for (const QString& key : kMessageKeys) {
                const QJsonValue v = message[key];
                const QString line = v.toString();
                if (!v.isString()) {
                    check.fail(QStringLiteral("message.%1: not a text").arg(key));
                    break;
                }
                if (line.size() > TEnMsg::kLineLength) {
                    check.fail(QStringLiteral("message.%1: %2 characters, more than %3")
                                   .arg(key)
                                   .arg(line.size())
                                   .arg(TEnMsg::kLineLength));
                    break;
                }
                for (QChar ch : line)
                    if (ch.unicode() >= 0xFF) {
                        check.fail(QStringLiteral("message.%1: the character \"%2\" does not fit "
                                                  "one byte of the message record")
                                       .arg(key, QString(ch)));
                        break;
                    }
                (key == "line1" ? cp.message.Line1 : cp.message.Line2) = line;
            }
        }
    }

    if (!check.error.isEmpty()) {
        result.error = check.error;
        result.warnings.clear();
        return result;
    }
    result.codeplug = std::move(cp);
    return result;
}
