#include "FrequencyEdit.h"
#include "TfBBatchEdit.h"
#include "TfBInfoEdit.h"
#include "TfEmbeddedMessage.h"
#include "TfTestFrequency.h"
#include "ToneComboBox.h"
#include "UiFixture.h"
#include "channels/ChannelEditing.h"
#include "channels/ChannelStore.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

using Col = ChannelStore::Column;

class EditDialogsTest : public QObject {
    Q_OBJECT

    struct Codeplug {
        TempHome home;
        AppContext ctx{home.path()};
        ChannelStore store;
        ScriptedPrompter prompter;
        Codeplug() {
            ctx.SelectFirstModel();
            store.ResetRows(16);
        }
        QStringList column(int col) const {
            QStringList texts;
            for (int row = 1; row <= store.RowCount(); ++row)
                texts << store.CellText(row, col);
            return texts;
        }
    };

    /** Types into a numeric edit and confirms with Enter. */
    static void enter(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    static QStringList stepped(double start, double step, int count) {
        QStringList out;
        for (int i = 0; i < count; ++i)
            out << FormatFrequency(start + step * i);
        return out;
    }

  private slots:
    void batchRuns_data() {
        QTest::addColumn<QString>("rx");
        QTest::addColumn<QString>("tx");
        QTest::addColumn<int>("step");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<QStringList>("rxColumn");
        QTest::addColumn<QStringList>("txColumn");
        QTest::newRow("25.0 ASC") << "450"
                                  << "450" << 0 << false << stepped(450, 0.025, 16)
                                  << stepped(450, 0.025, 16);
        QTest::newRow("25.0 DESC")
            << "450"
            << "450" << 0 << true << stepped(450, -0.025, 16) << stepped(450, -0.025, 16);
        QTest::newRow("TX left at 0 starts at the model's lower limit")
            << "450"
            << "0" << 1 << false << stepped(450, 0.0125, 16) << stepped(300, 0.0125, 16);
    }
    void batchRuns() {
        QFETCH(QString, rx);
        QFETCH(QString, tx);
        QFETCH(int, step);
        QFETCH(bool, descending);
        QFETCH(QStringList, rxColumn);
        QFETCH(QStringList, txColumn);
        Codeplug c;
        TfBBatchEdit dialog(c.ctx, c.store, c.prompter);
        dialog.findChild<FrequencyEdit*>("eReceive")->SetText(rx);
        dialog.findChild<FrequencyEdit*>("eSend")->SetText(tx);
        dialog.findChild<QComboBox*>("cbJg")->setCurrentIndex(step);
        dialog.findChild<QRadioButton*>(descending ? "rdesc" : "rasc")->setChecked(true);
        dialog.Ok();
        QCOMPARE(c.column(Col::ColRx), rxColumn);
        QCOMPARE(c.column(Col::ColTx), txColumn);
        QCOMPARE(c.store.CellText(16, Col::ColDecode), QString("None"));
        QCOMPARE(c.store.CellText(16, Col::ColPower), QString("High"));
        QCOMPARE(c.store.CellText(16, Col::ColScanAdd), QString("No"));
        QVERIFY(c.ctx.all().Changed);
        QVERIFY(c.prompter.Log().isEmpty());
    }

    void batchStepsAndTheUpperLimit() {
        Codeplug c;
        TfBBatchEdit dialog(c.ctx, c.store, c.prompter);
        auto* rx = dialog.findChild<FrequencyEdit*>("eReceive");
        auto* tx = dialog.findChild<FrequencyEdit*>("eSend");
        auto* step = dialog.findChild<QComboBox*>("cbJg");
        rx->SetText("450");
        tx->SetText("450");
        step->setCurrentIndex(2); // 6.25
        dialog.Ok();
        QCOMPARE(c.store.CellText(2, Col::ColRx), QString("450.00625"));
        step->setCurrentIndex(1); // 12.5
        dialog.Ok();
        QCOMPARE(c.store.CellText(2, Col::ColRx), QString("450.01250"));

        c.ctx.all().ModelHigh = 470.0; // a model limit of 470 MHz, as an example
        rx->SetText("469.95");
        tx->SetText("469.95");
        step->setCurrentIndex(0);
        dialog.Ok();
        QCOMPARE(c.column(Col::ColRx).mid(0, 5),
                 QStringList({"469.95000", "469.97500", "470.00000", "470.00000", "470.00000"}));
        QCOMPARE(c.store.CellText(16, Col::ColRx), QString("470.00000"));
    }

    void batchRangeRules() {
        Codeplug c;
        ChannelEditing::CommitCellText(c.ctx, c.store, c.prompter, 1, Col::ColRx, "455");
        c.ctx.all().Changed = false;
        c.prompter.ClearLog();
        TfBBatchEdit dialog(c.ctx, c.store, c.prompter);
        dialog.findChild<QRadioButton*>("rOne")->setChecked(true);
        QVERIFY(dialog.findChild<QWidget*>("pPd")->isEnabled());
        auto* from = dialog.findChild<QSpinBox*>("seFrom");
        auto* to = dialog.findChild<QSpinBox*>("seTo");
        dialog.findChild<FrequencyEdit*>("eReceive")->SetText("460");
        dialog.findChild<FrequencyEdit*>("eSend")->SetText("465");
        from->setValue(5);
        to->setValue(3);
        dialog.Ok();
        QCOMPARE(c.prompter.Log().size(), 1);
        QCOMPARE(c.prompter.Log()[0].text, c.ctx.texts().FChBigT);
        QVERIFY(!c.ctx.all().Changed);

        from->setValue(3);
        dialog.Ok();
        QCOMPARE(c.column(Col::ColRx).mid(0, 4), QStringList({"455.00000", "", "460.00000", ""}));
        QCOMPARE(c.store.CellText(3, Col::ColTx), QString("465.00000"));
        QVERIFY(c.store.IsEditable(10, Col::ColTx)); // every TX cell, in use or not

        dialog.findChild<FrequencyEdit*>("eReceive")->SetText("700");
        dialog.Ok();
        QCOMPARE(c.prompter.Log().last().text, c.ctx.texts().ErrRange);
        QCOMPARE(c.prompter.Log().last().caption, c.ctx.texts().Caution);
        QCOMPARE(c.store.CellText(3, Col::ColRx), QString("460.00000"));
        dialog.findChild<FrequencyEdit*>("eReceive")->SetText("abc");
        const int prompts = static_cast<int>(c.prompter.Log().size());
        dialog.Ok(); // not a number: nothing, no prompt
        QCOMPARE(static_cast<int>(c.prompter.Log().size()), prompts);
    }

    void channelEditOnAnEmptyChannel() {
        Codeplug c;
        TfBInfoEdit dialog(c.ctx, c.store, c.prompter, 4);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(!dialog.MainPanel()->isEnabled());
        QVERIFY(dialog.Receive()->text().isEmpty());
        QVERIFY(!c.ctx.all().Changed);
        enter(dialog.Receive(), "438.5");
        QCOMPARE(dialog.Send()->text(), QString("438.50000"));
        QVERIFY(dialog.MainPanel()->isEnabled());
        QStringList row;
        for (int col = 2; col <= 10; ++col)
            row << c.store.CellText(4, col);
        QCOMPARE(row, QStringList({"438.50000", "438.50000", "None", "None", "High", "Wide", "No",
                                   "No", "No"}));
        QVERIFY(c.ctx.all().Changed);
        QCOMPARE(c.prompter.Log().size(), 1); // outside the band 450 - 470MHz

        auto* decode = dialog.findChild<ToneComboBox*>("cbQT");
        auto* encode = dialog.findChild<ToneComboBox*>("cbDQT");
        encode->lineEdit()->selectAll();
        QTest::keyClicks(encode->lineEdit(), "D12");
        QTest::keyClick(encode->lineEdit(), Qt::Key_Return);
        QCOMPARE(c.store.CellText(4, Col::ColEncode), QString("D777N"));
        decode->lineEdit()->selectAll();
        QTest::keyClicks(decode->lineEdit(), "67");
        QTest::keyClick(decode->lineEdit(), Qt::Key_Return);
        QCOMPARE(c.store.CellText(4, Col::ColDecode), QString("67.0"));
        dialog.findChild<QCheckBox*>("chfm")->click();
        QCOMPARE(c.store.CellText(4, Col::ColBusyLockout), QString("Yes"));

        enter(dialog.Send(), "");
        QCOMPARE(c.store.CellText(4, Col::ColTx), QString());
        QCOMPARE(c.store.CellText(4, Col::ColEncode), QString("None"));
        QVERIFY(!c.store.ReadRow(4)->tx);

        enter(dialog.Receive(), "");
        QVERIFY(!c.store.IsPresent(4));
        QVERIFY(!c.store.IsEditable(4, Col::ColTx));
        QVERIFY(!dialog.MainPanel()->isEnabled());
    }

    // Enter commits the field and nothing else: no fill of every channel, no closing.
    void enterCommitsTheFieldOnly() {
        Codeplug c;
        {
            TfBBatchEdit dialog(c.ctx, c.store, c.prompter);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            enter(dialog.findChild<FrequencyEdit*>("eReceive"), "450");
            enter(dialog.findChild<FrequencyEdit*>("eSend"), "455");
            QTest::keyClick(dialog.findChild<ToneComboBox*>("cbQT"), Qt::Key_Return);
            QVERIFY(dialog.isVisible());
            QCOMPARE(c.column(Col::ColRx), QStringList(16, ""));
            for (QPushButton* b : dialog.findChildren<QPushButton*>())
                QVERIFY(!b->isDefault());
            // A button with the focus is pressed by Enter, as by Space.
            auto* ok = dialog.findChild<QPushButton*>("btnOk");
            ok->setFocus();
            QTest::keyClick(ok, Qt::Key_Return);
            QCOMPARE(c.store.CellText(16, Col::ColRx), QString("450.37500"));
            QVERIFY(dialog.isVisible()); // OK fills and stays open
        }
        TfBInfoEdit dialog(c.ctx, c.store, c.prompter, 3);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        enter(dialog.Receive(), "460");
        enter(dialog.Send(), "465");
        QVERIFY(dialog.isVisible());
        QCOMPARE(c.store.CellText(3, Col::ColTx), QString("465.00000"));
    }

    // "&From" and "&To" mark access keys that lead to their fields.
    void batchRangeLabelsLeadToTheirFields() {
        Codeplug c;
        TfBBatchEdit dialog(c.ctx, c.store, c.prompter);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.findChild<QRadioButton*>("rOne")->setChecked(true);
        QCOMPARE(dialog.findChild<QLabel*>("Label4")->buddy(),
                 dialog.findChild<QSpinBox*>("seFrom"));
        QTest::keyClick(&dialog, Qt::Key_T, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), dialog.findChild<QSpinBox*>("seTo"));
    }

    // A field that does not read as a number never reaches the table.
    void channelEditKeepsTheTableOnAnUnreadableField() {
        Codeplug c;
        ChannelValues v;
        v.rx = 451.0;
        v.tx = 456.0;
        c.store.SetChannelRow(2, v);
        TfBInfoEdit dialog(c.ctx, c.store, c.prompter, 2);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        enter(dialog.Receive(), "1.2.3");
        QCOMPARE(c.prompter.Log().last().text, c.ctx.texts().ErrRange);
        QCOMPARE(dialog.Receive()->text(), QString("451.00000")); // shows what the table holds
        QCOMPARE(c.store.CellText(2, Col::ColBusyLockout), QString("Yes"));
        dialog.findChild<QCheckBox*>("chfm")->click(); // the other fields still reach it
        QCOMPARE(c.store.CellText(2, Col::ColRx), QString("451.00000"));
        QCOMPARE(c.store.CellText(2, Col::ColBusyLockout), QString("No"));
        dialog.Send()->setFocus();
        dialog.Send()->selectAll();
        dialog.Send()->insert("nan"); // pasted: the key filter lets no letter be typed
        QTest::keyClick(dialog.Send(), Qt::Key_Return);
        dialog.findChild<QCheckBox*>("chfm")->click();
        QCOMPARE(c.store.CellText(2, Col::ColTx), QString("456.00000"));
        QCOMPARE(dialog.Send()->text(), QString("456.00000"));
    }

    void channelEditMovesWithoutWriting() {
        Codeplug c;
        ChannelValues v;
        v.rx = 451.0;
        v.tx = 456.0;
        v.decodeTone = "D023I";
        v.bandwidth = Bandwidth::Narrow;
        v.beatShift = YesNo::Yes;
        c.store.SetChannelRow(2, v);
        TfBInfoEdit dialog(c.ctx, c.store, c.prompter, 2);
        QCOMPARE(dialog.Receive()->text(), QString("451.00000"));
        QCOMPARE(dialog.findChild<ToneComboBox*>("cbQT")->currentText(), QString("D023I"));
        QVERIFY(dialog.findChild<ToneComboBox*>("cbDQT")->IsNone());
        QVERIFY(dialog.findChild<QCheckBox*>("chpppy")->isChecked());
        QVERIFY(dialog.findChild<QCheckBox*>("chsmtj")->isChecked()); // value 0: "Yes"
        QCOMPARE(dialog.findChild<QComboBox*>("cbkz")->currentText(), QString("Narrow"));
        QSpinBox* number = dialog.ChannelBox();
        number->setValue(5);
        QVERIFY(!dialog.MainPanel()->isEnabled());
        number->setValue(2);
        QVERIFY(!c.ctx.all().Changed);
        QCOMPARE(c.store.CellText(2, Col::ColDecode), QString("D023I"));

        // A typed channel number is rounded and clamped, without an error.
        auto* typing = number->findChild<QLineEdit*>();
        for (auto [typed, shown] : {std::pair{"0", 1}, {"99", 16}, {"3.6", 4}}) {
            typing->selectAll();
            QTest::keyClicks(typing, typed);
            QTest::keyClick(typing, Qt::Key_Return);
            QCOMPARE(number->value(), shown);
        }
        QVERIFY(c.prompter.Log().isEmpty());
    }

    void testFrequencyWarnsOnlyAfterAnEdit() {
        Codeplug c;
        {
            TfTestFrequency dialog(c.ctx, c.prompter);
            QCOMPARE(dialog.Grid()->item(0, 1)->text(), QString("460.05000"));
            QCOMPARE(dialog.Grid()->item(5, 2)->text(), QString("460.40000"));
            QVERIFY(dialog.Grid()->item(6, 1)->text().isEmpty());
            dialog.findChild<QPushButton*>("btnOk")->click();
            QVERIFY(c.prompter.Log().isEmpty());
        }
        {
            TfTestFrequency dialog(c.ctx, c.prompter);
            dialog.CommitCell(7, 2, "460.0031");
            QCOMPARE(dialog.Grid()->item(6, 1)->text(), QString("460.00310")); // no raster
            dialog.findChild<QPushButton*>("btnCancel")->click();
            QCOMPARE(c.prompter.Log().size(), 1);
            QVERIFY(c.prompter.Log()[0].text.startsWith("Test Frequency mismatch."));
            QVERIFY(c.ctx.testFre().RxFreq[6].isEmpty()); // Cancel keeps nothing
        }
        {
            TfTestFrequency dialog(c.ctx, c.prompter);
            dialog.CommitCell(1, 3, "");
            dialog.CommitCell(2, 2, "700");
            QCOMPARE(c.prompter.Log().last().text, c.ctx.texts().ErrRange);
            dialog.findChild<QPushButton*>("btnOk")->click();
            QVERIFY(c.ctx.testFre().TxFreq[0].isEmpty());
            QCOMPARE(c.ctx.testFre().RxFreq[1], QString("470.00000"));
            QVERIFY(!c.ctx.all().Changed);
        }
    }

    void embeddedMessageKeepsPlainCharacters() {
        Codeplug c;
        TfEmbeddedMessage dialog(c.ctx);
        dialog.show();
        QLineEdit* line1 = dialog.Line(1);
        QTest::keyClicks(line1, "HELLO-1.2! x");
        QCOMPARE(line1->text(), QString("HELLO12 x"));
        QTest::keyClicks(dialog.Line(2), QString(40, 'A'));
        QCOMPARE(dialog.Line(2)->text(), QString(32, 'A'));
        dialog.findChild<QPushButton*>("btnOk")->click();
        QCOMPARE(c.ctx.message().Line1, QString("HELLO12 x"));
        QCOMPARE(c.ctx.message().Line2, QString(32, 'A'));
        QVERIFY(!c.ctx.all().Changed);
    }
};

QTEST_MAIN(EditDialogsTest)
#include "tst_editdialogs.moc"
