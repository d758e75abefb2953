#include "RadioPort.h"

#include "PortNames.h"
#include "app/MessageText.h"

#include <QFileInfo>
#include <QThread>

Result<QString> RadioPort::OpenFor(const QString& name, const PortNames& names, bool flush) {
    close();
    QThread::msleep(static_cast<unsigned long>(kReopenPause.count()));
    const QString device = names.DeviceFor(name);
    if (device.isEmpty())
        return Result<QString>::Failure(
            QStringLiteral("\"%1\" is not a port name: use COM and a number, or a device path "
                           "such as /dev/ttyUSB0.")
                .arg(MessageText::Quoted(name)),
            NoSuchPort);
    setPortName(device);
    setBaudRate(kBaudRate);
    setDataBits(QSerialPort::Data8);
    setParity(QSerialPort::NoParity);
    setStopBits(QSerialPort::TwoStop);
    setFlowControl(QSerialPort::NoFlowControl);
    setReadBufferSize(kBufferSize);
    if (!open(QIODevice::ReadWrite)) {
        const QString where = name == device
                                  ? MessageText::Path(device)
                                  : QStringLiteral("%1 (%2)").arg(MessageText::Quoted(name),
                                                                  MessageText::Path(device));
        switch (error()) {
        case QSerialPort::DeviceNotFoundError:
            return Result<QString>::Failure(
                QStringLiteral("Port %1 does not exist: check the cable and the port setting.")
                    .arg(where),
                NoSuchPort);
        case QSerialPort::PermissionError:
            if (QFileInfo(device).isWritable())
                return Result<QString>::Failure(
                    QStringLiteral("Port %1 is in use by another program: close it and try again.")
                        .arg(where),
                    Busy);
            return Result<QString>::Failure(QStringLiteral("Port %1 cannot be opened: %2.")
                                                .arg(where, PortNames::PermissionAdvice()),
                                            Permission);
        default:
            return Result<QString>::Failure(
                QStringLiteral("Port %1 cannot be opened: %2.").arg(where, errorString()), Other);
        }
    }
    // A pseudo-terminal refuses DTR and RTS; that does not stop a session.
    setDataTerminalReady(true);
    setRequestToSend(true);
    if (flush)
        clear();
    return device;
}
