#include "TfBInfoEdit.h"

#include "ChannelSettingsControls.h"
#include "ChannelSpinBox.h"
#include "DialogParts.h"
#include "FormTranslator.h"
#include "FrequencyEdit.h"
#include "ToneComboBox.h"
#include "app/AppContext.h"
#include "app/Prompter.h"
#include "channels/ChannelEditing.h"
#include "channels/ChannelStore.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace ChannelEditing;

TfBInfoEdit::TfBInfoEdit(AppContext& ctx, ChannelStore& store, Prompter& prompter, int channel,
                         QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_store(store), m_prompter(prompter) {
    DialogParts::SetUp(this, "fBInfoEdit", "Channel Edit");

    m_sexd = new ChannelSpinBox(this);
    m_sexd->setObjectName("sexd");
    m_sexd->setRange(1, std::max(1, ctx.all().ChannelCount));
    m_eReceive = new FrequencyEdit("eReceive", this);
    m_pMain = new QWidget(this);
    m_pMain->setObjectName("pMain");
    m_eSend = new FrequencyEdit("eSend", m_pMain);
    m_settings = new ChannelSettingsControls(m_pMain, ToneComboBox::Keys::Tone);
    auto* close = new QPushButton("&Close", this);
    close->setObjectName("btnClose");

    auto* top = new QFormLayout;
    top->addRow(DialogParts::Label("Label3", "Channel No.", this), m_sexd);
    top->addRow(DialogParts::Label("Label1", "RX Frequency", this), m_eReceive);
    auto* form = new QFormLayout(m_pMain);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(DialogParts::Label("Label6", "TX Frequency", m_pMain), m_eSend);
    m_settings->AddRows(form,
                        {{{"Label7", "QT/DQT Deconde"},
                          {"Label11", "QT/DQT Encode"},
                          {"Label2", "Wide/Narrow"},
                          {"Label10", "TX Power"}}},
                        m_pMain);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_pMain);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    DialogParts::EnterCommitsOnly(this);
    PickTone = [] { return QString(); };
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_sexd, &QSpinBox::valueChanged, this, [this] { loadChannel(); });
    connect(m_eReceive, &FrequencyEdit::committed, this, &TfBInfoEdit::rxChanged);
    connect(m_eSend, &FrequencyEdit::committed, this, &TfBInfoEdit::txChanged);
    connect(m_settings, &ChannelSettingsControls::changed, this, [this] { writeBack(); });
    for (ToneComboBox* tone : {m_settings->Decode(), m_settings->Encode()})
        connect(tone, &ToneComboBox::pickRequested, this, [this, tone] {
            if (const QString picked = PickTone(); !picked.isEmpty())
                tone->Enter(picked);
        });

    // FormShow
    m_loading = true;
    if (ctx.all().LanguageIndex > 0)
        TranslateForm(this, ctx.all().AppDir, ctx.all().LanguageName, true);
    m_loading = false;
    m_sexd->setValue(channel);
    loadChannel();
}

int TfBInfoEdit::channel() const {
    return m_sexd->value();
}

void TfBInfoEdit::loadChannel() {
    const int n = channel();
    if (n < 1 || n > m_store.RowCount())
        return;
    m_loading = true;
    m_eReceive->SetText(m_store.CellText(n, ChannelStore::ColRx));
    if (!m_eReceive->text().trimmed().isEmpty()) {
        m_pMain->setEnabled(true);
        m_eSend->SetText(m_store.CellText(n, ChannelStore::ColTx));
        m_settings->Load(m_store, n);
    } else {
        m_pMain->setEnabled(false);
        resetFields();
    }
    m_loading = false;
}

void TfBInfoEdit::resetFields() {
    m_eReceive->SetText(QString());
    m_eSend->SetText(QString());
    m_settings->Reset();
}

void TfBInfoEdit::writeBack() {
    if (m_loading)
        return;
    ChannelValues settings;
    m_settings->Fill(settings);
    WriteChannelFields(m_ctx, m_store, channel(), m_eReceive->text(), m_eSend->text(), settings);
}

void TfBInfoEdit::rxChanged() {
    if (m_loading)
        return;
    if (m_eReceive->text().trimmed().isEmpty()) {
        writeBack();
        m_loading = true;
        resetFields();
        m_loading = false;
        m_pMain->setEnabled(false);
        return;
    }
    const auto entry = EnterChannelRx(m_ctx, m_prompter, m_eReceive->text(), m_eSend->text());
    if (!entry) {
        // Not a number: the field shows again what the table holds.
        m_eReceive->SetText(m_store.CellText(channel(), ChannelStore::ColRx));
        return;
    }
    m_eReceive->SetText(entry->rx);
    m_pMain->setEnabled(true);
    m_txGuard = true;
    m_eSend->SetText(entry->tx);
    m_txGuard = false;
    writeBack();
}

void TfBInfoEdit::txChanged() {
    if (m_loading || m_txGuard)
        return;
    if (m_eSend->text().trimmed().isEmpty()) {
        m_settings->Encode()->setCurrentIndex(0);
        m_settings->Encode()->setEditText(m_settings->Encode()->itemText(0));
    } else if (const auto tx = EnterChannelTx(m_ctx, m_prompter, m_eSend->text())) {
        m_txGuard = true;
        m_eSend->SetText(*tx);
        m_txGuard = false;
        m_settings->Decode()->setFocus();
    } else {
        m_eSend->SetText(m_store.CellText(channel(), ChannelStore::ColTx));
    }
    writeBack();
}
