#include "CodeplugJson.h"

#include "app/MessageText.h"
#include "channels/ChannelEditing.h"
#include "channels/ChannelStore.h"
#include "channels/ToneCodes.h"
#include "model/Selection.h"
#include "model/TFrqList.h"
#include "model/TMacList.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <vector>

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

/** A switch of a channel by its key, as the item index of its list. */
int switchItem(const ChannelValues& c, const QString& name) {
    if (name == "power")
        return ItemOf(c.power);
    if (name == "bandwidth")
        return ItemOf(c.bandwidth);
    if (name == "scan_add")
        return ItemOf(c.scanAdd);
    if (name == "beat_shift")
        return ItemOf(c.beatShift);
    return ItemOf(c.busyLockout);
}

void setSwitchItem(ChannelValues& c, const QString& name, int item) {
    if (name == "power")
        c.power = FromItem<Power>(item);
    else if (name == "bandwidth")
        c.bandwidth = FromItem<Bandwidth>(item);
    else if (name == "scan_add")
        c.scanAdd = FromItem<YesNo>(item);
    else if (name == "beat_shift")
        c.beatShift = FromItem<YesNo>(item);
    else
        c.busyLockout = FromItem<YesNo>(item);
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
                return fail(
                    QStringLiteral("%1: unknown key \"%2\"").arg(where, MessageText::Quoted(k)));
        for (const QString& k : expected)
            if (!o.contains(k))
                return fail(QStringLiteral("%1: missing key \"%2\"").arg(where, k));
        return true;
    }
};

/** A JSON value as a message quotes it. */
QString shown(const QJsonValue& v) {
    if (v.isString())
        return MessageText::Quoted(v.toString());
    return MessageText::Quoted(
        QString::fromUtf8(QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact))
            .mid(1)
            .chopped(1));
}

/** Reads the string that starts at json[at] (a quote), decoding its escapes; at moves past it. */
QString readString(const QByteArray& json, qsizetype& at) {
    QString text;
    qsizetype run = ++at;
    while (at < json.size() && json[at] != '"') {
        if (json[at] != '\\') {
            ++at;
            continue;
        }
        text += QString::fromUtf8(json.mid(run, at - run));
        const char e = at + 1 < json.size() ? json[at + 1] : '\0';
        if (e == 'u') {
            text += QChar(json.mid(at + 2, 4).toUShort(nullptr, 16));
            at += 6;
        } else {
            static const QByteArray from = "bfnrt";
            static const char to[] = "\b\f\n\r\t";
            const qsizetype i = from.indexOf(e);
            text += QChar(i >= 0 ? to[i] : e);
            at += 2;
        }
        run = at;
    }
    text += QString::fromUtf8(json.mid(run, at - run));
    ++at; // the closing quote
    return text;
}

/**
 * The first key given twice in one object of a valid JSON text, as a message
 * naming where ("channels[2]: the key \"rx\" is given twice"), or empty. The
 * parser keeps only the last of them, so it is looked for in the text itself.
 */
QString duplicateKey(const QByteArray& json) {
    struct Level {
        bool object;
        QString path;
        QSet<QString> keys;
        QString key; // the member being read
        int index = 0;
        bool expectKey = true;
    };
    std::vector<Level> stack;
    for (qsizetype at = 0; at < json.size();) {
        const char c = json[at];
        if (c == '"') {
            QString text = readString(json, at);
            if (!stack.empty() && stack.back().object && stack.back().expectKey) {
                Level& level = stack.back();
                if (level.keys.contains(text))
                    return QStringLiteral("%1: the key \"%2\" is given twice")
                        .arg(level.path, MessageText::Quoted(text));
                level.keys.insert(text);
                level.key = text;
                level.expectKey = false;
            }
            continue;
        }
        if (c == '{' || c == '[') {
            QString path = QStringLiteral("codeplug");
            if (!stack.empty()) {
                const Level& parent = stack.back();
                path = parent.object
                           ? (stack.size() == 1 ? parent.key : parent.path + '.' + parent.key)
                           : QStringLiteral("%1[%2]").arg(parent.path).arg(parent.index);
            }
            stack.push_back({c == '{', path, {}, {}, 0, c == '{'});
        } else if ((c == '}' || c == ']') && !stack.empty()) {
            stack.pop_back();
        } else if (c == ',' && !stack.empty()) {
            if (stack.back().object)
                stack.back().expectKey = true;
            else
                ++stack.back().index;
        }
        ++at;
    }
    return {};
}

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
                        .arg(name, quoted(SwitchItems(name).value(switchItem(c, name) & 1)));
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

Result<CodeplugJson::Parsed> CodeplugJson::Read(const QByteArray& json, const TMacList& models,
                                                const TFrqList& bands) {
    const auto refused = [](const QString& why) { return Result<Parsed>::Failure(why); };
    Parsed result;
    Checker check;
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return refused(QStringLiteral("not valid JSON at byte %1: %2")
                           .arg(parseError.offset)
                           .arg(parseError.errorString()));
    if (!doc.isObject())
        return refused(QStringLiteral("the JSON text is not an object"));
    if (const QString duplicate = duplicateKey(json); !duplicate.isEmpty())
        return refused(duplicate);
    const QJsonObject top = doc.object();
    if (!check.keys(top, kTopKeys, "codeplug"))
        return refused(check.error);

    Codeplug& cp = result.codeplug;
    if (!top["model"].isString())
        return refused(QStringLiteral("model must be a text such as \"8524\""));
    cp.model = models.FindByCode(top["model"].toString());
    if (!cp.model)
        return refused(QStringLiteral("model: \"%1\" is not a model of the catalogue")
                           .arg(shown(top["model"])));
    cp.modelCode = cp.model->Code;
    if (!top["band"].isString())
        return refused(
            QStringLiteral("band must be a text such as \"%1\"").arg(cp.model->DefaultBand));
    cp.bandText = top["band"].toString();
    // One of the model's own bands, as the Model Information dialog offers them.
    if (!cp.model->Bands.contains(cp.bandText) || !bands.Contains(cp.bandText))
        return refused(
            QStringLiteral("band: \"%1\" is not a band of model %2, whose bands are \"%3\"")
                .arg(shown(top["band"]), cp.model->Code,
                     cp.model->Bands.join(QStringLiteral("\", \""))));
    const BandLimits limits = ParseBand(cp.bandText).value_or(BandLimits{});
    cp.bandLow = limits.low;
    cp.bandHigh = limits.high;
    cp.channels.assign(static_cast<size_t>(cp.model->ChannelCount), std::nullopt);

    if (!top["channels"].isArray())
        check.fail("channels must be a list");
    const QJsonArray channels = top["channels"].toArray();
    for (int i = 0; i < channels.size() && check.error.isEmpty(); ++i) {
        const QJsonObject o = channels[i].toObject();
        QString where = QStringLiteral("channels[%1]").arg(i);
        if (!channels[i].isObject()) {
            check.fail(where + " must be an object");
            break;
        }
        if (!check.keys(o, kChannelKeys, where))
            break;
        const QJsonValue number = o["channel"];
        if (!number.isDouble()) {
            check.fail(where + ": channel must be a number");
            break;
        }
        const int n = number.toInt(0);
        if (number.toDouble() != n || n < 1 || n > cp.model->ChannelCount) {
            check.fail(QStringLiteral("%1: channel number %2 is outside 1 to %3")
                           .arg(where, shown(number))
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
            const QString name = QString::fromLatin1(key).toUpper();
            if (!v.isString())
                return check.fail(
                    QStringLiteral("%1: %2 frequency must be a text such as \"438.50000\"")
                        .arg(where, name));
            // Not a number, not finite ("nan", "inf") or beyond any frequency: refused.
            const auto parsed = ChannelEditing::ParseFrequency(v.toString());
            if (!parsed)
                return check.fail(QStringLiteral("%1: %2 frequency %3 is not a number")
                                      .arg(where, name, shown(v)));
            const double mhz = *parsed;
            if (mhz < cp.model->MinFreq || mhz > cp.model->MaxFreq)
                return check.fail(QStringLiteral("%1: %2 frequency %3 is outside the model's "
                                                 "limits %4 to %5 MHz")
                                      .arg(where, name, shown(v))
                                      .arg(cp.model->MinFreq)
                                      .arg(cp.model->MaxFreq));
            const double snapped = ChannelEditing::SnapFrequency(mhz);
            if (snapped != mhz)
                result.warnings << QStringLiteral("%1: %2 frequency %3 moved down onto the "
                                                  "channel raster: %4")
                                       .arg(where, name, shown(v), FormatFrequency(snapped));
            *out = snapped;
            return true;
        };
        const auto tone = [&](const char* key, QString* out) {
            const QJsonValue v = o[QLatin1String(key)];
            if (v.isNull())
                return true;
            if (!v.isString())
                return check.fail(QStringLiteral("%1: %2 tone must be a text such as \"67.0\" or "
                                                 "\"D023N\", or null")
                                      .arg(where, QLatin1String(key)));
            if (!ToneCodes::IsToneText(v.toString()))
                return check.fail(QStringLiteral("%1: %2 tone %3 is not a valid tone text (a "
                                                 "CTCSS value from 30.0 to 290.0 such as 67.0, "
                                                 "or D, three octal digits and N or I such as "
                                                 "D023N)")
                                      .arg(where, QLatin1String(key), shown(v)));
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
            if (!o[name].isString()) {
                check.fail(QStringLiteral("%1: %2 must be a text, one of %3")
                               .arg(where, name, items.join(QStringLiteral(", "))));
                break;
            }
            if (index < 0) {
                check.fail(QStringLiteral("%1: %2 %3 is not one of %4")
                               .arg(where, name, shown(o[name]), items.join(QStringLiteral(", "))));
                break;
            }
            setSwitchItem(c, name, index);
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
                if (!v.isDouble()) {
                    check.fail(QStringLiteral("settings.%1 must be a number").arg(name));
                    break;
                }
                if (v.toDouble() != value || value < 0 || value > high) {
                    check.fail(QStringLiteral("settings.%1: %2 is outside 0 to %3")
                                   .arg(name, shown(v))
                                   .arg(high));
                    break;
                }
                cp.fun.*f.member = value;
            }
        }
    } else if (check.error.isEmpty()) {
        check.fail("settings must be an object");
    }

    if (check.error.isEmpty()) {
        const QJsonObject message = top["message"].toObject();
        if (!top["message"].isObject())
            check.fail("message must be an object");
        else if (check.keys(message, kMessageKeys, "message")) {
            for (const QString& key : kMessageKeys) {
                const QJsonValue v = message[key];
                const QString line = v.toString();
                if (!v.isString()) {
                    check.fail(QStringLiteral("message.%1 must be a text").arg(key));
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
                                       .arg(key, MessageText::Quoted(QString(ch))));
                        break;
                    }
                (key == "line1" ? cp.message.Line1 : cp.message.Line2) = line;
            }
        }
    }

    if (!check.error.isEmpty())
        return refused(check.error);
    return result;
}
