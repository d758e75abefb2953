#include "ChannelTableModel.h"
#include "HelpWindow.h"
#include "Tags.h"
#include "TfChInfo.h"
#include "TfMainFrm.h"
#include "UiFixture.h"
#include "app/IniFile.h"
#include "channels/ChannelEditing.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

using Col = ChannelStore::Column;

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void firstShowingSetsEverythingUp() {
        RunningProgram p;
        TfMainFrm& w = *p.window;
        QVERIFY(w.Shown());
        QCOMPARE(w.windowTitle(), QString("QX7"));
        QVERIFY(!p.ctx->all().Changed);
        QCOMPARE(p.ctx->all().ModelCode, QString("8524"));
        QCOMPARE(w.findChild<QLabel*>("stModel")->text(), QString("QX7(UHF)"));
        QCOMPARE(w.findChild<QLabel*>("stFreq")->text(), QString("450 - 470MHz"));
        QCOMPARE(w.StatusText(3), "Port: " + p.ctx->all().PortName);
        QCOMPARE(w.StatusText(1), QDate::currentDate().toString("yyyy/MM/dd"));
        QVERIFY(p.ctx->all().PortName == p.ctx->all().PortName.toUpper());
        QCOMPARE(w.Store().RowCount(), 16);
        QVERIFY(w.ChannelTable()->isVisible());
    }

    void menuItemsCarryTheirTags_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("tag");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QString>("shortcut");
        const struct {
            const char* item;
            int tag;
            bool visible;
            const char* shortcut;
        } rows[] = {
            {"N1", 1, true, "Ctrl+N"},     {"O1", 2, true, "Ctrl+O"},
            {"S2", 3, true, "Ctrl+S"},     {"A1", 4, true, "Ctrl+A"},
            {"P2", 7, true, "Ctrl+P"},     {"V2", 8, true, "Ctrl+V"},
            {"nExit", 0, true, "Ctrl+X"},  {"E1", 10, true, "F11"},
            {"E2", 36, true, "F10"},       {"E12", 37, true, ""},
            {"D5", 0, false, ""},          {"E10", 18, false, ""},
            {"E11", 19, false, ""},        {"R1", 20, true, "Ctrl+R"},
            {"W2", 21, true, "Ctrl+W"},    {"T1", 22, false, ""},
            {"N4", 9, true, ""},           {"C2", 24, true, ""},
            {"nLanguage", 25, true, ""},   {"T4", 0, false, ""},
            {"N8", 0, false, ""},          {"nCool", 27, true, ""},
            {"nBar", 28, true, ""},        {"nC", 29, false, ""},
            {"nCloseAll", 33, false, ""},  {"nHelpTopics", 34, true, ""},
            {"nAbout", 35, true, ""},      {"tbNew", 1, true, ""},
            {"tbOpen", 2, true, ""},       {"tbSave", 3, true, ""},
            {"ToolButton3", 10, true, ""}, {"tbPrint", 7, true, ""},
            {"tbRead", 20, true, ""},      {"tbWrite", 21, true, ""},
            {"tbHelp", 34, true, ""},      {"ImportCsv", 40, true, ""},
            {"ExportCsv", 41, true, ""},
        };
        for (const auto& r : rows)
            QTest::newRow(r.item) << r.item << r.tag << r.visible << r.shortcut;
    }
    void menuItemsCarryTheirTags() {
        QFETCH(QString, item);
        QFETCH(int, tag);
        QFETCH(bool, visible);
        QFETCH(QString, shortcut);
        RunningProgram p;
        QAction* action = p.window->Item(item);
        QVERIFY(action);
        QCOMPARE(Tags::Of(action), tag);
        QCOMPARE(action->isVisible(), visible);
        QCOMPARE(action->shortcut().toString(), shortcut);
        QVERIFY(!p.window->findChild<QMenu*>("nWindow")->menuAction()->isVisible());
    }

    // Every shortcut of the menus works wherever the focus is in the main window.
    void shortcutsWorkFromTheGrid_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("inEditor");
        QTest::addColumn<bool>("opensDialog");
        const struct {
            const char* item;
            bool dialog;
        } rows[] = {{"N1", false}, {"O1", false}, {"S2", false},    {"A1", false},
                    {"P2", true},  {"V2", true},  {"nExit", false}, {"E1", true},
                    {"E2", true},  {"R1", true},  {"W2", true}};
        for (const auto& r : rows)
            for (bool inEditor : {false, true})
                QTest::newRow(qPrintable(QString(r.item) + (inEditor ? " in an editor" : "")))
                    << r.item << inEditor << r.dialog;
    }
    void shortcutsWorkFromTheGrid() {
        QFETCH(QString, item);
        QFETCH(bool, inEditor);
        QFETCH(bool, opensDialog);
        RunningProgram p;
        p.addChannel(2, "460");
        p.ctx->all().Changed = false;
        TfChInfo* table = p.window->ChannelTable();
        QWidget* focus = table->Grid();
        if (inEditor) {
            table->SelectCell(2, ChannelStore::ColPower);
            focus = p.window->findChild<QComboBox*>("cbfsgl");
        }
        focus->setFocus();
        QCOMPARE(QApplication::focusWidget(), focus);
        QAction* action = p.window->Item(item);
        QSignalSpy triggered(action, &QAction::triggered);
        std::shared_ptr<QString> seen;
        if (opensDialog)
            seen = WhenModal([](QWidget* modal) { modal->close(); });
        p.prompter.SetFallback(Prompt::kNo, Prompt::kCancel); // Exit: No, the program stays
        QTest::keySequence(focus, action->shortcut());
        QTRY_COMPARE(triggered.count(), 1);
        if (seen)
            QTRY_VERIFY(!seen->isEmpty());
        QVERIFY(p.window->isVisible());
    }

    void eachFileCommandReachesItsOperation() {
        RunningProgram p;
        p.addChannel(1, "460");
        p.prompter.ClearLog();
        p.prompter.Enqueue(Prompt::kNo);
        p.window->Item("tbNew")->trigger();
        QCOMPARE(p.prompter.Log().size(), 1); // SaveProgram
        QVERIFY(!p.window->Store().IsPresent(1));
        QVERIFY(!p.ctx->all().Changed);

        p.window->Item("O1")->trigger();
        QCOMPARE(p.dialogs.openAsked, 1);
        p.window->Item("tbOpen")->trigger();
        QCOMPARE(p.dialogs.openAsked, 2);

        p.dialogs.saves.enqueue(p.home.file("a.dat"));
        p.window->Item("S2")->trigger();
        QCOMPARE(p.window->windowTitle(), "QX7 [" + p.home.file("a.dat") + "]");
        p.window->Item("tbSave")->trigger(); // known name: no dialog
        QCOMPARE(p.dialogs.saveAsked, 1);
        p.window->Item("A1")->trigger(); // Save As, cancelled
        QCOMPARE(p.dialogs.saveAsked, 2);
        QCOMPARE(p.window->windowTitle(), QString("QX7"));

        // The CSV entries follow Save As, and reach the grid through the file.
        const QList<QAction*> file = p.window->findChild<QMenu*>("nFile")->actions();
        const int saveAs = file.indexOf(p.window->Item("A1"));
        QCOMPARE(file.value(saveAs + 1), p.window->Item("ImportCsv"));
        QCOMPARE(file.value(saveAs + 2), p.window->Item("ExportCsv"));
        p.addChannel(1, "460");
        p.dialogs.saves.enqueue(p.home.file("plan.csv"));
        p.window->Item("ExportCsv")->trigger();
        QVERIFY(ReadFileBytes(p.home.file("plan.csv")).contains("\r\n1,,460.000000,"));
        p.window->Item("tbNew")->trigger();
        QVERIFY(!p.window->Store().IsPresent(1));
        p.dialogs.opens.enqueue(p.home.file("plan.csv"));
        p.window->Item("ImportCsv")->trigger();
        QVERIFY(p.window->Store().IsPresent(1));
        QCOMPARE(p.window->Store().CellText(1, ChannelStore::ColRx), QString("460.00000"));
    }

    void modalCommandsOpenTheirDialogs_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("Model Information") << "N4"
                                           << "fModel";
        QTest::newRow("Language File Setup") << "nLanguage"
                                             << "fSetLanguage";
        QTest::newRow("About") << "nAbout"
                               << "fFrmAbout";
        QTest::newRow("Channel Edit") << "E1"
                                      << "fBInfoEdit";
        QTest::newRow("Channel Edit button") << "ToolButton3"
                                             << "fBInfoEdit";
        QTest::newRow("Batch Channel Edit") << "E2"
                                            << "fBBatchEdit";
        QTest::newRow("Test Frequency (hidden item)") << "E10"
                                                      << "fTestFrequency";
        QTest::newRow("Embedded Message (hidden item)") << "E11"
                                                        << "fEmbeddedMessage";
        QTest::newRow("Communication Port") << "C2"
                                            << "fSetPort";
        QTest::newRow("Read From Radio") << "tbRead"
                                         << "fReadRadio";
    }
    void modalCommandsOpenTheirDialogs() {
        QFETCH(QString, item);
        QFETCH(QString, dialog);
        RunningProgram p;
        auto seen = WhenModal([](QWidget* modal) { modal->close(); });
        p.window->Item(item)->trigger();
        QCOMPARE(*seen, dialog);
        QCOMPARE(p.ctx->all().ModelCode, QString("8524")); // closing is Cancel
    }

    void helpOpensOneManualWindow() {
        RunningProgram p;
        p.window->Item("tbHelp")->trigger();
        p.window->Item("nHelpTopics")->trigger();
        int windows = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowTitle() == "HQ_Help") {
                ++windows;
                QVERIFY(qobject_cast<HelpWindow*>(w)->Text().contains("dialout"));
            }
        QCOMPARE(windows, 1);
    }

    void exitPrompts_data() {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<int>("prompts");
        QTest::addColumn<int>("saveDialogs");
        QTest::newRow("unchanged, No stays") << false << QList<int>{Prompt::kNo} << false << 1 << 0;
        QTest::newRow("unchanged, Yes ends") << false << QList<int>{Prompt::kYes} << true << 1 << 0;
        QTest::newRow("changed, Yes then No")
            << true << QList<int>{Prompt::kYes, Prompt::kNo} << true << 2 << 0;
        QTest::newRow("changed, Yes then Yes, dialog cancelled")
            << true << QList<int>{Prompt::kYes, Prompt::kYes} << true << 2 << 1;
    }
    void exitPrompts() {
        QFETCH(bool, changed);
        QFETCH(QList<int>, answers);
        QFETCH(bool, closed);
        QFETCH(int, prompts);
        QFETCH(int, saveDialogs);
        RunningProgram p;
        if (changed)
            p.addChannel(2, "455");
        p.prompter.ClearLog();
        for (int a : answers)
            p.prompter.Enqueue(a);
        p.window->Item("nExit")->trigger();
        QCOMPARE(p.window->isVisible(), !closed);
        QCOMPARE(p.prompter.Log().size(), prompts);
        QCOMPARE(p.prompter.Log()[0].text, p.ctx->texts().ExitProgram);
        QCOMPARE(p.dialogs.saveAsked, saveDialogs);
        // The settings are written at an orderly exit, and only then.
        const IniFile ini(p.home.file("SysInfo.Ini"));
        QCOMPARE(ini.value("SysInfo", "Com", "none") != "none", closed);
    }

    void toolBarAndStatusBarToggle() {
        RunningProgram p;
        p.window->Item("nCool")->trigger();
        QVERIFY(p.window->findChild<QWidget*>("pBar")->isHidden());
        QVERIFY(p.window->findChild<QWidget*>("Panel5")->isVisible());
        p.window->Item("nBar")->trigger();
        QVERIFY(p.window->statusBar()->isHidden());
        p.window->Item("nCool")->trigger();
        QVERIFY(!p.window->findChild<QWidget*>("pBar")->isHidden());
    }

    void modelInformationApplies() {
        RunningProgram p;
        p.addChannel(1, "460");
        p.ctx->all().Changed = false;
        p.ctx->fun().Scan = 1;
        auto seen = WhenModal([](QWidget* modal) {
            modal->findChild<QComboBox*>("cbCopmut")->setCurrentIndex(1);
            modal->findChild<QPushButton*>("btnOk")->click();
        });
        p.window->RunCommand(9);
        QCOMPARE(*seen, QString("fModel"));
        QCOMPARE(p.ctx->all().ModelCode, QString("7524"));
        QCOMPARE(p.ctx->all().BandText, QString("150 - 174MHz"));
        QVERIFY(!p.window->Store().IsPresent(1));
        QCOMPARE(p.ctx->fun().Scan, 0);
        QVERIFY(!p.ctx->all().Changed);
        QVERIFY(p.prompter.Log().isEmpty());
        QCOMPARE(p.window->findChild<QLabel*>("stModel")->text(), QString("QX7(VHF)"));
    }

    void modelInformationWithChangesAsksFirst() {
        RunningProgram p;
        p.addChannel(1, "460");
        p.prompter.ClearLog();
        // ClearData No: nothing changes.
        p.prompter.Enqueue(Prompt::kNo);
        WhenModal([](QWidget* modal) {
            modal->findChild<QComboBox*>("cbCopmut")->setCurrentIndex(1);
            modal->findChild<QPushButton*>("btnOk")->click();
        });
        p.window->RunCommand(9);
        QCOMPARE(p.ctx->all().ModelCode, QString("8524"));
        QVERIFY(p.window->Store().IsPresent(1));
        QCOMPARE(p.prompter.Log().size(), 1);
        QCOMPARE(p.prompter.Log()[0].text, p.ctx->texts().ClearData);

        // ClearData Yes, SaveProgram Yes: the old codeplug is saved whole, with its old model.
        p.prompter.Enqueue(Prompt::kYes);
        p.prompter.Enqueue(Prompt::kYes);
        p.dialogs.saves.enqueue(p.home.file("old.dat"));
        WhenModal([](QWidget* modal) {
            modal->findChild<QComboBox*>("cbCopmut")->setCurrentIndex(1);
            modal->findChild<QPushButton*>("btnOk")->click();
        });
        p.window->RunCommand(9);
        QCOMPARE(p.prompter.Log().size(), 3); // ClearData, SaveProgram: asked once
        const QByteArray saved = ReadFileBytes(p.home.file("old.dat"));
        QCOMPARE(saved.mid(1, 4), QByteArray("8524"));
        QCOMPARE(saved.mid(16, 4), QByteArray::fromHex("00000046"));
        QCOMPARE(p.ctx->all().ModelCode, QString("7524"));
        QVERIFY(!p.window->Store().IsPresent(1));
        QVERIFY(!p.ctx->all().Changed);
        QCOMPARE(p.window->Document().FileName(), QString());
    }

    void languageSwitchAtRunTime() {
        RunningProgram p(true, "[SysInfo]\nLanguage_ID=1\nLanguage=Chinese|English\n"
                               "English=Chinese|English\nChinese=中文|英文\n");
        QCOMPARE(p.ctx->all().LanguageName, QString("English"));
        QCOMPARE(p.ctx->texts().Confirmation, QString("Confirmation"));
        p.addChannel(3, "460");
        const QStringList values = {p.window->Store().CellValue(3, Col::ColPower),
                                    p.window->Store().CellValue(3, Col::ColScanAdd)};
        WhenModal([](QWidget* modal) {
            modal->findChild<QComboBox*>("cbLanguage")->setCurrentIndex(0);
            modal->findChild<QPushButton*>("btnOk")->click();
        });
        p.window->RunCommand(25);
        QCOMPARE(p.ctx->all().LanguageIndex, 0);
        QCOMPARE(p.ctx->all().LanguageName, QString("Chinese"));
        QCOMPARE(p.ctx->texts().Confirmation, QStringLiteral("提示"));
        QCOMPARE(p.window->Item("N1")->text(), QStringLiteral("新建(&N)"));
        QCOMPARE(p.window->StatusText(3), QStringLiteral("端口：") + p.ctx->all().PortName);
        const ChannelStore& s = p.window->Store();
        QCOMPARE(s.CellText(3, Col::ColDecode), QStringLiteral("无"));
        QCOMPARE(s.CellText(3, Col::ColPower), QStringLiteral("高"));
        QCOMPARE(s.CellText(3, Col::ColScanAdd), QStringLiteral("否"));
        QCOMPARE((QStringList{s.CellValue(3, Col::ColPower), s.CellValue(3, Col::ColScanAdd)}),
                 values);
        QVERIFY(!s.ReadRow(3)->decodeTone.size()); // still no tone
        QCOMPARE(p.window->ChannelTable()
                     ->Model()
                     ->headerData(1, Qt::Horizontal, Qt::DisplayRole)
                     .toString(),
                 QStringLiteral("接收频率"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
