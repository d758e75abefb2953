#include "TfBFunSet.h"

#include "DialogParts.h"
#include "FormTranslator.h"
#include "Tags.h"
#include "app/AppContext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

/** The property that marks an extra entry holding a stored value the list lacks. */
constexpr int kRawValue = Qt::UserRole + 1;

struct List {
    const char* combo;
    const char* label;
    const char* caption;
    int TFun::*field;
    QStringList items;
    int tag;
};

const QList<List>& lists() {
    static const QList<List> all = {
        {"cbSQvelch",
         "Label1",
         "Squelch level",
         &TFun::SquelchLevel,
         {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"},
         Tags::kNeverTranslate},
        {"cbMonikey",
         "Label2",
         "Side Key",
         &TFun::SideKey,
         {"Off", "Monmome", "H/L Power", "Alarm"},
         0},
        {"cbTxTimeout",
         "Label3",
         "TX Time Out",
         &TFun::TxTimeOut,
         {"Off", "30", "60", "90", "120", "150", "180", "210", "240", "270", "300"},
         Tags::kFirstEntryOnly},
        {"cxScan", "Label5", "Scan", &TFun::Scan, {"Off", "On"}, 0},
        {"cxWaveof", "Label4", "Voice", &TFun::Voice, {"Off", "On"}, 0},
        {"cbVoice",
         "Label10",
         "Voice Annunciation",
         &TFun::VoiceAnnunciation,
         {"English", "Chinese"},
         0},
        {"cxAlt", "Label6", "Incept Alarm", &TFun::InceptAlarm, {"Off", "On"}, 0},
        {"cxFM", "Label7", "FM", &TFun::FM, {"Interdict", "Turn on"}, 0},
    };
    return all;
}

struct Flag {
    const char* box;
    const char* caption;
    int TFun::*field;
};

const Flag kFlags[] = {
    {"chVoxFun", "VOX Function", &TFun::VoxFunction},
    {"chVoxInhibit", "VOX Inhibit OnReceive", &TFun::VoxInhibitOnReceive},
    {"cbBattSave", "Battery Save", &TFun::BatterySave},
    {"cbBeepTone", "Clew Voice", &TFun::ClewVoice},
    {"cbVolhigh", "High Vol Inhibit Tx", &TFun::HighVolInhibitTx},
    {"cbVolLow", "Low Vol Inhibit Tx", &TFun::LowVolInhibitTx},
};

} // namespace

TfBFunSet::TfBFunSet(AppContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx) {
    DialogParts::SetUp(this, "fBFunSet", "Function Setting");

    auto* left = new QFormLayout;
    left->setLabelAlignment(Qt::AlignRight);
    for (const List& l : lists()) {
        QLabel* label = DialogParts::Label(l.label, l.caption, this);
        QComboBox* box = DialogParts::FixedList(l.combo, l.items, this);
        if (l.tag != 0)
            Tags::Set(box, l.tag);
        left->addRow(label, box);
    }

    auto* vox = new QGroupBox("VOX", this);
    vox->setObjectName("GroupBox2");
    auto* voxLayout = new QVBoxLayout(vox);
    auto* voxFun = new QCheckBox("VOX Function", vox);
    voxFun->setObjectName("chVoxFun");
    voxLayout->addWidget(voxFun);
    m_voxPanel = new QWidget(vox);
    m_voxPanel->setObjectName("Panel1");
    auto* panelLayout = new QFormLayout(m_voxPanel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    QLabel* gainLabel = DialogParts::Label("Label8", "VOX Gain Level", m_voxPanel);
    m_gain = new QSpinBox(m_voxPanel);
    m_gain->setObjectName("seVoxLevel");
    m_gain->setRange(1, 5);
    panelLayout->addRow(gainLabel, m_gain);
    auto* inhibit = new QCheckBox("VOX Inhibit OnReceive", m_voxPanel);
    inhibit->setObjectName("chVoxInhibit");
    panelLayout->addRow(inhibit);
    voxLayout->addWidget(m_voxPanel);

    auto* bevel = new QFrame(this);
    bevel->setObjectName("Bevel1");
    bevel->setFrameShape(QFrame::StyledPanel);
    auto* bevelLayout = new QVBoxLayout(bevel);
    for (const Flag& f : kFlags) {
        if (findChild<QCheckBox*>(f.box))
            continue;
        auto* box = new QCheckBox(QString::fromLatin1(f.caption), bevel);
        box->setObjectName(f.box);
        bevelLayout->addWidget(box);
    }

    auto* right = new QVBoxLayout;
    right->addWidget(vox);
    right->addWidget(bevel);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    QPushButton* ok = nullptr;
    QHBoxLayout* buttons = DialogParts::OkCancel(this, &ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok, &QPushButton::clicked, this, &TfBFunSet::ok);
    connect(voxFun, &QCheckBox::clicked, this, &TfBFunSet::voxClicked);
    for (const Flag& f : kFlags) {
        QCheckBox* box = findChild<QCheckBox*>(f.box);
        connect(box, &QCheckBox::clicked, box, [box] { box->setProperty("touched", true); });
    }
    connect(m_gain, &QSpinBox::valueChanged, m_gain,
            [this] { m_gain->setProperty("touched", true); });
    Prepare();
}

void TfBFunSet::Prepare() {
    const TALL& all = m_ctx.all();
    if (all.LanguageIndex > 0)
        TranslateForm(this, all.AppDir, all.LanguageName, true);
    const TFun& fun = m_ctx.fun();
    for (const List& l : lists()) {
        QComboBox* box = findChild<QComboBox*>(l.combo);
        while (box->count() > static_cast<int>(l.items.size()))
            box->removeItem(box->count() - 1); // an extra entry of an earlier loading
        const int value = fun.*l.field;
        if (value >= 0 && value < static_cast<int>(l.items.size())) {
            box->setCurrentIndex(value);
            continue;
        }
        // A value the list lacks is shown as its number, and kept.
        box->addItem(QString::number(value));
        box->setItemData(box->count() - 1, value, kRawValue);
        box->setCurrentIndex(box->count() - 1);
    }
    for (const Flag& f : kFlags)
        findChild<QCheckBox*>(f.box)->setChecked(fun.*f.field == 1);
    m_storedGain = fun.VoxGainLevel;
    const QSignalBlocker block(m_gain);
    m_gain->setValue(fun.VoxGainLevel + 1);
    m_voxPanel->setEnabled(findChild<QCheckBox*>("chVoxFun")->isChecked());
}

void TfBFunSet::voxClicked() {
    // Disabling keeps the gain level and the inhibit setting; OK stores them all the same.
    m_voxPanel->setEnabled(findChild<QCheckBox*>("chVoxFun")->isChecked());
}

void TfBFunSet::ok() {
    TFun& fun = m_ctx.fun();
    for (const List& l : lists()) {
        const QComboBox* box = findChild<QComboBox*>(l.combo);
        const QVariant raw = box->currentData(kRawValue);
        fun.*l.field = raw.isValid() ? raw.toInt() : box->currentIndex();
    }
    for (const Flag& f : kFlags) {
        const QCheckBox* box = findChild<QCheckBox*>(f.box);
        const bool kept =
            !box->property("touched").toBool() && fun.*f.field != 0 && fun.*f.field != 1;
        if (!kept)
            fun.*f.field = box->isChecked() ? 1 : 0;
    }
    const bool gainShown = m_storedGain >= 0 && m_storedGain <= 4;
    if (gainShown || m_gain->property("touched").toBool())
        fun.VoxGainLevel = m_gain->value() - 1;
    m_ctx.all().Changed = true; // even when nothing was altered
    accept();
}

QString TfBFunSet::Shown(const char* name) const {
    if (const auto* box = findChild<QComboBox*>(name))
        return box->currentText();
    if (const auto* spin = findChild<QSpinBox*>(name))
        return QString::number(spin->value());
    return {};
}

QCheckBox* TfBFunSet::Check(const char* name) const {
    return findChild<QCheckBox*>(name);
}

QString TfBFunSet::Caption(const char* name) const {
    const auto* label = findChild<QLabel*>(name);
    return label ? label->text() : QString();
}
