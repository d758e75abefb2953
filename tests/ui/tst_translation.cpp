#include "FormTranslator.h"
#include "Tags.h"
#include "UiFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStringEncoder>
#include <QTest>

class TranslationTest : public QObject {
    Q_OBJECT

    /** A small window with one component of every kind. */
    struct Form {
        QWidget window;
        QLabel* label1;
        QLabel* label2;
        QPushButton* ok;
        QComboBox* list;
        QComboBox* data;
        QComboBox* tone;
        QCheckBox* check;
        QRadioButton* radio;
        QGroupBox* group;
        QListWidget* lines;
        QListWidget* dataLines;
        QAction* item;
        QAction* tool;

        Form() {
            window.setObjectName("fTest");
            window.setWindowTitle("Built in");
            label1 = make<QLabel>("Label1", "One");
            label2 = make<QLabel>("Label2", "Two");
            ok = make<QPushButton>("btnOk", "&Ok");
            list = new QComboBox(&window);
            list->setObjectName("cbList");
            list->addItems({"A", "B", "C"});
            list->setCurrentIndex(2);
            data = new QComboBox(&window);
            data->setObjectName("cbData");
            data->addItems({"1", "2"});
            Tags::Set(data, Tags::kNeverTranslate);
            tone = new QComboBox(&window);
            tone->setObjectName("cbTone");
            tone->addItems({"None", "67.0"});
            Tags::Set(tone, Tags::kFirstEntryOnly);
            check = make<QCheckBox>("chBox", "Check");
            radio = make<QRadioButton>("rOne", "Radio");
            group = new QGroupBox("Group", &window);
            group->setObjectName("GroupBox1");
            lines = new QListWidget(&window);
            lines->setObjectName("lbSel");
            lines->addItems({"x", "y"});
            dataLines = new QListWidget(&window);
            dataLines->setObjectName("lbValue");
            dataLines->addItems({"01-67.0-XZ"});
            Tags::Set(dataLines, Tags::kNeverTranslate);
            item = new QAction("&New", &window);
            item->setObjectName("N1");
            tool = new QAction("New", &window);
            tool->setObjectName("tbNew");
            tool->setToolTip("New");
            tool->setProperty("toolButton", true);
        }
        template <class W> W* make(const char* name, const char* text) {
            auto* w = new W(QString::fromLatin1(text), &window);
            w->setObjectName(name);
            return w;
        }
    };

  private slots:
    void translatesEveryKindByItsKeys() {
        TempHome home;
        home.write("Test.Ini", "[FTEST]\nfTest.Caption=Translated\nlabel1.caption=\n"
                               "btnOk.Caption=\"  Go  \"\ncbList.0=Aa\ncbList.2=Cc\ncbData.0=X\n"
                               "cbTone.0=Nothing\ncbTone.1=X\nchBox.Caption=Tick\n"
                               "rOne.Caption=Pick\nGroupBox1.Caption=Box\nlbSel.1=Why\n"
                               "lbValue.0=X\nN1.Caption=&Fresh\ntbNew.Caption=Fresh\n"
                               "tbNew.Hint=Start afresh\nN11.Caption=-\n");
        Form f;
        auto* separator = new QAction(&f.window);
        separator->setObjectName("N11");
        separator->setSeparator(true);
        QVERIFY(TranslateForm(&f.window, home.path(), "Test", true));
        QCOMPARE(f.window.windowTitle(), QString("Translated"));
        QCOMPARE(f.label1->text(), QString());      // present and empty: blanked
        QCOMPARE(f.label2->text(), QString("Two")); // missing: kept
        QCOMPARE(f.ok->text(), QString("  Go  "));  // quotes keep the blanks
        QCOMPARE(f.list->itemText(0), QString("Aa"));
        QCOMPARE(f.list->itemText(1), QString("B"));
        QCOMPARE(f.list->currentIndex(), 2); // the selection stays, now translated
        QCOMPARE(f.list->currentText(), QString("Cc"));
        QCOMPARE(f.data->itemText(0), QString("1"));       // -2: never
        QCOMPARE(f.tone->itemText(0), QString("Nothing")); // -3: entry 0 only
        QCOMPARE(f.tone->itemText(1), QString("67.0"));
        QCOMPARE(Tags::Of(f.tone), Tags::kFirstEntryOnly);
        QCOMPARE(f.check->text(), QString("Tick"));
        QCOMPARE(f.radio->text(), QString("Pick"));
        QCOMPARE(f.group->title(), QString("Box"));
        QCOMPARE(f.lines->item(1)->text(), QString("Why"));
        QCOMPARE(f.dataLines->item(0)->text(), QString("01-67.0-XZ"));
        QCOMPARE(f.item->text(), QString("&Fresh"));
        QCOMPARE(f.tool->toolTip(), QString("Start afresh"));
        QCOMPARE(separator->text(), QString()); // "-" marks a separator, shown as a line
    }

    void itemListFlagOffLeavesComboBoxes() {
        TempHome home;
        home.write("Test.Ini", "[fTest]\ncbList.0=Aa\nlbSel.0=Ex\nLabel2.Caption=Deux\n");
        Form f;
        TranslateForm(&f.window, home.path(), "Test", false);
        QCOMPARE(f.list->itemText(0), QString("A"));
        QCOMPARE(f.lines->item(0)->text(), QString("Ex")); // list boxes do not depend on it
        QCOMPARE(f.label2->text(), QString("Deux"));
    }

    void aMissingFileChangesNothingAndGbkFilesWork() {
        TempHome home;
        Form f;
        TranslateForm(&f.window, home.path(), "Absent", true);
        QCOMPARE(f.window.windowTitle(), QString("Built in"));
        QStringEncoder gbk("GBK");
        home.write("Chinese.Ini",
                   QByteArray(gbk.encode(QStringLiteral("[fTest]\nLabel2.Caption=第二\n"))));
        TranslateForm(&f.window, home.path(), "Chinese", true);
        QCOMPARE(f.label2->text(), QStringLiteral("第二"));
    }

    // The toolkit's own buttons speak the language in use, and follow a change of it.
    void theToolkitSpeaksTheLanguageInUse() {
        QCOMPARE(TLanguage::ToolkitLocale("Chinese"), QString("zh_CN"));
        QCOMPARE(TLanguage::ToolkitLocale("English"), QString());
        const auto yesText = [] {
            QMessageBox box;
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            return box.button(QMessageBox::Yes)->text();
        };
        {
            RunningProgram p(true, "[SysInfo]\nLanguage_ID=0\nLanguage=Chinese|English\n");
            QCOMPARE(p.ctx->all().LanguageName, QString("Chinese"));
            QVERIFY(p.window->Toolkit().Loaded());
            QVERIFY2(yesText().contains(QStringLiteral("是")), qPrintable(yesText()));
            WhenModal([](QWidget* modal) {
                modal->findChild<QComboBox*>("cbLanguage")->setCurrentIndex(1);
                modal->findChild<QPushButton*>("btnOk")->click();
            });
            p.window->RunCommand(25);
            QCOMPARE(p.ctx->all().LanguageName, QString("English"));
            QCOMPARE(yesText(), QString("&Yes"));
        }
        QCOMPARE(yesText(), QString("&Yes")); // nothing is left installed
    }
};

QTEST_MAIN(TranslationTest)
#include "tst_translation.moc"
