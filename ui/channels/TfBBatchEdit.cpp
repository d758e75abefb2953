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
#include "channels/BatchFill.h"
#include "channels/ChannelStore.h"
#include "channels/FrequencyEntry.h"

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

#include <tuple>

using namespace ChannelEditing;

namespace {

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
    // The labels' access keys lead to their fields, so "&" marks a key, not a character.
    for (auto [name, text, field] :
         {std::tuple{"Label4", "&From", m_seFrom}, std::tuple{"Label5", "&To", m_seTo}}) {
        QLabel* label = DialogParts::Label(name, text, range);
        label->setBuddy(field);
        rangeRow->addWidget(label);
        rangeRow->addWidget(field);
    }
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

    DialogParts::EnterCommitsOnly(this);
    PickTone = [] { return QString(); };
    connect(ok, &QPushButton::clicked, this, &TfBBatchEdit::Ok);
    connect(m_rOne, &QRadioButton::toggled, range, &QWidget::setEnabled);
    for (FrequencyEdit* edit : {m_eReceive, m_eSend})
        connect(edit, &FrequencyEdit::committed, this,
                [edit] { edit->SetText(SnappedText(edit->text())); });
    for (ToneComboBox* tone : {m_settings->Decode(), m_settings->Encode()})
        connect(tone, &ToneComboBox::pickRequested, this, [this, tone] {
            if (const QString picked = PickTone(); !picked.isEmpty())
                tone->Enter(picked);
        });

    if (ctx.all().LanguageIndex > 0)
        TranslateForm(this, ctx.all().AppDir, ctx.all().LanguageName, true);
}

void TfBBatchEdit::Ok() {
    BatchRun run;
    run.rxText = m_eReceive->text();
    run.txText = m_eSend->text();
    run.range = m_rOne->isChecked();
    run.from = m_seFrom->value();
    run.to = m_seTo->value();
    run.stepKhz = m_cbJg->currentText();
    run.descending = m_rdesc->isChecked();
    m_settings->Fill(run.settings);
    RunBatch(m_ctx, m_store, m_prompter, run);
}
