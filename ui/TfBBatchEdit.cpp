#include "TfBBatchEdit.h"

#include "ChannelSettingsControls.h"
#include "ChannelSpinBox.h"
#include "DialogParts.h"
#include "FormTranslator.h"
#include "FrequencyEdit.h"
#include "Tags.h"
#include "ToneComboBox.h"
#include "app/AppContext.h"
#include "app/Prompter.h"
#include "channels/ChannelEditing.h"
#include "channels/ChannelStore.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace ChannelEditing;

namespace {

constexpr double kKhzPerMhz = 1000.0;

template <class W> W* named(W* w, const char* name) {
    w->setObjectName(name);
    return w;
}

} // namespace

TfBBatchEdit::TfBBatchEdit(AppContext& ctx, ChannelStore& store, Prompter& prompter,
                           QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_store(store), m_prompter(prompter) {
    DialogParts::SetUp(this, "fBBatchEdit", "Batch Channel Edit");
    const int channels = std::max(1, ctx.all().ChannelCount);

    m_eReceive = new FrequencyEdit("eReceive", this);
    m_eReceive->SetText(FormatFrequency(0));
    m_eSend = new FrequencyEdit("eSend", this);
    m_eSend->SetText(FormatFrequency(0));
    m_cbJg = DialogParts::FixedList("cbJg", {"25.0", "12.5", "6.25", "5.00"}, this);
    Tags::Set(m_cbJg, Tags::kNeverTranslate);
    m_settings = new ChannelSettingsControls(this, ToneComboBox::Keys::DecimalOnly);
    auto* group = named(new QGroupBox("Channels", this), "GroupBox1");
    m_rall = named(new QRadioButton("&All Channel", group), "rall");
    m_rOne = named(new QRadioButton("&Channel", group), "rOne");
    m_rall->setChecked(true);
    auto* range = named(new QWidget(group), "pPd");
    m_seFrom = named(new ChannelSpinBox(range), "seFrom");
    m_seTo = named(new ChannelSpinBox(range), "seTo");
    for (QSpinBox* box : {m_seFrom, m_seTo}) {
        box->setRange(1, channels);
        box->setValue(1);
    }
    range->setEnabled(false);
    auto* direction = new QButtonGroup(this);
    auto* rasc = named(new QRadioButton("ASC", group), "rasc");
    m_rdesc = named(new QRadioButton("DESC", group), "rdesc");
    direction->addButton(rasc);
    direction->addButton(m_rdesc);
    rasc->setChecked(true);
    auto* run = new QButtonGroup(this);
    run->addButton(m_rall);
    run->addButton(m_rOne);

    QPushButton* ok = nullptr;
    QHBoxLayout* buttons = DialogParts::OkCancel(this, &ok);

    auto* form = new QFormLayout;
    form->addRow(DialogParts::Label("Label1", "Incept RX Frequency(MHz)", this), m_eReceive);
    form->addRow(DialogParts::Label("Label2", "Incept TX Frequency(MHz)", this), m_eSend);
    form->addRow(DialogParts::Label("Label3", "Frequency Step(KHz)", this), m_cbJg);
    m_settings->AddRows(form,
                        {{{"Label6", "QT/DQT Decode"},
                          {"Label7", "QT/DQT Encode"},
                          {"Label11", "Wide/Narrow"},
                          {"Label10", "TX Power"}}},
                        this);
    auto* rangeRow = new QHBoxLayout(range);
    rangeRow->setContentsMargins(0, 0, 0, 0);
    rangeRow->addWidget(DialogParts::Label("Label4", "&From", range));
    rangeRow->addWidget(m_seFrom);
    rangeRow->addWidget(DialogParts::Label("Label5", "&To", range));
    rangeRow->addWidget(m_seTo);
    auto* groupLayout = new QVBoxLayout(group);
    auto* runRow = new QHBoxLayout;
    runRow->addWidget(m_rall);
    runRow->addWidget(m_rOne);
    runRow->addWidget(range);
    auto* directionRow = new QHBoxLayout;
    directionRow->addWidget(rasc);
    directionRow->addWidget(m_rdesc);
    directionRow->addStretch();
    groupLayout->addLayout(runRow);
    groupLayout->addLayout(directionRow);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    PickTone = [] { return QString(); };
    connect(ok, &QPushButton::clicked, this, &TfBBatchEdit::Ok);
    connect(m_rOne, &QRadioButton::toggled, range, &QWidget::setEnabled);
    for (FrequencyEdit* edit : {m_eReceive, m_eSend})
        connect(edit, &FrequencyEdit::committed, this, [edit] {
            if (const auto value = edit->Value())
                edit->SetText(FormatFrequency(SnapFrequency(*value)));
        });
    for (ToneComboBox* tone : {m_settings->Decode(), m_settings->Encode()})
        connect(tone, &ToneComboBox::doubleClicked, this, [this, tone] {
            if (const QString picked = PickTone(); !picked.isEmpty())
                tone->Enter(picked);
        });

    if (ctx.all().LanguageIndex > 0)
        TranslateForm(this, ctx.all().AppDir, ctx.all().LanguageName, true);
}

void TfBBatchEdit::Ok() {
    double rx = 0;
    double tx = 0;
    if (validateBatch(&rx, &tx))
        fillChannels(rx, tx);
}

bool TfBBatchEdit::validateBatch(double* rx, double* tx) {
    const auto receive = m_eReceive->Value();
    const auto send = m_eSend->Value();
    if (!receive || !send)
        return false; // not a number: nothing happens, without a prompt
    *rx = *receive;
    *tx = *send;
    if (m_rOne->isChecked()) {
        const TALL& all = m_ctx.all();
        if (m_seFrom->value() > m_seTo->value()) {
            m_prompter.ShowPrompt(m_ctx.texts().Confirmation, m_ctx.texts().FChBigT, Prompt::kInfo);
            return false;
        }
        for (double mhz : {*rx, *tx}) {
            if (mhz > all.ModelHigh || mhz < all.ModelLow) {
                m_prompter.ShowPrompt(m_ctx.texts().Caution, m_ctx.texts().ErrRange, Prompt::kInfo);
                return false;
            }
        }
    }
    return true;
}

void TfBBatchEdit::fillChannels(double rx, double tx) {
    const TALL& all = m_ctx.all();
    const int first = m_rOne->isChecked() ? m_seFrom->value() : 1;
    const int last = m_rOne->isChecked() ? m_seTo->value() : m_seTo->maximum();
    double step = m_cbJg->currentText().toDouble() / kKhzPerMhz;
    if (m_rdesc->isChecked())
        step = -step;
    m_store.BeginUpdate();
    for (int n = first; n <= last && n <= m_store.RowCount(); ++n) {
        // The model's limits, not the band's, and no prompt; the running values stay unsnapped.
        rx = std::clamp(rx, all.ModelLow, all.ModelHigh);
        tx = std::clamp(tx, all.ModelLow, all.ModelHigh);
        ChannelValues c;
        c.rx = SnapFrequency(rx);
        c.tx = SnapFrequency(tx);
        m_settings->Fill(c);
        m_store.SetChannelRow(n, c);
        m_ctx.all().Changed = true;
        rx += step;
        tx += step;
    }
    m_store.SetAllTxEditable();
    m_store.EndUpdate();
}
