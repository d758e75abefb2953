#include "ChannelSettingsControls.h"

#include "DialogParts.h"
#include "channels/ChannelStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace {

constexpr int kNo = 1; // item 1 of the yes/no lists

void selectNone(ToneComboBox* tone) {
    tone->setCurrentIndex(0);
    tone->setEditText(tone->itemText(0));
}

} // namespace

ChannelSettingsControls::ChannelSettingsControls(QWidget* parent, ToneComboBox::Keys keys)
    : QObject(parent) {
    m_decode = new ToneComboBox("cbQT", keys, parent);
    m_encode = new ToneComboBox("cbDQT", keys, parent);
    m_bandwidth = DialogParts::FixedList("cbkz", {"Wide", "Narrow"}, parent);
    m_power = DialogParts::FixedList("cbfsgl", {"Low", "High"}, parent);
    m_power->setCurrentIndex(1);
    const struct {
        const char* box;
        const char* caption;
        const char* hidden;
        int column;
    } switches[] = {{"chsmtj", "Scan Add", "cbsmtj", ChannelStore::ColScanAdd},
                    {"chpppy", "Beat Shift", "cbpppy", ChannelStore::ColBeatShift},
                    {"chfm", "Busy Lockout", "cbfm", ChannelStore::ColBusyLockout}};
    for (size_t i = 0; i < m_switches.size(); ++i) {
        auto* box = new QCheckBox(QString::fromLatin1(switches[i].caption), parent);
        box->setObjectName(switches[i].box);
        QComboBox* hidden = DialogParts::FixedList(switches[i].hidden, {"Yes", "No"}, parent);
        hidden->setCurrentIndex(kNo);
        hidden->hide();
        m_switches[i] = {box, hidden, switches[i].column};
        connect(box, &QCheckBox::clicked, this, [this, box, hidden] {
            hidden->setCurrentIndex(box->isChecked() ? 0 : kNo);
            emit changed();
        });
    }
    for (ToneComboBox* tone : {m_decode, m_encode})
        connect(tone, &ToneComboBox::committed, this, &ChannelSettingsControls::changed);
    for (QComboBox* list : {m_bandwidth, m_power})
        connect(list, &QComboBox::activated, this, &ChannelSettingsControls::changed);
}

void ChannelSettingsControls::AddRows(QFormLayout* form, const Labels& labels,
                                      QWidget* labelParent) {
    QWidget* fields[] = {m_decode, m_encode, m_bandwidth, m_power};
    for (size_t i = 0; i < labels.size(); ++i)
        form->addRow(DialogParts::Label(labels[i].first, labels[i].second, labelParent), fields[i]);
    auto* row = new QHBoxLayout;
    for (const Switch& s : m_switches)
        row->addWidget(s.box);
    form->addRow(row);
}

void ChannelSettingsControls::Fill(ChannelValues& c) const {
    c.decodeTone = m_decode->IsNone() ? QString() : m_decode->currentText();
    c.encodeTone = m_encode->IsNone() ? QString() : m_encode->currentText();
    c.power = FromItem<Power>(m_power->currentIndex());
    c.bandwidth = FromItem<Bandwidth>(m_bandwidth->currentIndex());
    c.scanAdd = FromItem<YesNo>(m_switches[0].hidden->currentIndex());
    c.beatShift = FromItem<YesNo>(m_switches[1].hidden->currentIndex());
    c.busyLockout = FromItem<YesNo>(m_switches[2].hidden->currentIndex());
}

void ChannelSettingsControls::Load(const ChannelStore& store, int row) {
    const std::pair<ToneComboBox*, int> tones[] = {{m_decode, ChannelStore::ColDecode},
                                                   {m_encode, ChannelStore::ColEncode}};
    for (auto [tone, column] : tones) {
        if (store.CellText(row, column) == store.NoneText())
            selectNone(tone);
        else
            tone->setEditText(store.CellText(row, column));
    }
    m_power->setCurrentIndex(store.CellValue(row, ChannelStore::ColPower).toInt());
    m_bandwidth->setCurrentIndex(store.CellValue(row, ChannelStore::ColBandwidth).toInt());
    for (const Switch& s : m_switches) {
        s.hidden->setCurrentIndex(store.CellValue(row, s.column).toInt());
        s.box->setChecked(s.hidden->currentIndex() != kNo);
    }
}

void ChannelSettingsControls::Reset() {
    selectNone(m_decode);
    selectNone(m_encode);
    m_bandwidth->setCurrentIndex(0);
    for (const Switch& s : m_switches) {
        s.hidden->setCurrentIndex(kNo);
        s.box->setChecked(false);
    }
}
