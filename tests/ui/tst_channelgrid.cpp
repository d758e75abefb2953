#include "ChannelTableModel.h"
#include "TfChInfo.h"
#include "UiFixture.h"
#include "channels/ChannelStore.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

using Col = ChannelStore::Column;

class ChannelGridTest : public QObject {
    Q_OBJECT

    struct Table {
        TempHome home;
        AppContext ctx{home.path()};
        ChannelStore store;
        ScriptedPrompter prompter;
        TfChInfo window{ctx, store, prompter};

        Table() {
            ctx.SelectFirstModel();
            window.resize(900, 600);
            window.FormShow();
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
        }
        /** Types text into a frequency cell through the grid's in-place editor. */
        void type(int row, int col, const QString& text) {
            window.SelectCell(row, col);
            auto* editor =
                qobject_cast<QLineEdit*>(window.Grid()->indexWidget(window.Grid()->currentIndex()));
            QVERIFY(editor && editor->isVisible());
            editor->selectAll();
            QTest::keyClick(editor, Qt::Key_Backspace);
            QTest::keyClicks(editor, text);
            QTest::keyClick(editor, Qt::Key_Return);
            QCoreApplication::processEvents(); // the view commits a Return through a queued call
        }
        QComboBox* editor(const char* name) const { return window.findChild<QComboBox*>(name); }
        QString visibleEditor() const {
            for (const char* name : {"cbQT", "cbDQT", "cbfsgl", "cbkz", "cbHave"})
                if (editor(name)->isVisible())
                    return name;
            return {};
        }
    };

  private slots:
    void typingRxCreatesAChannel() {
        Table t;
        t.type(1, Col::ColRx, "43x8,5");
        QCOMPARE(t.store.CellText(1, Col::ColRx), QString("438.50000"));
        QCOMPARE(t.store.CellText(1, Col::ColTx), QString("438.50000"));
        QCOMPARE(t.store.CellText(1, Col::ColDecode), QString("None"));
        QCOMPARE(t.store.CellText(1, Col::ColPower), QString("High"));
        QCOMPARE(t.store.CellText(1, Col::ColBandwidth), QString("Wide"));
        QCOMPARE(t.store.CellValue(1, Col::ColScanAdd), QString("1"));
        QVERIFY(t.ctx.all().Changed);
        // 438.5 lies outside the band 450 - 470MHz of the UHF model: one warning.
        QCOMPARE(t.prompter.Log().size(), 1);
        QCOMPARE(t.prompter.Log()[0].text, t.ctx.texts().OutRange);
        QCOMPARE(t.prompter.Log()[0].caption, t.ctx.texts().Caution);
        QCOMPARE(t.window.Model()->data(t.window.Model()->index(0, 1), Qt::DisplayRole).toString(),
                 QString("438.50000"));
    }

    void frequencyCommits_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("prompts");
        QTest::newRow("in band, snapped") << "460.0075"
                                          << "460.00625" << 0;
        QTest::newRow("above the model") << "700"
                                         << "470.00000" << 1;
        QTest::newRow("below the model") << "100"
                                         << "450.00000" << 1;
        QTest::newRow("not a number") << "4.6.0"
                                      << "470.00000" << 1;
    }
    void frequencyCommits() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, prompts);
        Table t;
        t.type(2, Col::ColRx, typed);
        QCOMPARE(t.store.CellText(2, Col::ColRx), shown);
        QCOMPARE(t.prompter.Log().size(), prompts);
    }

    void emptyingRxAndTx() {
        Table t;
        t.type(3, Col::ColRx, "460");
        t.type(3, Col::ColTx, "");
        QCOMPARE(t.store.CellText(3, Col::ColTx), QString());
        t.window.SelectCell(3, Col::ColEncode);
        QCOMPARE(t.visibleEditor(), QString()); // no encode tone without TX
        t.type(3, Col::ColRx, "");
        QVERIFY(!t.store.IsPresent(3));
        QVERIFY(!t.store.IsEditable(3, Col::ColTx));
    }

    void editorsOnlyWhereTheyBelong() {
        Table t;
        t.window.SelectCell(5, Col::ColDecode);
        QCOMPARE(t.visibleEditor(), QString()); // an empty channel offers none
        t.type(5, Col::ColRx, "455");
        for (auto [col, name] : {std::pair{Col::ColDecode, "cbQT"},
                                 {Col::ColEncode, "cbDQT"},
                                 {Col::ColPower, "cbfsgl"},
                                 {Col::ColBandwidth, "cbkz"},
                                 {Col::ColScanAdd, "cbHave"},
                                 {Col::ColBusyLockout, "cbHave"}}) {
            t.window.SelectCell(5, col);
            QCOMPARE(t.visibleEditor(), QString(name));
        }
        t.window.SelectCell(5, Col::ColChannel);
        QCOMPARE(t.visibleEditor(), QString());
    }

    void toneAndListEditorsCommit() {
        Table t;
        t.type(6, Col::ColRx, "455");
        t.window.SelectCell(6, Col::ColDecode);
        QComboBox* tone = t.editor("cbQT");
        tone->lineEdit()->selectAll();
        QTest::keyClicks(tone->lineEdit(), "1x2");
        QCOMPARE(t.store.CellText(6, Col::ColDecode), QString("30.0"));
        tone->lineEdit()->selectAll();
        QTest::keyClicks(tone->lineEdit(), "D12");
        QCOMPARE(t.store.CellText(6, Col::ColDecode), QString("D777N"));
        tone->lineEdit()->clear();
        QCOMPARE(t.store.CellText(6, Col::ColDecode), QString("None"));

        t.window.SelectCell(6, Col::ColPower);
        t.editor("cbfsgl")->setCurrentIndex(0);
        QCOMPARE(t.store.CellText(6, Col::ColPower), QString("Low"));
        QCOMPARE(t.store.CellValue(6, Col::ColPower), QString("0"));
        t.window.SelectCell(6, Col::ColBeatShift);
        t.editor("cbHave")->setCurrentIndex(0);
        QCOMPARE(t.store.CellText(6, Col::ColBeatShift), QString("Yes"));
    }

    void doubleClickOpensThePicker() {
        Table t;
        t.type(7, Col::ColRx, "455");
        int asked = 0;
        t.window.PickTone = [&asked] {
            ++asked;
            return QString("254.1");
        };
        t.window.SelectCell(7, Col::ColEncode);
        t.ctx.all().Changed = false;
        QTest::mouseDClick(t.editor("cbDQT")->lineEdit(), Qt::LeftButton);
        QCOMPARE(asked, 1);
        QCOMPARE(t.store.CellText(7, Col::ColEncode), QString("254.1"));
        QVERIFY(t.ctx.all().Changed);
        t.window.PickTone = [] { return QString(); }; // closed without a choice
        QTest::mouseDClick(t.editor("cbDQT")->lineEdit(), Qt::LeftButton);
        QCOMPARE(t.store.CellText(7, Col::ColEncode), QString("254.1"));
    }

    void endEditingCommitsAndHides() {
        Table t;
        t.window.SelectCell(8, Col::ColRx);
        auto* editor =
            qobject_cast<QLineEdit*>(t.window.Grid()->indexWidget(t.window.Grid()->currentIndex()));
        QVERIFY(editor);
        QTest::keyClicks(editor, "461");
        t.window.EndEditing();
        QCOMPARE(t.store.CellText(8, Col::ColRx), QString("461.00000"));
        t.window.SelectCell(8, Col::ColPower);
        QCOMPARE(t.visibleEditor(), QString("cbfsgl"));
        t.window.EndEditing();
        QCOMPARE(t.visibleEditor(), QString());
    }
};

QTEST_MAIN(ChannelGridTest)
#include "tst_channelgrid.moc"
