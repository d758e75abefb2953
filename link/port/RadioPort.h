#pragma once

#include "app/Result.h"

#include <QSerialPort>
#include <QString>

#include <chrono>

class PortNames;

/**
 * The serial port of a session: 9600 baud, 8 data bits, no parity, 2 stop
 * bits, no flow control, DTR and RTS asserted where the device allows it.
 */
class RadioPort : public QSerialPort {
    Q_OBJECT

  public:
    static constexpr qint32 kBaudRate = 9600;
    static constexpr qint64 kBufferSize = 4096;
    static constexpr std::chrono::milliseconds kReopenPause{50};

    /** Why a port did not open: the code of OpenFor's failed Result. */
    enum Failure { NoSuchPort = 1, Permission, Busy, Other };

    using QSerialPort::QSerialPort;

    /**
     * Closes the port, waits 50 ms, and opens the device behind name (a COM
     * name or a device path) with the line settings; flush discards what was
     * received or queued before. Gives the device opened; a failure is a
     * sentence naming the port and the device, and what to do.
     */
    Result<QString> OpenFor(const QString& name, const PortNames& names, bool flush);
};
