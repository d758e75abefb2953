#include "TfFrmAbout.h"
#include "TfModel.h"
#include "TfSetLanguage.h"
#include "TfToneOption.h"
#include "UiFixture.h"
#include "model/Selection.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
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
