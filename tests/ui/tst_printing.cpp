#include "PrintReport.h"
#include "TfBFunSet.h"
#include "UiFixture.h"
#include "app/PrintTables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTextDocument>

class PrintingTest : public QObject {
    Q_OBJECT

    static int pdfPages(const QByteArray& pdf) {
        return static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") +
                                pdf.count("/Type /Page "));
    }

  private slots:
    void functionSettingShowsTheDefaults_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("shown");
        const char* rows[][2] = {
            {"cbSQvelch", "5"}, {"cbMonikey", "Monmome"}, {"cbTxTimeout", "180"},
            {"cxScan", "Off"},  {"cxWaveof", "On"},       {"cbVoice", "Chinese"},
            {"cxAlt", "Off"},   {"cxFM", "Turn on"},      {"seVoxLevel", "5"},
        };
        for (const auto& r : rows)
            QTest::newRow(r[0]) << r[0] << r[1];
    }
    void functionSettingShowsTheDefaults() {
        QFETCH(QString, control);
        QFETCH(QString, shown);
        TempHome home;
        AppContext ctx(home.path());
        TfBFunSet dialog(ctx);
        QCOMPARE(dialog.Shown(control.toLatin1().constData()), shown);
        QVERIFY(!dialog.Check("chVoxFun")->isChecked());
        QVERIFY(!dialog.findChild<QWidget*>("Panel1")->isEnabled());
        QVERIFY(!dialog.Check("chVoxInhibit")->isChecked());
        for (const char* box : {"cbBattSave", "cbBeepTone", "cbVolhigh", "cbVolLow"})
            QVERIFY(dialog.Check(box)->isChecked());
    }

    void functionSettingStoresOnOkOnly() {
        TempHome home;
        AppContext ctx(home.path());
        ctx.fun().VoxGainLevel = 0;
        ctx.fun().VoxInhibitOnReceive = 1;
        {
            TfBFunSet dialog(ctx);
            QCOMPARE(dialog.Shown("seVoxLevel"), QString("1")); // stored 0 shows as 1
            dialog.findChild<QSpinBox*>("seVoxLevel")->setValue(3);
            dialog.findChild<QComboBox*>("cxScan")->setCurrentIndex(1);
            dialog.findChild<QPushButton*>("btnCancel")->click();
        }
        QCOMPARE(ctx.fun().VoxGainLevel, 0);
        QCOMPARE(ctx.fun().Scan, 0);
        QVERIFY(!ctx.all().Changed);
        {
            TfBFunSet dialog(ctx);
            dialog.Check("chVoxFun")->click();
            QVERIFY(dialog.findChild<QWidget*>("Panel1")->isEnabled());
            dialog.findChild<QSpinBox*>("seVoxLevel")->setValue(3);
            dialog.Check("chVoxFun")->click(); // greyed out again, values kept
            QVERIFY(!dialog.findChild<QWidget*>("Panel1")->isEnabled());
            QCOMPARE(dialog.Shown("seVoxLevel"), QString("3"));
            dialog.findChild<QPushButton*>("btnOk")->click();
        }
        QCOMPARE(ctx.fun().VoxGainLevel, 2);
        QCOMPARE(ctx.fun().VoxInhibitOnReceive, 1);
        QCOMPARE(ctx.fun().VoxFunction, 0);
        QVERIFY(ctx.all().Changed);

        ctx.all().Changed = false;
        const TFun before = ctx.fun();
        TfBFunSet dialog(ctx);
        dialog.findChild<QPushButton*>("btnOk")->click(); // no change: still marked changed
        QVERIFY(ctx.all().Changed);
        QCOMPARE(ctx.fun(), before);
    }

    void valuesBeyondTheListsSurvive() {
        TempHome home;
        AppContext ctx(home.path());
        ctx.fun().SideKey = 4;    // admitted by the range check, missing from the list
        ctx.fun().TxTimeOut = 77; // from a data file, unchecked
        ctx.fun().BatterySave = 2;
        ctx.fun().VoxGainLevel = 9;
        {
            TfBFunSet dialog(ctx);
            QCOMPARE(dialog.Shown("cbMonikey"), QString("4"));
            QCOMPARE(dialog.Shown("cbTxTimeout"), QString("77"));
            dialog.findChild<QPushButton*>("btnOk")->click();
        }
        QCOMPARE(ctx.fun().SideKey, 4);
        QCOMPARE(ctx.fun().TxTimeOut, 77);
        QCOMPARE(ctx.fun().BatterySave, 2);
        QCOMPARE(ctx.fun().VoxGainLevel, 9);
        TfBFunSet dialog(ctx);
        dialog.findChild<QComboBox*>("cbMonikey")->setCurrentIndex(2);
        dialog.Check("cbBattSave")->click();
        dialog.findChild<QPushButton*>("btnOk")->click();
        QCOMPARE(ctx.fun().SideKey, 2);
        QCOMPARE(ctx.fun().BatterySave, 1);
    }

    void printTablesFollowTheChannelTable() {
        RunningProgram p;
        p.addChannel(9, "455");
        p.addChannel(2, "460");
        p.window->PreparePrintData();
        const PrintTables& t = p.ctx->printTables();
        QCOMPARE(t.Header().size(), 1);
        QCOMPARE(t.Header()[0].Title, QString("QX7"));
        QCOMPARE(t.Header()[0].AField, QString("Model Type: "));
        QCOMPARE(t.Header()[0].AValue, QString("QX7(UHF)"));
        QCOMPARE(t.Header()[0].CValue, QString("450 - 470MHz"));
        QVERIFY(!t.Header()[0].DFiled);
        const auto& items = t.Items();
        QCOMPARE(items.size(), 15 + 1 + 2 * 6);
        QCOMPARE(items[0].TypeID, 9);
        QCOMPARE(items[0].TypeName, QString("Function Setting"));
        QCOMPARE(items[0].AField, QString("Battery Save"));
        QCOMPARE(items[0].AValue, QStringLiteral("已启动"));
        QCOMPARE(items[4].AField, QString("Squelch level"));
        QCOMPARE(items[4].AValue, QString("5"));
        QCOMPARE(items[12].AValue, QStringLiteral("已关闭")); // VOX Function
        QCOMPARE(items[13].AValue, QString("5"));
        QCOMPARE(items[15].TypeID, 8);
        QCOMPARE(items[15].TypeName, QStringLiteral("信道信息"));
        QVERIFY(items[15].AField.isEmpty());
        QCOMPARE(items[16].AField, QString("Channel No.2"));
        QCOMPARE(items[17].AField, QString("RX Frequency"));
        QCOMPARE(items[17].AValue, QString("460.00000"));
        QCOMPARE(items[17].BField, QString("TX Frequency"));
        QCOMPARE(items[19].AValue, QString("High"));
        QCOMPARE(items[22].AField, QString("Channel No.9"));
        QCOMPARE(items.last().AField, QString("Busy Lockout"));

        p.window->Store().ClearChannel(9);
        p.window->PreparePrintData(); // replaces the first preparation
        QCOMPARE(p.ctx->printTables().Items().size(), 15 + 1 + 6);
        QCOMPARE(p.ctx->printTables().Header().size(), 1);
    }

    void longTextsAreCutToTheColumnWidth() {
        const QString chinese = QString(60, QChar(0x4FE1)); // 信, two bytes each
        QCOMPARE(PrintTables::Fit(chinese, 100).size(), 50);
        QCOMPARE(PrintTables::Fit("a" + chinese, 20), "a" + QString(9, QChar(0x4FE1)));
        QCOMPARE(PrintTables::Fit("short", 20), QString("short"));
        PrintTables t;
        PrintTables::ItemRow row;
        row.TypeName = chinese;
        row.AField = QString(150, 'x');
        t.AppendItem(row);
        QCOMPARE(t.Items()[0].TypeName.size(), 10);
        QCOMPARE(t.Items()[0].AField.size(), 100);
    }

    void theReportIsAPdfOfTheTables() {
        RunningProgram p;
        p.window->PreparePrintData();
        QVERIFY(PrintReport::WritePdf(p.ctx->printTables(), p.home.file("empty.pdf")));
        for (int row = 1; row <= 16; ++row)
            p.addChannel(row, "460");
        p.window->PreparePrintData();
        QVERIFY(PrintReport::WritePdf(p.ctx->printTables(), p.home.file("full.pdf")));
        const QByteArray empty = ReadFileBytes(p.home.file("empty.pdf"));
        const QByteArray full = ReadFileBytes(p.home.file("full.pdf"));
        QVERIFY(empty.startsWith("%PDF"));
        QVERIFY(pdfPages(empty) >= 1);
        QVERIFY(pdfPages(full) > pdfPages(empty)); // sixteen channels take more pages
        QVERIFY(pdfPages(full) <= 16);
        // The pages written are the pages of the report.
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        auto doc = PrintReport::Build(p.ctx->printTables());
        doc->setPageSize(printer.pageRect(QPrinter::Point).size());
        QVERIFY(doc->toPlainText().contains("Channel No.16"));
        QVERIFY(doc->toPlainText().contains(QStringLiteral("信道信息")));
    }

    // "Save as PDF" offers a name from the data file and says when the file cannot be written.
    void savingAsPdfReportsAFailure() {
        RunningProgram p;
        p.window->Document().SetFileName(p.home.file("plan.dat"));
        const QString refused = p.home.file("no such folder/plan.pdf");
        p.dialogs.saves.enqueue(refused);
        p.dialogs.saves.enqueue(p.home.file("plan"));
        WhenModal([](QWidget* modal) {
            QAction* save = modal->findChild<QAction*>("SavePdf");
            save->trigger(); // refused
            save->trigger(); // written, with the suffix added
            modal->close();
        });
        p.window->Item("V2")->trigger();
        QCOMPARE(p.dialogs.lastKind, FileKind::Pdf);
        QCOMPARE(p.dialogs.lastSuggested, p.home.file("plan.pdf"));
        QCOMPARE(p.prompter.Log().size(), 1);
        QVERIFY(p.prompter.Log()[0].text.startsWith("Cannot write " + refused + ": "));
        QVERIFY(ReadFileBytes(p.home.file("plan.pdf")).startsWith("%PDF"));

        const Result<void> written = PrintReport::WritePdf(p.ctx->printTables(), refused);
        QVERIFY(!written);
        QVERIFY(written.error().contains(refused));
        // Without a data file the name is the program's.
        p.window->Document().SetFileName(QString());
        QCOMPARE(p.window->Document().SuggestedName("pdf"), QString("QX7.pdf"));
    }

    void previewCommandOpensThePreview() {
        RunningProgram p;
        auto seen = WhenModal([](QWidget* modal) { modal->close(); });
        p.window->Item("V2")->trigger();
        QCOMPARE(*seen, QString("PrintPreview"));
        QCOMPARE(p.ctx->printTables().Items().size(), 16);
    }
};

QTEST_MAIN(PrintingTest)
#include "tst_printing.moc"
