#include "ChannelTableModel.h"
#include "TfChInfo.h"
#include "TfFrmAbout.h"
#include "TfModel.h"
#include "TfSetLanguage.h"
#include "TfToneOption.h"
#include "UiFixture.h"
#include "model/Selection.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

class DialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void tonePickerChoosesOnlyValues_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("closes");
        QTest::newRow("CTCSS value") << 0 << 0 << 1 << "67.0" << true;
        QTest::newRow("CTCSS index") << 0 << 0 << 0 << "" << false;
        QTest::newRow("CTCSS letters") << 0 << 0 << 2 << "" << false;
        QTest::newRow("only in the picker") << 0 << 5 << 13 << "254.1" << true;
        QTest::newRow("blank value cell") << 0 << 8 << 13 << "" << true;
        QTest::newRow("DCS-N first") << 1 << 0 << 1 << "D023N" << true;
        QTest::newRow("DCS-I first") << 2 << 0 << 1 << "D023I" << true;
        QTest::newRow("DCS-N 525") << 1 << 8 << 11 << "D525N" << true;
        QTest::newRow("DCS index") << 2 << 0 << 0 << "" << false;
        QTest::newRow("DCS blank code") << 2 << 10 << 15 << "" << true;
    }
    void tonePickerChoosesOnlyValues() {
        QFETCH(int, page);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, result);
        QFETCH(bool, closes);
        TempHome home;
        AppContext ctx(home.path());
        TfToneOption picker(ctx);
        picker.show();
        QVERIFY(!picker.Page(1)->isVisibleTo(&picker));
        const char* radios[] = {"rCTCSS", "rDCSN", "rDCSI"};
        picker.findChild<QRadioButton*>(radios[page])->click();
        QVERIFY(picker.Page(page)->isVisibleTo(&picker));
        QCOMPARE(picker.findChild<QGroupBox*>("gbList")->title(),
                 QString(QStringList{"CTCSS", "DCS-N", "DCS-I"}[page]));
        picker.ChooseCell(picker.Page(page), row, column);
        QCOMPARE(picker.Result(), result);
        QCOMPARE(picker.isVisible(), !closes);
    }

    void tonePickerWithTheKeyboardAlone() {
        TempHome home;
        AppContext ctx(home.path());
        {
            TfToneOption picker(ctx);
            picker.show();
            QVERIFY(QTest::qWaitForWindowExposed(&picker));
            QCOMPARE(QApplication::focusWidget(), picker.Page(0)); // on the first value
            QTest::keyClick(picker.Page(0), Qt::Key_Down);
            QTest::keyClick(picker.Page(0), Qt::Key_Left); // an index: Enter does nothing
            QTest::keyClick(picker.Page(0), Qt::Key_Return);
            QVERIFY(picker.isVisible());
            QTest::keyClick(picker.Page(0), Qt::Key_Right);
            QTest::keyClick(picker.Page(0), Qt::Key_Return);
            QCOMPARE(picker.Result(), QString("69.3"));
            QVERIFY(!picker.isVisible());
        }
        TfToneOption picker(ctx);
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        auto* ctcss = picker.findChild<QRadioButton*>("rCTCSS");
        ctcss->setFocus();
        QTest::keyClick(ctcss, Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QVERIFY(picker.findChild<QRadioButton*>("rDCSI")->isChecked());
        QVERIFY(picker.Page(2)->isVisibleTo(&picker));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), picker.Page(2));
        QTest::keyClick(picker.Page(2), Qt::Key_Return);
        QCOMPARE(picker.Result(), QString("D023I"));
    }

    // Sizes given in pixels are minimums: at a 14-point font every text is shown whole.
    void textsShowWholeAtAnyFont_data() {
        QTest::addColumn<int>("points");
        QTest::newRow("default font") << 0;
        QTest::newRow("14-point font") << 14;
    }
    void textsShowWholeAtAnyFont() {
        QFETCH(int, points);
        const QFont before = QApplication::font();
        QFont font = before;
        if (points > 0)
            font.setPointSize(points);
        QApplication::setFont(font);
        const auto restore = qScopeGuard([&] { QApplication::setFont(before); });
        const auto fits = [](const QFont& f, const QString& text, int width) {
            return QFontMetrics(f).horizontalAdvance(text) <= width - 4;
        };
        TempHome home;
        AppContext ctx(home.path());
        ctx.SelectFirstModel();

        TfToneOption picker(ctx);
        for (int page = 0; page < 3; ++page) {
            QTableWidget* grid = picker.Page(page);
            for (int r = 0; r < grid->rowCount(); ++r) {
                QVERIFY(grid->rowHeight(r) >= QFontMetrics(grid->font()).height());
                for (int c = 0; c < grid->columnCount(); ++c) {
                    const QTableWidgetItem* item = grid->item(r, c);
                    QVERIFY2(fits(item->font().resolve(grid->font()), item->text(),
                                  grid->columnWidth(c)),
                             qPrintable(item->text()));
                }
            }
        }

        ChannelStore store;
        ScriptedPrompter prompter;
        TfChInfo table(ctx, store, prompter);
        table.FormShow();
        ChannelValues c;
        c.rx = 438.5;
        c.tx = 438.5;
        c.decodeTone = "100.0";
        c.encodeTone = "D023N";
        c.bandwidth = Bandwidth::Narrow;
        store.SetChannelRow(16, c);
        QTableView* grid = table.Grid();
        const QFont headerFont = grid->horizontalHeader()->font();
        for (int col = 0; col < ChannelStore::kColumns; ++col) {
            const QString caption =
                table.Model()->headerData(col, Qt::Horizontal, Qt::DisplayRole).toString();
            QVERIFY2(fits(headerFont, caption, grid->columnWidth(col)), qPrintable(caption));
            const QString text = store.CellText(16, col + 1);
            QVERIFY2(fits(grid->font(), text, grid->columnWidth(col)), qPrintable(text));
        }
        QVERIFY(grid->rowHeight(15) >= QFontMetrics(grid->font()).height());
        QVERIFY(grid->horizontalHeader()->height() >= QFontMetrics(headerFont).height());

        TfFrmAbout box(ctx);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(box.Memo()->verticalScrollBar()->value(), 0); // opens on its first line
        QVERIFY(box.Memo()->height() >= 4 * box.Memo()->fontMetrics().lineSpacing());
    }

    void modelDialogShowsModelsAndBands() {
        TempHome home;
        AppContext ctx(home.path());
        ctx.SelectFirstModel();
        {
            TfModel dialog(ctx);
            QCOMPARE(dialog.ModelName(), QString("QX7(UHF)"));
            QCOMPARE(dialog.BandText(), QString("450 - 470MHz"));
            dialog.ModelBox()->setCurrentIndex(1);
            QCOMPARE(dialog.BandBox()->count(), 4);
            QCOMPARE(dialog.BandText(), QString("150 - 174MHz"));
        }
        SelectBand(ctx.all(), " 27 -  72MHz"); // as after an unknown band code
        TfModel dialog(ctx);
        QCOMPARE(dialog.BandText(), QString("350 - 370MHz"));
    }

    void languageDialogChangesOnlyOnAnotherChoice() {
        TempHome home;
        home.write("SysInfo.Ini", "[SysInfo]\nLanguage=Chinese|English|\nChinese=中文|英文\n");
        home.write("Chinese.Ini", "[fSetLanguage]\nLanguage.1=Klingon\n");
        AppContext ctx(home.path());
        {
            TfSetLanguage dialog(ctx);
            QCOMPARE(dialog.LanguageBox()->count(), 2); // a bar at the end adds no entry
            QCOMPARE(dialog.LanguageBox()->currentIndex(), 0);
            dialog.findChild<QPushButton*>("btnOk")->click();
            QVERIFY(!dialog.LanguageChanged());
        }
        TfSetLanguage dialog(ctx);
        dialog.LanguageBox()->setCurrentIndex(1);
        dialog.findChild<QPushButton*>("btnOk")->click();
        QVERIFY(dialog.LanguageChanged());
        QCOMPARE(ctx.all().LanguageIndex, 1);
        QCOMPARE(ctx.all().LanguageName, QString("English"));
    }

    void aboutBoxIsAlwaysTranslated() {
        TempHome home;
        home.write("Chinese.Ini",
                   "[fFrmAbout]\nfFrmAbout.Caption=Ignored\nLabel1.Caption=Line one\n"
                   "Label5.Caption=Seven\nLabel6.Caption=Eight\n"
                   "Label7.Caption=Nine\n");
        AppContext ctx(home.path()); // index 0: the about box is translated all the same
        TfFrmAbout box(ctx);
        QCOMPARE(box.windowTitle(), QString("QX7"));
        QCOMPARE(box.findChild<QLabel*>("Label1")->text(), QString("Line one"));
        QCOMPARE(box.findChild<QLabel*>("Label2")->text(), QString("2"));
        QCOMPARE(box.Memo()->toPlainText().split('\n'),
                 QStringList({"Seven", "Eight", "", "Nine"}));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QTest::mouseClick(box.findChild<QLabel*>("ImApp"), Qt::LeftButton);
        QTest::mouseClick(box.Memo()->viewport(), Qt::LeftButton);
        QVERIFY(box.isVisible()); // the icon and the memo do nothing
        QTest::mouseClick(box.findChild<QLabel*>("Label2"), Qt::LeftButton);
        QVERIFY(!box.isVisible());
    }
};

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
