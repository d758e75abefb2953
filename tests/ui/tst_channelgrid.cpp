#include "ChannelTableModel.h"
#include "TfChInfo.h"
#include "TfToneOption.h"
#include "UiFixture.h"
#include "channels/ChannelStore.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QWheelEvent>

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
        // The grid keeps its place: the keyboard goes on from the cell just typed.
        QCOMPARE(t.window.Grid()->currentIndex(), t.window.Model()->index(0, 1));
        QTest::keyClick(t.window.Grid(), Qt::Key_Right);
        QTest::keyClick(t.window.Grid(), Qt::Key_Right);
        QCOMPARE(t.visibleEditor(), QString("cbQT"));
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
        QCOMPARE(QApplication::focusWidget(), tone);
        // Keys reach the editor as the user types them: on the box, which has the focus.
        tone->lineEdit()->selectAll();
        QTest::keyClicks(tone, "1x2");
        QCOMPARE(tone->currentText(), QString("12"));                   // the tone key filter
        QCOMPARE(t.store.CellText(6, Col::ColDecode), QString("None")); // not yet confirmed
        QTest::keyClick(tone, Qt::Key_Return);
        QCOMPARE(t.store.CellText(6, Col::ColDecode), QString("30.0"));
        QCOMPARE(t.visibleEditor(), QString());
        t.window.SelectCell(6, Col::ColDecode);
        tone->lineEdit()->selectAll();
        QTest::keyClicks(tone, "D12");
        QTest::keyClick(tone, Qt::Key_Return);
        QCOMPARE(t.store.CellText(6, Col::ColDecode), QString("D777N"));
        t.window.SelectCell(6, Col::ColDecode);
        tone->lineEdit()->selectAll();
        QTest::keyClick(tone, Qt::Key_Backspace);
        t.window.EndEditing(); // a command confirms what was typed
        QCOMPARE(t.store.CellText(6, Col::ColDecode), QString("None"));

        // A list item is picked by its letter, as the user does.
        t.window.SelectCell(6, Col::ColPower);
        QTest::keyClick(t.editor("cbfsgl"), Qt::Key_L);
        QCOMPARE(t.store.CellText(6, Col::ColPower), QString("Low"));
        QCOMPARE(t.store.CellValue(6, Col::ColPower), QString("0"));
        t.window.SelectCell(6, Col::ColBeatShift);
        QTest::keyClick(t.editor("cbHave"), Qt::Key_Y);
        QCOMPARE(t.store.CellText(6, Col::ColBeatShift), QString("Yes"));
    }

    // Moving between cells never changes a value; only a pick or a confirmed typing does.
    void arrowsMoveAndChangeNothing() {
        Table t;
        for (int row = 2; row <= 4; ++row)
            t.type(row, Col::ColRx, "455");
        // The tone editor last showed a DCS code on another row.
        t.window.SelectCell(2, Col::ColDecode);
        t.editor("cbQT")->setCurrentIndex(t.editor("cbQT")->count() - 1);
        t.window.SelectCell(3, Col::ColDecode);
        QCOMPARE(t.editor("cbQT")->currentText(), QString("None")); // the cell's own value
        t.ctx.all().Changed = false;
        const QStringList before = {t.store.CellText(2, Col::ColDecode),
                                    t.store.CellText(3, Col::ColDecode),
                                    t.store.CellText(4, Col::ColDecode)};
        QTest::keyClick(t.editor("cbQT"), Qt::Key_Down);
        QCOMPARE(t.window.Grid()->currentIndex().row(), 3); // row 4
        QCOMPARE(t.visibleEditor(), QString("cbQT"));
        QTest::keyClick(t.editor("cbQT"), Qt::Key_Up);
        QTest::keyClick(t.editor("cbQT"), Qt::Key_Up);
        QCOMPARE(t.window.Grid()->currentIndex().row(), 1); // row 2
        QCOMPARE(
            (QStringList{t.store.CellText(2, Col::ColDecode), t.store.CellText(3, Col::ColDecode),
                         t.store.CellText(4, Col::ColDecode)}),
            before);

        // Up on a Scan Add editor showing No moves up; it does not flip to Yes.
        t.window.SelectCell(4, Col::ColScanAdd);
        QTest::keyClick(t.editor("cbHave"), Qt::Key_Up);
        QTest::keyClick(t.editor("cbHave"), Qt::Key_PageDown);
        QTest::keyClick(t.editor("cbHave"), Qt::Key_Left);
        QTest::keyClick(t.editor("cbHave"), Qt::Key_Home);
        for (int row = 2; row <= 4; ++row)
            QCOMPARE(t.store.CellValue(row, Col::ColScanAdd), QString("1"));
        QCOMPARE(t.store.CellText(3, Col::ColBeatShift), QString("No"));

        // The wheel over an editor changes nothing either.
        t.window.SelectCell(3, Col::ColPower);
        QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(t.editor("cbfsgl"), &wheel);
        QCOMPARE(t.store.CellValue(3, Col::ColPower), QString("1"));
        QVERIFY(!t.ctx.all().Changed);

        // Esc closes a tone editor without committing what was typed.
        t.window.SelectCell(3, Col::ColEncode);
        t.editor("cbDQT")->lineEdit()->selectAll();
        QTest::keyClicks(t.editor("cbDQT"), "67");
        QTest::keyClick(t.editor("cbDQT"), Qt::Key_Escape);
        QCOMPARE(t.visibleEditor(), QString());
        QCOMPARE(t.store.CellText(3, Col::ColEncode), QString("None"));
        QVERIFY(!t.ctx.all().Changed);

        // Typing and then an arrow key confirms the typing and moves on.
        t.window.SelectCell(3, Col::ColEncode);
        t.editor("cbDQT")->lineEdit()->selectAll();
        QTest::keyClicks(t.editor("cbDQT"), "67");
        QTest::keyClick(t.editor("cbDQT"), Qt::Key_Down);
        QCOMPARE(t.store.CellText(3, Col::ColEncode), QString("67.0"));
        QCOMPARE(t.store.CellText(4, Col::ColEncode), QString("None"));
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
        // F4 and Alt+Down ask for the picker from the keyboard.
        t.window.PickTone = [&asked] {
            ++asked;
            return QString("D754I");
        };
        QTest::keyClick(t.editor("cbDQT"), Qt::Key_F4);
        QCOMPARE(t.store.CellText(7, Col::ColEncode), QString("D754I"));
        t.window.SelectCell(7, Col::ColDecode);
        QTest::keyClick(t.editor("cbQT"), Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(t.store.CellText(7, Col::ColDecode), QString("D754I"));
        QCOMPARE(asked, 3);
    }

    // The real picker, chosen from with the keyboard: the editor waits for it and commits.
    void thePickerFromTheKeyboard() {
        Table t;
        t.type(9, Col::ColRx, "455");
        t.window.PickTone = [&t] { return TfToneOption::PickTone(t.ctx, &t.window); };
        t.window.SelectCell(9, Col::ColDecode);
        auto seen = WhenModal([](QWidget* modal) {
            // The keys go where the picker puts the focus, once it is the active window.
            QVERIFY(QTest::qWaitForWindowActive(modal));
            QWidget* grid = modal->focusWidget();
            QVERIFY(grid);
            QTest::keyClick(grid, Qt::Key_Down);
            QTest::keyClick(grid, Qt::Key_Return);
            if (modal->isVisible())
                modal->close();
        });
        QTest::keyClick(t.editor("cbQT"), Qt::Key_F4);
        QCOMPARE(*seen, QString("fToneOption"));
        QCOMPARE(t.store.CellText(9, Col::ColDecode), QString("69.3"));
        QCOMPARE(t.visibleEditor(), QString("cbQT"));
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
