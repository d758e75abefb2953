#include "TfSetLanguage.h"

#include "DialogParts.h"
#include "FormTranslator.h"
#include "Tags.h"
#include "app/AppContext.h"
#include "app/IniFile.h"
#include "app/Settings.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TfSetLanguage::TfSetLanguage(AppContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx) {
    DialogParts::SetUp(this, "fSetLanguage", "Language File Setup");
    QLabel* label = DialogParts::Label("lbName", "Language Mode: ", this);
    m_box = new QComboBox(this);
    m_box->setObjectName("cbLanguage");
    Tags::Set(m_box, Tags::kNeverTranslate);
    m_box->setMinimumWidth(140);
    m_names = new QListWidget(this);
    m_names->setObjectName("Language");
    m_names->hide();
    QPushButton* ok = nullptr;
    QHBoxLayout* buttons = DialogParts::OkCancel(this, &ok);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_box);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(ok, &QPushButton::clicked, this, &TfSetLanguage::ok);

    // The language names and their display names, in the current language.
    const TALL& all = ctx.all();
    const IniFile settings(SettingsReadPath(all));
    const QString section = QLatin1String(kSettingsSection);
    m_names->addItems(SplitBarList(settings.value(section, "Language", "Chinese|English")));
    m_box->addItems(
        SplitBarList(settings.value(section, all.LanguageName, QStringLiteral("中文|英文"))));
    if (all.LanguageIndex > 0)
        TranslateForm(this, all.AppDir, all.LanguageName, false);
    m_box->setCurrentIndex(all.LanguageIndex < m_box->count() ? all.LanguageIndex : -1);
}

void TfSetLanguage::ok() {
    const int selected = m_box->currentIndex();
    // Without a selection, or past the end of the language list, nothing changes.
    if (selected >= 0 && selected != m_ctx.all().LanguageIndex && selected < m_names->count()) {
        m_changed = true;
        m_ctx.all().LanguageName = m_names->item(selected)->text();
        m_ctx.all().LanguageIndex = selected;
    }
    accept();
}
