#include "TfBInfoEdit.h"

#include "ChannelSpinBox.h"
#include "DialogParts.h"
#include "FormTranslator.h"
#include "FrequencyEdit.h"
#include "ToneComboBox.h"
#include "app/AppContext.h"
#include "app/Prompter.h"
#include "channels/ChannelEditing.h"
#include "channels/ChannelStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace ChannelEditing;

namespace {

constexpr int kNo = 1; // item 1 of the yes/no lists

} // namespace

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
    m_cbQT = new ToneComboBox("cbQT", ToneComboBox::Keys::Tone, m_pMain);
    m_cbDQT = new ToneComboBox("cbDQT", ToneComboBox::Keys::Tone, m_pMain);
    m_cbkz = DialogParts::FixedList("cbkz", {"Wide", "Narrow"}, m_pMain);
    m_cbfsgl = DialogParts::FixedList("cbfsgl", {"Low", "High"}, m_pMain);
    m_cbfsgl->setCurrentIndex(1);
    m_chsmtj = new QCheckBox("Scan Add", m_pMain);
    m_chsmtj->setObjectName("chsmtj");
    m_chpppy = new QCheckBox("Beat Shift", m_pMain);
    m_chpppy->setObjectName("chpppy");
    m_chfm = new QCheckBox("Busy Lockout", m_pMain);
    m_chfm->setObjectName("chfm");
    m_cbsmtj = DialogParts::FixedList("cbsmtj", {"Yes", "No"}, this);
    m_cbpppy = DialogParts::FixedList("cbpppy", {"Yes", "No"}, this);
    m_cbfm = DialogParts::FixedList("cbfm", {"Yes", "No"}, this);
    for (QComboBox* hidden : {m_cbsmtj, m_cbpppy, m_cbfm}) {
        hidden->setCurrentIndex(kNo);
        hidden->hide();
    }
    auto* close = new QPushButton("&Close", this);
    close->setObjectName("btnClose");

    auto* top = new QFormLayout;
    top->addRow(DialogParts::Label("Label3", "Channel No.", this), m_sexd);
    top->addRow(DialogParts::Label("Label1", "RX Frequency", this), m_eReceive);
    auto* form = new QFormLayout(m_pMain);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(DialogParts::Label("Label6", "TX Frequency", m_pMain), m_eSend);
    form->addRow(DialogParts::Label("Label7", "QT/DQT Deconde", m_pMain), m_cbQT);
    form->addRow(DialogParts::Label("Label11", "QT/DQT Encode", m_pMain), m_cbDQT);
    form->addRow(DialogParts::Label("Label2", "Wide/Narrow", m_pMain), m_cbkz);
    form->addRow(DialogParts::Label("Label10", "TX Power", m_pMain), m_cbfsgl);
    auto* switches = new QHBoxLayout;
    switches->addWidget(m_chsmtj);
    switches->addWidget(m_chpppy);
    switches->addWidget(m_chfm);
    form->addRow(switches);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_pMain);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    PickTone = [] { return QString(); };
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_sexd, &QSpinBox::valueChanged, this, [this] { loadChannel(); });
    connect(m_eReceive, &FrequencyEdit::committed, this, &TfBInfoEdit::rxChanged);
    connect(m_eSend, &FrequencyEdit::committed, this, &TfBInfoEdit::txChanged);
    for (ToneComboBox* tone : {m_cbQT, m_cbDQT}) {
        connect(tone, &ToneComboBox::committed, this, [this] { writeBack(); });
        connect(tone, &ToneComboBox::doubleClicked, this, [this, tone] {
            if (const QString picked = PickTone(); !picked.isEmpty())
                tone->Enter(picked);
        });
    }
    for (QComboBox* list : {m_cbkz, m_cbfsgl})
        connect(list, &QComboBox::currentIndexChanged, this, [this] { writeBack(); });
    connect(m_chsmtj, &QCheckBox::clicked, this, [this] { switchClicked(m_chsmtj, m_cbsmtj); });
    connect(m_chpppy, &QCheckBox::clicked, this, [this] { switchClicked(m_chpppy, m_cbpppy); });
    connect(m_chfm, &QCheckBox::clicked, this, [this] { switchClicked(m_chfm, m_cbfm); });

    // FormShow
    m_loading = true;
    if (ctx.all().LanguageIndex > 0)
        TranslateForm(this, ctx.all().AppDir, ctx.all().LanguageName, true);
    m_loading = false;
    m_sexd->setValue(channel);
    loadChannel();
}

int TfBInfoEdit::channel() const { return m_sexd->value(); }

void TfBInfoEdit::loadChannel() {
    const int n = channel();
    if (n < 1 || n > m_store.RowCount())
        return;
    m_loading = true;
    m_eReceive->SetText(m_store.CellText(n, ChannelStore::ColRx));
    if (!m_eReceive->text().trimmed().isEmpty()) {
        m_pMain->setEnabled(true);
        m_eSend->SetText(m_store.CellText(n, ChannelStore::ColTx));
        const QString none = m_store.NoneText();
        for (auto [combo, col] : {std::pair{m_cbQT, int(ChannelStore::ColDecode)},
                                  {m_cbDQT, int(ChannelStore::ColEncode)}}) {
            if (m_store.CellText(n, col) == none)
                combo->setCurrentIndex(0);
            else
                combo->setEditText(m_store.CellText(n, col));
        }
        m_cbfsgl->setCurrentIndex(m_store.CellValue(n, ChannelStore::ColPower).toInt());
        m_cbkz->setCurrentIndex(m_store.CellValue(n, ChannelStore::ColBandwidth).toInt());
        const struct {
            QComboBox* hidden;
            QCheckBox* box;
            int col;
        } switches[] = {{m_cbsmtj, m_chsmtj, ChannelStore::ColScanAdd},
                        {m_cbpppy, m_chpppy, ChannelStore::ColBeatShift},
                        {m_cbfm, m_chfm, ChannelStore::ColBusyLockout}};
        for (const auto& s : switches) {
            s.hidden->setCurrentIndex(m_store.CellValue(n, s.col).toInt());
            s.box->setChecked(s.hidden->currentIndex() != kNo);
        }
    } else {
        m_pMain->setEnabled(false);
        resetFields();
    }
    m_loading = false;
}

void TfBInfoEdit::resetFields() {
    m_eReceive->SetText(QString());
    m_eSend->SetText(QString());
    m_cbQT->setCurrentIndex(0);
    m_cbQT->setEditText(m_cbQT->itemText(0));
    m_cbDQT->setCurrentIndex(0);
    m_cbDQT->setEditText(m_cbDQT->itemText(0));
    m_cbkz->setCurrentIndex(0);
    for (QComboBox* hidden : {m_cbsmtj, m_cbpppy, m_cbfm})
        hidden->setCurrentIndex(kNo);
    for (QCheckBox* box : {m_chsmtj, m_chpppy, m_chfm})
        box->setChecked(false);
}

void TfBInfoEdit::writeBack() {
    if (m_loading)
        return;
    const int n = channel();
    if (!m_eReceive->text().trimmed().isEmpty()) {
        ChannelValues c;
        c.rx = m_eReceive->Value().value_or(0.0);
        if (!m_eSend->text().trimmed().isEmpty())
            c.tx = m_eSend->Value();
        c.decodeTone = m_cbQT->IsNone() ? QString() : m_cbQT->currentText();
        c.encodeTone = m_cbDQT->IsNone() ? QString() : m_cbDQT->currentText();
        c.power = m_cbfsgl->currentIndex();
        c.bandwidth = m_cbkz->currentIndex();
        c.scanAdd = m_cbsmtj->currentIndex();
        c.beatShift = m_cbpppy->currentIndex();
        c.busyLockout = m_cbfm->currentIndex();
        m_store.SetChannelRow(n, c);
    } else {
        m_store.ClearChannel(n);
    }
    m_ctx.all().Changed = true;
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
    const auto value = m_eReceive->Value();
    if (!value) {
        m_prompter.ShowPrompt(m_ctx.texts().Caution, m_ctx.texts().ErrRange, Prompt::kInfo);
        return;
    }
    const double mhz = CheckFrequency(m_ctx, m_prompter, *value);
    m_eReceive->SetText(FormatFrequency(SnapFrequency(mhz)));
    m_pMain->setEnabled(true);
    if (m_eSend->text().trimmed().isEmpty()) {
        m_txGuard = true;
        m_eSend->SetText(m_eReceive->text());
        m_txGuard = false;
    }
    writeBack();
}

void TfBInfoEdit::txChanged() {
    if (m_loading || m_txGuard)
        return;
    if (m_eSend->text().trimmed().isEmpty()) {
        m_cbDQT->setCurrentIndex(0);
        m_cbDQT->setEditText(m_cbDQT->itemText(0));
    } else if (const auto value = m_eSend->Value()) {
        const double mhz = CheckFrequency(m_ctx, m_prompter, *value);
        m_txGuard = true;
        m_eSend->SetText(FormatFrequency(SnapFrequency(mhz)));
        m_txGuard = false;
        m_cbQT->setFocus();
    } else {
        m_prompter.ShowPrompt(m_ctx.texts().Caution, m_ctx.texts().ErrRange, Prompt::kInfo);
    }
    writeBack();
}

void TfBInfoEdit::switchClicked(QCheckBox* box, QComboBox* hidden) {
    hidden->setCurrentIndex(box->isChecked() ? 0 : kNo);
    writeBack();
}
