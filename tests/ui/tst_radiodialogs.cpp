// The read, write and port dialogs against qx7-sim on a pseudo-terminal,
// reached through a COM name mapped in the test's SysInfo.Ini.

#include "CodeplugBuilder.h"
#include "FaultCases.h"
#include "SessionDialog.h"
#include "SimulatedRadio.h"
#include "TfChInfo.h"
#include "TfCompare.h"
#include "TfMainFrm.h"
#include "TfSetPort.h"
#include "TfWriteRadio.h"
#include "UiFixture.h"
#include "app/CodeplugDiff.h"
#include "channels/ChannelEditing.h"
#include "image/DataFile.h"
#include "image/MemoryMap.h"
#include "port/PortNames.h"
#include "port/RadioPort.h"
#include "port/SessionDriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
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
        /** safe: the write dialog backs up and verifies, as it does by default. */
        explicit Program(const Simulator& sim, bool safe = false) {
            const QString device = sim.Port();
            const QByteArray choices = safe ? "" : "Backup=0\nVerify=0\n";
            home.write("SysInfo.Ini", "[SysInfo]\nCom=COM9\n" + choices +
                                          "[Ports]\nCOM9=" + device.toLocal8Bit() + "\n");
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
        bool asked(const QString& text) const { return !question(text).isEmpty(); }
        /** The first prompt whose text starts with start; empty when none did. */
        QString question(const QString& start) const {
            for (const auto& a : prompter.Log())
                if (a.text.startsWith(start))
                    return a.text;
            return {};
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
    void initTestCase() {
        // The backups of the safe writes go to this run's own folder.
        QVERIFY(m_data.isValid());
        qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
    }

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

    // By default a write backs the radio up, writes, reads it back and says so;
    // the backup is the radio's earlier codeplug and the log holds the three sessions.
    void aSafeWriteKeepsTheRadiosCodeplugAndVerifies() {
        TempHome files;
        files.write("radio.dat", codeplugFile(AppContext(files.path())));
        Simulator sim({"--image", files.file("radio.dat"), "--dump", files.file("dump.bin")});
        Program p(sim, true);
        ChannelEditing::CommitCellText(*p.ctx, p.window->Store(), p.prompter, 5, Col::ColRx,
                                       "451.125");
        p.window->Document().SetFileName(files.file("saved.dat"));
        QVERIFY(p.window->Document().SaveDataFile());
        const QString verified = "The radio was written and verified.";
        QString backup;
        p.dialogs.saves.enqueue(files.file("session.log"));
        p.run(21, [&] {
            if (!p.asked(verified))
                return false;
            auto* write = qobject_cast<TfWriteRadio*>(QApplication::activeModalWidget());
            backup = write->BackupFile();
            write->findChild<QPushButton*>("btnSaveLog")->click();
            return true;
        });
        QVERIFY2(p.asked(verified), qPrintable(p.prompter.Log().value(0).text));
        QVERIFY(!p.asked(p.ctx->texts().WriteOk)); // the end is told once
        QVERIFY(backup.startsWith(m_data.filePath("qx7/backups/8524_")));
        // The radio's codeplug as it was, in a data file of its own time.
        const auto kept = DataFile::Read(backup, p.ctx->models(), p.ctx->bands());
        QVERIFY(kept);
        const auto earlier =
            DataFile::Read(files.file("radio.dat"), p.ctx->models(), p.ctx->bands());
        QVERIFY(CodeplugDiff::Compare(earlier->codeplug, kept->codeplug, FieldNames::English())
                    .empty());
        QCOMPARE(kept->codeplug.channels[2]->rx, 462.5625); // channel 3
        QCOMPARE(ReadFileBytes(files.file("dump.bin")),
                 *SimulatedRadio::ImageFromDataFile(ReadFileBytes(files.file("saved.dat")),
                                                    p.ctx->models()));
        const QString text = QString::fromUtf8(ReadFileBytes(files.file("session.log")));
        const qsizetype first = text.indexOf(": the backup ==");
        const qsizetype second = text.indexOf("== write session");
        const qsizetype third = text.indexOf(": the verify ==");
        QVERIFY2(first >= 0 && first < second && second < third, qPrintable(text.left(300)));
    }

    // A radio that stores a block wrongly fails the verify, naming the channel and
    // the field; Yes writes again, No leaves it.
    void aRadioThatStoresWronglyIsNamedAndOffersToWriteAgain() {
        const int address =
            MemoryMap::ForModel(*AppContext(m_data.path()).models().FindByCode("8524"))
                .Find(RecordKind::Channel, 3)
                .radioAddress;
        Simulator sim({"--store-wrongly", QString::number(address)});
        Program p(sim, true);
        ChannelEditing::CommitCellText(*p.ctx, p.window->Store(), p.prompter, 3, Col::ColRx,
                                       "438.5");
        const QString mismatch = "After the write the radio holds something else";
        p.prompter.Enqueue(Prompt::kYes); // write again
        p.prompter.Enqueue(Prompt::kNo);
        int asked = 0;
        p.run(21, [&] {
            asked = 0;
            for (const auto& a : p.prompter.Log())
                asked += a.text.startsWith(mismatch) ? 1 : 0;
            return asked == 2;
        });
        QCOMPARE(asked, 2);
        const QString question = p.question(mismatch);
        QVERIFY2(question.contains(p.ctx->texts().Channel + " 3 RX Frequency: 438.50000 -> 438.5"),
                 qPrintable(question));
        QVERIFY(question.endsWith("Write it again?"));
        QVERIFY(!p.asked("The radio was written and verified."));
    }

    // The two choices are remembered in SysInfo.Ini; with both off the write is
    // the plain write, which tells its own end.
    void theChoicesAreRemembered() {
        Simulator sim({});
        Program p(sim, true);
        p.run(
            21,
            [] {
                auto* modal = QApplication::activeModalWidget();
                modal->findChild<QCheckBox*>("cbBackup")->click();
                modal->findChild<QCheckBox*>("cbVerify")->click();
                return true;
            },
            false);
        QVERIFY(!p.ctx->all().WriteBackup);
        QVERIFY(!p.ctx->all().WriteVerify);
        const QString ini = QString::fromUtf8(ReadFileBytes(p.home.file("SysInfo.Ini")));
        QVERIFY2(ini.contains("Backup=0") && ini.contains("Verify=0"), qPrintable(ini));
        p.run(21, [&p] { return p.asked(p.ctx->texts().WriteOk); });
        QVERIFY(p.asked(p.ctx->texts().WriteOk));
    }

    // Compare lists the fields in which the window differs from a file and from
    // the radio; choosing a channel's difference makes its cell current.
    void compareWithAFileAndWithTheRadio() {
        TempHome files;
        files.write("radio.dat", codeplugFile(AppContext(files.path())));
        Simulator sim({"--image", files.file("radio.dat")});
        Program p(sim);
        QVERIFY(p.window->Document().OpenDataFile(files.file("radio.dat")));
        ChannelEditing::CommitCellText(*p.ctx, p.window->Store(), p.prompter, 3, Col::ColRx,
                                       "462.6");
        const QString line = p.ctx->texts().Channel + " 3 RX Frequency: 462.60000 -> 462.56250";
        QStringList fromFile, fromRadio;
        QString result;
        p.dialogs.opens.enqueue(files.file("radio.dat"));
        WhenModal([&](QWidget* modal) {
            auto* compare = qobject_cast<TfCompare*>(modal);
            compare->findChild<QPushButton*>("btnFile")->click();
            for (int i = 0; i < compare->Differences()->count(); ++i)
                fromFile << compare->Differences()->item(i)->text();
            result = compare->ResultText();
            compare->Differences()->setCurrentRow(0);
            // The radio: its read dialog over this one, closed once the read is done.
            WhenModal([&p](QWidget* read) {
                read->findChild<QPushButton*>("btnOk")->click();
                auto* poll = new QTimer(read);
                QObject::connect(poll, &QTimer::timeout, read, [&p, read] {
                    if (p.asked(p.ctx->texts().ReadOk))
                        read->close();
                });
                poll->start(20);
            });
            compare->findChild<QPushButton*>("btnRadio")->click();
            for (int i = 0; i < compare->Differences()->count(); ++i)
                fromRadio << compare->Differences()->item(i)->text();
            compare->close();
        });
        p.window->RunCommand(42);
        QCOMPARE(fromFile, QStringList{line});
        QCOMPARE(result, QString("Differences from radio.dat: 1 (this window -> radio.dat)"));
        QCOMPARE(fromRadio, QStringList{line});
        const QModelIndex current = p.window->ChannelTable()->Grid()->currentIndex();
        QCOMPARE(current.row() + 1, 3);
        QCOMPARE(current.column() + 1, int(Col::ColRx));
        // The window's codeplug was not touched.
        QCOMPARE(p.window->Store().CellText(3, Col::ColRx), QString("462.60000"));
    }

  private:
    QTemporaryDir m_data;
};

QTEST_MAIN(RadioDialogsTest)
#include "tst_radiodialogs.moc"
