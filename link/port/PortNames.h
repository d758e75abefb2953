#pragma once

#include <QList>
#include <QMap>
#include <QString>

#include <optional>

/**
 * The "COM" + number names the program shows and stores, and the serial
 * devices behind them on Linux. Built-in ports /dev/ttyS0.. are COM1..COM100,
 * USB serial adapters /dev/ttyUSB0.. are COM101..COM200, USB modems
 * /dev/ttyACM0.. are COM201..COM256. Section [Ports] of SysInfo.Ini maps any
 * name to any device path (COM7=/dev/serial/by-id/...), ahead of the ranges.
 * Wherever a port is chosen a device path is accepted as well.
 */
class PortNames {
  public:
    static constexpr int kBuiltInFirst = 1;
    static constexpr int kUsbFirst = 101;
    static constexpr int kAcmFirst = 201;
    static constexpr int kLast = 256;
    static constexpr char kSection[] = "Ports";

    PortNames() = default;
    /** With the mappings of section [Ports] of the settings file. */
    explicit PortNames(const QString& settingsFile);

    void AddMapping(const QString& name, const QString& device);

    /** The number of a name of the form "COM" + digits (any case), or none. */
    static std::optional<int> NumberOf(const QString& name);

    /** The device behind a name, or a path made absolute; empty when there is none. */
    QString DeviceFor(const QString& nameOrPath) const;
    /** The name of a device: its mapping, else its range; empty when it has none. */
    QString NameFor(const QString& devicePath) const;

    struct Port {
        QString name;
        QString device;
        /** False for a port the user may not open: it needs the dialout group. */
        bool permitted = true;
    };
    /** What to do about a port the user may not open. */
    static QString PermissionAdvice();
    /**
     * The ports that can be opened at this moment, in increasing number:
     * the system's serial devices and every mapped device that exists; and,
     * not permitted, those the user lacks the permission to open.
     */
    QList<Port> ListPorts() const;

  private:
    QMap<int, QString> m_mapped; // number -> device path
};
