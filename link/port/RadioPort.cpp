#include "RadioPort.h"

#include "PortNames.h"
#include "app/MessageText.h"

#include <QFileInfo>
#include <QThread>

RadioPort::OpenResult RadioPort::OpenFor(const QString& name, const PortNames& names, bool flush) {
    close();
    QThread::msleep(static_cast<unsigned long>(kReopenPause.count()));
    OpenResult result;
    result.device = names.DeviceFor(name);
    if (result.device.isEmpty()) {
        result.failure = Failure::NoSuchPort;
        result.detail = QStringLiteral("\"%1\" is not a port name: use COM and a number, or a "
                                       "device path such as /dev/ttyUSB0.")
                            .arg(MessageText::Quoted(name));
        return result;
    }
    setPortName(result.device);
    setBaudRate(kBaudRate);
    setDataBits(QSerialPort::Data8);
    setParity(QSerialPort::NoParity);
    setStopBits(QSerialPort::TwoStop);
    setFlowControl(QSerialPort::NoFlowControl);
    setReadBufferSize(kBufferSize);
    if (!open(QIODevice::ReadWrite)) {
        const QString where = name == result.device
                                  ? MessageText::Path(result.device)
                                  : QStringLiteral("%1 (%2)").arg(MessageText::Quoted(name),
                                                                  MessageText::Path(result.device));
        switch (error()) {
        case QSerialPort::DeviceNotFoundError:
            result.failure = Failure::NoSuchPort;
            result.detail = QStringLiteral("Port %1 does not exist: check the cable and the port "
                                           "setting.")
                                .arg(where);
            break;
        case QSerialPort::PermissionError:
            result.failure =
                QFileInfo(result.device).isWritable() ? Failure::Busy : Failure::Permission;
            result.detail =
                result.failure == Failure::Busy
                    ? QStringLiteral("Port %1 is in use by another program: close it and try "
                                     "again.")
                          .arg(where)
                    : QStringLiteral("Port %1 cannot be opened: %2.")
                          .arg(where, PortNames::PermissionAdvice());
            break;
        default:
            result.failure = Failure::Other;
            result.detail =
                QStringLiteral("Port %1 cannot be opened: %2.").arg(where, errorString());
            break;
        }
        return result;
    }
    // A pseudo-terminal refuses DTR and RTS; that does not stop a session.
    setDataTerminalReady(true);
    setRequestToSend(true);
    if (flush)
        clear();
    return result;
}
