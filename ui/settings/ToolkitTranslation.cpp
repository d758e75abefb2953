#include "ToolkitTranslation.h"

#include "app/TLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

ToolkitTranslation::ToolkitTranslation() = default;

ToolkitTranslation::~ToolkitTranslation() {
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
}

void ToolkitTranslation::Load(const QString& languageName) {
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
    }
    const QString locale = TLanguage::ToolkitLocale(languageName);
    if (locale.isEmpty())
        return; // the toolkit's texts are English already
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + locale,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return; // without the translations installed the buttons stay English
    QCoreApplication::installTranslator(translator.get());
    m_translator = std::move(translator);
}
