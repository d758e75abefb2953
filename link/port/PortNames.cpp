#include "PortNames.h"

#include "app/IniFile.h"
#include "app/Settings.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSerialPortInfo>

namespace {

struct Range {
    const char* prefix;
    int first;
};

constexpr Range kRanges[] = {
    {"/dev/ttyS", PortNames::kBuiltInFirst},
    {"/dev/ttyUSB", PortNames::kUsbFirst},
    {"/dev/ttyACM", PortNames::kAcmFirst},
};

QString canonical(const QString& path) {
    const QString target = QFileInfo(path).canonicalFilePath();
    return target.isEmpty() ? path : target;
}

bool canOpen(const QString& device) {
    QSerialPort port(device);
    const bool ok = port.open(QIODevice::ReadWrite);
    port.close();
    return ok;
}

} // namespace

PortNames::PortNames(const QString& settingsFile) {
    const IniFile ini(settingsFile);
    for (const QString& key : ini.keys(QLatin1String(kSection)))
        AddMapping(key, ini.value(QLatin1String(kSection), key, QString()));
}

void PortNames::AddMapping(const QString& name, const QString& device) {
    if (const auto n = NumberOf(name); n && !device.isEmpty())
        m_mapped[*n] = device;
}

std::optional<int> PortNames::NumberOf(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^COM([0-9]+)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const auto match = pattern.match(name.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    const int n = match.captured(1).toInt(&ok);
    if (!ok || n < 1)
        return std::nullopt;
    return n;
}

QString PortNames::DeviceFor(const QString& nameOrPath) const {
    // A path, absolute or relative ("./radio"), names the device itself.
    if (nameOrPath.contains('/'))
        return QFileInfo(nameOrPath).absoluteFilePath();
    const auto n = NumberOf(nameOrPath);
    if (!n)
        return {};
    if (m_mapped.contains(*n))
        return m_mapped[*n];
    const Range* match = nullptr;
    for (const Range& r : kRanges)
        if (*n >= r.first)
            match = &r;
    if (!match || *n > kLast)
        return {};
    return QString::fromLatin1(match->prefix) + QString::number(*n - match->first);
}

QString PortNames::NameFor(const QString& devicePath) const {
    const QString target = canonical(devicePath);
    for (auto it = m_mapped.begin(); it != m_mapped.end(); ++it)
        if (it.value() == devicePath || canonical(it.value()) == target)
            return QStringLiteral("COM%1").arg(it.key());
    for (const Range& r : kRanges) {
        const QString prefix = QString::fromLatin1(r.prefix);
        if (!target.startsWith(prefix))
            continue;
        bool ok = false;
        const int index = target.mid(prefix.size()).toInt(&ok);
        const int n = r.first + index;
        const int limit = &r == &kRanges[2] ? kLast : (&r + 1)->first - 1;
        if (ok && n <= limit && !m_mapped.contains(n))
            return QStringLiteral("COM%1").arg(n);
    }
    return {};
}

QString PortNames::PermissionAdvice() {
    return QStringLiteral("permission denied: add your user to the dialout group (sudo adduser "
                          "$USER dialout) and log in again");
}

QList<PortNames::Port> PortNames::ListPorts() const {
    QMap<int, Port> found;
    QStringList candidates;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        candidates << info.systemLocation();
    for (const QString& device : m_mapped)
        candidates << device;
    for (const QString& device : candidates) {
        const QString name = NameFor(device);
        const auto n = NumberOf(name);
        if (!n || found.contains(*n) || !QFileInfo::exists(device))
            continue;
        const QFileInfo info(device);
        const bool permitted = info.isReadable() && info.isWritable();
        if (permitted && !canOpen(device))
            continue; // in use, or no serial port
        found.insert(*n, {name, m_mapped.value(*n, device), permitted});
    }
    return found.values();
}
