#include "TfBFunSet.h"

#include "DialogParts.h"
#include "FormTranslator.h"
#include "Tags.h"
#include "app/AppContext.h"
#include "model/SettingTexts.h"

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

/** The settings shown by one kind of control, in the dialog's order. */
std::vector<const SettingText*> settingsOf(SettingText::Kind kind) {
    std::vector<const SettingText*> found;
    for (const SettingText& s : SettingTexts())
        if (s.kind == kind)
            found.push_back(&s);
    return found;
}

int tagOf(SettingText::Translation translation) {
    switch (translation) {
    case SettingText::NoItem:
        return Tags::kNeverTranslate;
    case SettingText::FirstItemOnly:
        return Tags::kFirstEntryOnly;
    case SettingText::EachItem:
        break;
    }
    return 0;
}

QString captionOf(int TFun::*field) {
    return QString::fromLatin1(SettingTextOf(field).caption);
}

} // namespace

TfBFunSet::TfBFunSet(AppContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx) {
    DialogParts::SetUp(this, "fBFunSet", "Function Setting");

    auto* left = new QFormLayout;
    left->setLabelAlignment(Qt::AlignRight);
    for (const SettingText* l : settingsOf(SettingText::List)) {
        QLabel* label = DialogParts::Label(l->label, l->caption, this);
        QComboBox* box = DialogParts::FixedList(l->control, l->items, this);
        if (const int tag = tagOf(l->translation); tag != 0)
            Tags::Set(box, tag);
        left->addRow(label, box);
    }

    auto* vox = new QGroupBox("VOX", this);
    vox->setObjectName("GroupBox2");
    auto* voxLayout = new QVBoxLayout(vox);
    auto* voxFun = new QCheckBox(captionOf(&TFun::VoxFunction), vox);
    voxFun->setObjectName("chVoxFun");
    voxLayout->addWidget(voxFun);
    m_voxPanel = new QWidget(vox);
    m_voxPanel->setObjectName("Panel1");
    auto* panelLayout = new QFormLayout(m_voxPanel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    const SettingText& gain = SettingTextOf(&TFun::VoxGainLevel);
    QLabel* gainLabel = DialogParts::Label(gain.label, gain.caption, m_voxPanel);
    m_gain = new QSpinBox(m_voxPanel);
    m_gain->setObjectName(gain.control);
    m_gain->setRange(1, 5);
    panelLayout->addRow(gainLabel, m_gain);
    auto* inhibit = new QCheckBox(captionOf(&TFun::VoxInhibitOnReceive), m_voxPanel);
    inhibit->setObjectName("chVoxInhibit");
    panelLayout->addRow(inhibit);
    voxLayout->addWidget(m_voxPanel);

    auto* bevel = new QFrame(this);
    bevel->setObjectName("Bevel1");
    bevel->setFrameShape(QFrame::StyledPanel);
    auto* bevelLayout = new QVBoxLayout(bevel);
    for (const SettingText* f : settingsOf(SettingText::Flag)) {
        if (findChild<QCheckBox*>(f->control))
            continue; // one of the VOX group's
        auto* box = new QCheckBox(QString::fromLatin1(f->caption), bevel);
        box->setObjectName(f->control);
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
    for (const SettingText* f : settingsOf(SettingText::Flag)) {
        QCheckBox* box = findChild<QCheckBox*>(f->control);
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
    for (const SettingText* l : settingsOf(SettingText::List)) {
        QComboBox* box = findChild<QComboBox*>(l->control);
        while (box->count() > static_cast<int>(l->items.size()))
            box->removeItem(box->count() - 1); // an extra entry of an earlier loading
        const int value = fun.*l->field;
        if (value >= 0 && value < static_cast<int>(l->items.size())) {
            box->setCurrentIndex(value);
            continue;
        }
        // A value the list lacks is shown as its number, and kept.
        box->addItem(QString::number(value));
        box->setItemData(box->count() - 1, value, kRawValue);
        box->setCurrentIndex(box->count() - 1);
    }
    for (const SettingText* f : settingsOf(SettingText::Flag))
        findChild<QCheckBox*>(f->control)->setChecked(fun.*f->field == 1);
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
    for (const SettingText* l : settingsOf(SettingText::List)) {
        const QComboBox* box = findChild<QComboBox*>(l->control);
        const QVariant raw = box->currentData(kRawValue);
        fun.*l->field = raw.isValid() ? raw.toInt() : box->currentIndex();
    }
    for (const SettingText* f : settingsOf(SettingText::Flag)) {
        const QCheckBox* box = findChild<QCheckBox*>(f->control);
        const bool kept =
            !box->property("touched").toBool() && fun.*f->field != 0 && fun.*f->field != 1;
        if (!kept)
            fun.*f->field = box->isChecked() ? 1 : 0;
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

QStringList TfBFunSet::Items(const char* name, int count) const {
    QStringList items;
    if (const auto* box = findChild<QComboBox*>(name))
        for (int i = 0; i < std::min(count, box->count()); ++i)
            items << box->itemText(i);
    return items;
}

QString TfBFunSet::Caption(const char* name) const {
    const auto* label = findChild<QLabel*>(name);
    return label ? label->text() : QString();
}
