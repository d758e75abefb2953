// The read, write and port dialogs against qx7-sim on a pseudo-terminal,
// reached through a COM name mapped in the test's SysInfo.Ini.

#include "CodeplugBuilder.h"
#include "FaultCases.h"
#include "SessionDialog.h"
#include "SimulatedRadio.h"
#include "TfMainFrm.h"
#include "TfSetPort.h"
#include "UiFixture.h"
#include "channels/ChannelEditing.h"
#include "image/DataFile.h"
#include "port/PortNames.h"
#include "port/RadioPort.h"
#include "port/SessionDriver.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using Col = ChannelStore::Column;

namespace {

/**
 * qx7-sim with the given options, ready once it printed its device. Port() is
 * its link, which goes when the simulator does: a dialog that opens the port
 * again after a cut line never reaches another test's simulator.
 */
class Simulator {
  public:
    explicit Simulator(QStringList args) {
        if (!args.contains("--link"))
            args << "--link" << m_dir.filePath("radio");
        m_port = args.value(args.indexOf("--link") + 1);
        m_process.start(QStringLiteral(QX7_SIM), args);
        m_process.waitForStarted(5000);
        while (!m_process.canReadLine() && m_process.waitForReadyRead(5000)) {
        }
        m_process.readLine(); // the device, behind the link
    }
    ~Simulator() {
        m_process.terminate();
        m_process.waitForFinished(3000);
    }
    const QString& Port() const { return m_port; }

  private:
    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_port;
};

} // namespace

class RadioDialogsTest : public QObject {
    Q_OBJECT

    struct Program {
        explicit Program(const Simulator& sim) {
            const QString device = sim.Port();
            home.write("SysInfo.Ini",
                       "[SysInfo]\nCom=COM9\n[Ports]\nCOM9=" + device.toLocal8Bit() + "\n");
            ctx = std::make_unique<AppContext>(home.path());
            window = std::make_unique<TfMainFrm>(*ctx, prompter, dialogs);
            window->show();
            ctx->all().PortName = "COM9";
        }
        /** Runs command tag: presses OK in its dialog, closes it once done() holds. */
        void run(int tag, std::function<bool()> done, bool pressOk = true) {
            WhenModal([done, pressOk](QWidget* modal) {
                if (pressOk)
                    modal->findChild<QPushButton*>("btnOk")->click();
                auto* poll = new QTimer(modal);
                auto* clock = new QElapsedTimer;
                clock->start();
                QObject::connect(poll, &QTimer::timeout, modal, [modal, done, poll, clock] {
                    if (!done() && clock->elapsed() < 20000)
                        return;
                    poll->stop();
                    delete clock;
                    modal->close();
                });
                poll->start(20);
            });
            window->RunCommand(tag);
        }
        bool asked(const QString& text) const {
            for (const auto& a : prompter.Log())
                if (a.text == text)
                    return true;
            return false;
        }
        TempHome home;
        std::unique_ptr<AppContext> ctx;
        ScriptedPrompter prompter;
        ScriptedFileDialogs dialogs;
        std::unique_ptr<TfMainFrm> window;
    };

    static QByteArray codeplugFile(const AppContext& ctx) {
        return CodeplugBuilder(ctx)
            .Channel(3, {462.5625, 467.5625, "67.0", "", Power::High, Bandwidth::Wide, YesNo::Yes,
                         YesNo::Yes, YesNo::Yes})
            .Message("QX7 TEST", "")
            .DataFile();
    }

  private slots:
    // Faults end with their prompt, no session or timer left running, the port
    // free at once after the dialog closes, and after a failed read the
    // codeplug in memory as it was.
    void faultsLeaveNothingRunning_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < static_cast<int>(std::size(kFaults)); ++i)
            if (kFaults[i].failed())
                QTest::newRow(kFaults[i].name) << i;
    }
    void faultsLeaveNothingRunning() {
        QFETCH(int, row);
        const Fault& f = kFaults[row];
        TempHome files;
        files.write("radio.dat", codeplugFile(AppContext(files.path())));
        QStringList sim{"--image", files.file("radio.dat")};
        for (const char* a : f.sim)
            sim << QString::fromLatin1(a);
        Simulator radio(sim);
        Program p(radio);
        ChannelEditing::CommitCellText(*p.ctx, p.window->Store(), p.prompter, 5, Col::ColRx, "455");
        const Codeplug before = p.window->Document().Capture();
        const QString text = MessageText(p.ctx->texts(), f.message);
        bool activeAtPrompt = true;
        WhenModal([&](QWidget* modal) {
            modal->findChild<QPushButton*>("btnOk")->click();
            auto* poll = new QTimer(modal);
            auto* clock = new QElapsedTimer;
            clock->start();
            QObject::connect(poll, &QTimer::timeout, modal, [&, modal, poll, clock] {
                if (!p.asked(text) && clock->elapsed() < 20000)
                    return;
                poll->stop();
                delete clock;
                activeAtPrompt = qobject_cast<SessionDialog*>(modal)->SessionActive();
                modal->close();
            });
            poll->start(20);
        });
        p.window->RunCommand(f.read ? 20 : 21);

        QVERIFY(p.asked(text));
        for (const auto& a : p.prompter.Log())
            if (a.text == text)
                QCOMPARE(a.kind, f.kind);
        QVERIFY2(!activeAtPrompt, "a session or timer still ran after the failure");
        // Unless the radio hung up and took the line along, the port is free at once.
        if (!f.cut()) {
            RadioPort port;
            QVERIFY(port.OpenFor(radio.Port(), PortNames(), false));
        }
        const Codeplug after = p.window->Document().Capture();
        QVERIFY(after.channels == before.channels);
        QVERIFY(after.fun == before.fun);
        QCOMPARE(after.message.Line1, before.message.Line1);
        QCOMPARE(after.modelCode, before.modelCode);
        QCOMPARE(after.bandText, before.bandText);
    }

    void aReadFillsTheGridAndSetsChanged() {
        TempHome files;
        files.write("radio.dat", codeplugFile(AppContext(files.path())));
        Simulator sim({"--image", files.file("radio.dat")});
        Program p(sim);
        p.window->Document().SetFileName("/tmp/old.dat");
        p.run(20, [&p] { return p.asked(p.ctx->texts().ReadOk); });
        QVERIFY(p.asked(p.ctx->texts().ReadOk));
        const ChannelStore& s = p.window->Store();
        QCOMPARE(s.CellText(3, Col::ColRx), QString("462.56250"));
        QCOMPARE(s.CellText(3, Col::ColDecode), QString("67.0"));
        QVERIFY(p.ctx->all().Changed);
        QCOMPARE(p.ctx->message().Line1, QString("QX7 TEST"));
        QCOMPARE(p.window->Document().FileName(), QString());
        QCOMPARE(p.window->windowTitle(), QString("QX7"));
    }

    void aCablePluggedInAgainIsReadByTheRestart() {
        TempHome files;
        files.write("radio.dat", codeplugFile(AppContext(files.path())));
        const QString link = files.file("radio");
        Simulator sim({"--image", files.file("radio.dat"), "--hangup-after", "3", "--replug",
                       "--link", link});
        Program p(sim);
        p.run(20, [&p] { return p.asked(p.ctx->texts().ReadOk); });
        QVERIFY(p.asked(p.ctx->texts().ReadOk));
        QVERIFY(!p.asked(p.ctx->texts().ComError));
        QVERIFY(!p.asked(p.ctx->texts().LPortError));
        QCOMPARE(p.window->Store().CellText(3, Col::ColRx), QString("462.56250"));
    }

    void aWriteMatchesTheSavedFileRecordForRecord() {
        TempHome files;
        Simulator sim({"--dump", files.file("dump.bin")});
        Program p(sim);
        ChannelEditing::CommitCellText(*p.ctx, p.window->Store(), p.prompter, 1, Col::ColRx, "455");
        ChannelEditing::CommitCellText(*p.ctx, p.window->Store(), p.prompter, 16, Col::ColRx,
                                       "469.99375");
        p.ctx->message().Line2 = "HELLO";
        p.window->Document().SetFileName(files.file("saved.dat"));
        QVERIFY(p.window->Document().SaveDataFile());
        p.run(21, [&p] { return p.asked(p.ctx->texts().WriteOk); });
        QVERIFY(p.asked(p.ctx->texts().WriteOk));
        QVERIFY(!p.ctx->all().Changed); // a write leaves it alone
        QCOMPARE(ReadFileBytes(files.file("dump.bin")),
                 *SimulatedRadio::ImageFromDataFile(ReadFileBytes(files.file("saved.dat")),
                                                    p.ctx->models()));
    }

    void theOtherModelIsWrittenOnlyAfterYes() {
        TempHome files;
        Simulator sim({"--model", "7524", "--dump", files.file("dump.bin")});
        Program p(sim);
        p.prompter.Enqueue(Prompt::kNo);
        p.run(21, [&p] { return p.asked(p.ctx->texts().Modforce); });
        QTest::qWait(100);
        QVERIFY(!QFile::exists(files.file("dump.bin"))); // nothing was written
        p.prompter.ClearLog();
        p.prompter.Enqueue(Prompt::kYes);
        p.run(21, [&p] { return p.asked(p.ctx->texts().WriteOk); });
        QVERIFY(p.asked(p.ctx->texts().WriteOk));
        QCOMPARE(ReadFileBytes(files.file("dump.bin")).mid(0x3D3, 4), QByteArray("4258"));
    }

    void aSilentRadioLeavesTheCodeplugAlone() {
        Simulator sim({"--silent-after", "10"});
        Program p(sim);
        ChannelEditing::CommitCellText(*p.ctx, p.window->Store(), p.prompter, 2, Col::ColRx, "460");
        p.ctx->all().Changed = false;
        p.prompter.ClearLog();
        p.prompter.Enqueue(Prompt::kRetry);
        p.prompter.Enqueue(Prompt::kCancel);
        int questions = 0;
        p.run(20, [&] {
            questions = 0;
            for (const auto& a : p.prompter.Log())
                questions += a.kind == Prompt::kRetryCancel ? 1 : 0;
            return questions == 2;
        });
        QCOMPARE(questions, 2);
        QVERIFY(!p.asked(p.ctx->texts().ReadOk));
        QCOMPARE(p.window->Store().CellText(2, Col::ColRx), QString("460.00000"));
        QVERIFY(!p.ctx->all().Changed);
        QCOMPARE(p.ctx->all().ModelCode, QString("8524"));
    }

    void aPortThatDoesNotExist() {
        Simulator sim({});
        Program p(sim);
        p.ctx->all().PortName = "COM250";
        p.run(
            20, [&p] { return p.asked(p.ctx->texts().LPortError); }, false);
        QVERIFY(p.asked(p.ctx->texts().LPortError));
        // The write dialog closes itself 300 ms after the failed opening.
        p.prompter.ClearLog();
        QElapsedTimer clock;
        clock.start();
        p.window->RunCommand(21);
        QVERIFY(p.asked(p.ctx->texts().LPortError));
        QVERIFY(clock.elapsed() >= 300);
        QVERIFY(clock.elapsed() < 5000);
    }

    void portDialogStoresTheComName() {
        Simulator sim({});
        Program p(sim);
        TfSetPort dialog(*p.ctx);
        QComboBox* box = dialog.PortBox();
        const int mapped = box->findData("COM9");
        QVERIFY(mapped >= 0);
        QVERIFY(box->itemText(mapped).contains(sim.Port()));
        QCOMPARE(box->currentData().toString(), QString("COM9"));
        dialog.findChild<QPushButton*>("btnOk")->click();
        QCOMPARE(p.ctx->all().PortName, QString("COM9"));
        // Cancel changes nothing; the status bar is refreshed all the same.
        p.ctx->all().PortName = "COM3";
        WhenModal([](QWidget* modal) { modal->findChild<QPushButton*>("btnCancel")->click(); });
        p.window->RunCommand(24);
        QCOMPARE(p.ctx->all().PortName, QString("COM3"));
        QCOMPARE(p.window->StatusText(3), QString("Port: COM3"));
    }
};

QTEST_MAIN(RadioDialogsTest)
#include "tst_radiodialogs.moc"
