// qx7-sim: a radio on a pseudo-terminal, for trying and testing QX7 without one.

#include "PseudoTerminal.h"
#include "SimulatedRadio.h"
#include "app/AppContext.h"
#include "app/MessageText.h"
#include "app/SafeFile.h"
#include "image/DataFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <cstdio>
#include <memory>

namespace {

volatile std::sig_atomic_t g_stop = 0;

void onSignal(int) {
    g_stop = 1;
}

int intOption(const QCommandLineParser& p, const QCommandLineOption& o) {
    return p.isSet(o) ? p.value(o).toInt() : -1;
}

bool isPseudoTerminal(const QString& device) {
    return device.startsWith(QLatin1String("/dev/pts/"));
}

void fail(const QString& sentence) {
    std::fprintf(stderr, "qx7-sim: %s\n", sentence.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Answers like a QX7 radio on a pseudo-terminal. Prints the device path of the program's "
        "side as the first line; give that path (or a COM name mapped to it in SysInfo.Ini) to "
        "QX7 as the port.");
    parser.addHelpOption();
    const QCommandLineOption model("model", "Model code the radio reports (default 8524).", "CODE",
                                   "8524");
    const QCommandLineOption image("image", "Start from the codeplug of a data file.", "FILE.dat");
    const QCommandLineOption dump("dump", "Write the 0x400-byte image here after each session.",
                                  "FILE");
    const QCommandLineOption link("link", "Make a symbolic link to the device here.", "PATH");
    const QCommandLineOption pace("pace", "Pace every byte at 9600 baud, 11 bits a byte.");
    const QCommandLineOption once("once", "Exit after the first session.");
    const QCommandLineOption silent("silent-after", "Stop answering after N data commands.", "N");
    const QCommandLineOption wrongAck(
        "wrong-ack-after", "Answer acknowledgements with 0x15 after N data commands.", "N");
    const QCommandLineOption hangup(
        "hangup-after", "Close the line, as an unplugged cable, after N data commands.", "N");
    const QCommandLineOption extra("extra-bytes", "Send N more bytes with every answer.", "N");
    const QCommandLineOption stray("stray-byte", "Send a stray byte before the handshake's 0x06.");
    const QCommandLineOption silentAt(
        "silent-at", "Answer nothing from this step on: handshake or identity.", "STEP");
    const QCommandLineOption hangupAt(
        "hangup-at", "Close the line when this step is reached: handshake, identity or end.",
        "STEP");
    const QCommandLineOption replug(
        "replug", "After closing the line, plug in again once: a new pseudo-terminal at the "
                  "--link path, its device printed as a further line.");
    const QCommandLineOption identity("identity", "Report these eight characters as the identity.",
                                      "TEXT");
    const QCommandLineOption storeWrongly(
        "store-wrongly",
        "Store the byte at this image address (0x... or decimal) with its lowest bit flipped "
        "whenever a write gives it, and acknowledge the block all the same.",
        "ADDRESS");
    const QCommandLineOption log("log",
                                 "Write every byte received (\"<\") and sent (\">\") as hex "
                                 "lines to FILE.",
                                 "FILE");
    parser.addOptions({model, image, dump, link, pace, once, silent, wrongAck, hangup, extra, stray,
                       silentAt, hangupAt, identity, replug, storeWrongly, log});
    parser.process(app);

    SimulatedRadio::Faults faults;
    faults.silentAfter = intOption(parser, silent);
    faults.wrongAckAfter = intOption(parser, wrongAck);
    faults.hangupAfter = intOption(parser, hangup);
    faults.extraBytes = std::max(0, intOption(parser, extra));
    faults.strayByte = parser.isSet(stray);
    faults.identity = parser.value(identity).toLatin1();
    if (parser.isSet(storeWrongly)) {
        bool ok = false;
        faults.storeWronglyAt = parser.value(storeWrongly).toInt(&ok, 0);
        if (!ok || faults.storeWronglyAt < 0 ||
            faults.storeWronglyAt >= SimulatedRadio::kImageSize) {
            fail(QStringLiteral("--store-wrongly takes an image address from 0 to 0x3FF, not "
                                "\"%1\".")
                     .arg(MessageText::Quoted(parser.value(storeWrongly))));
            return 2;
        }
    }
    for (const auto& [option, stage] :
         {std::pair{&silentAt, &faults.silentAt}, std::pair{&hangupAt, &faults.hangupAt}}) {
        const QString step = parser.value(*option);
        if (step.isEmpty())
            continue;
        const bool atEnd = option == &hangupAt && step == "end";
        if (step != "handshake" && step != "identity" && !atEnd) {
            fail(QStringLiteral("--%1 takes handshake, identity%2, not \"%3\".")
                     .arg(option->names().first(), option == &hangupAt ? " or end" : "",
                          MessageText::Quoted(step)));
            return 2;
        }
        *stage = atEnd                 ? SimulatedRadio::Stage::End
                 : step == "handshake" ? SimulatedRadio::Stage::Handshake
                                       : SimulatedRadio::Stage::Identity;
    }
    SimulatedRadio radio(parser.value(model), faults);

    if (parser.isSet(image)) {
        // No more than a kilobyte is ever needed: an endless device is read no further.
        const Result<QByteArray> in =
            SafeFile::Read(parser.value(image), SimulatedRadio::kImageSize, true);
        if (!in) {
            fail(in.error());
            return 2;
        }
        AppContext ctx(ResolveAppDir());
        const Result<QByteArray> loaded = SimulatedRadio::ImageFromDataFile(*in, ctx.models());
        if (!loaded) {
            fail(loaded.error());
            return 2;
        }
        radio.Image() = *loaded;
    }

    auto line = std::make_unique<PseudoTerminal>();
    if (!line->IsOpen()) {
        fail(QStringLiteral("cannot open a pseudo-terminal: %1.").arg(line->Error()));
        return 1;
    }
    line->SetPacing(parser.isSet(pace));
    // The link goes only where nothing is, or where a link to a pseudo-terminal
    // lies (one an earlier simulator left); anything else is the user's.
    QString linked; // the device the link names while it is ours
    const auto makeLink = [&] {
        if (!parser.isSet(link))
            return true;
        const QString at = parser.value(link);
        const QFileInfo there(at);
        if (there.isSymLink() && isPseudoTerminal(there.symLinkTarget())) {
            QFile::remove(at);
        } else if (there.exists() || there.isSymLink()) {
            fail(QStringLiteral("%1 is already there and is no link of a simulator; remove it or "
                                "give --link another path.")
                     .arg(MessageText::Path(at)));
            return false;
        }
        if (!QFile::link(line->SlavePath(), at)) {
            fail(QStringLiteral("cannot make the link %1.").arg(MessageText::Path(at)));
            return false;
        }
        linked = line->SlavePath();
        return true;
    };
    // Only the link it made, still naming its device, is removed.
    const auto removeLink = [&] {
        if (linked.isEmpty())
            return;
        const QFileInfo there(parser.value(link));
        if (there.isSymLink() && there.symLinkTarget() == linked)
            QFile::remove(parser.value(link));
        linked.clear();
    };
    if (!makeLink())
        return 2;
    std::printf("%s\n", line->SlavePath().toLocal8Bit().constData());
    std::fflush(stdout);

    QFile byteLog(parser.value(log));
    if (parser.isSet(log) && !byteLog.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        fail(QStringLiteral("cannot write the log %1: %2.")
                 .arg(MessageText::Path(byteLog.fileName()), byteLog.errorString()));
        return 2;
    }
    const auto logBytes = [&byteLog](char direction, const QByteArray& bytes) {
        if (!byteLog.isOpen() || bytes.isEmpty())
            return;
        byteLog.write(direction + (' ' + bytes.toHex(' ').toUpper()) + '\n');
        byteLog.flush();
    };

    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    bool replugs = parser.isSet(replug);
    while (!g_stop) {
        const QByteArray in = line->Read(200);
        if (in.isEmpty())
            continue;
        logBytes('<', in);
        const SimulatedRadio::Reply reply = radio.Receive(in);
        if (!reply.hangup) {
            line->Write(reply.bytes);
            logBytes('>', reply.bytes);
        }
        if (reply.sessionEnded && parser.isSet(dump)) {
            if (const Result<void> written = SafeFile::Write(parser.value(dump), radio.Image());
                !written)
                fail(written.error());
        }
        if (reply.hangup) {
            line->HangUp();
            if (!std::exchange(replugs, false))
                break;
            // The cable is plugged in again: a new device, which the link names.
            removeLink();
            line = std::make_unique<PseudoTerminal>();
            line->SetPacing(parser.isSet(pace));
            radio.Replug();
            if (!line->IsOpen() || !makeLink())
                break;
            std::printf("%s\n", line->SlavePath().toLocal8Bit().constData());
            std::fflush(stdout);
            continue;
        }
        if (reply.sessionEnded && parser.isSet(once))
            break;
    }
    removeLink();
    return 0;
}
