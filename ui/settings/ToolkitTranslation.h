#pragma once

#include <QString>

#include <memory>

class QTranslator;

/**
 * The toolkit's own translations (Debian's qt6-translations-l10n) for the
 * language in use, so that the buttons of message boxes, the file dialogs and
 * the print preview speak the language of the program.
 */
class ToolkitTranslation {
  public:
    ToolkitTranslation();
    ~ToolkitTranslation();

    /** Installs the translations that go with languageName, replacing the last ones. */
    void Load(const QString& languageName);
    /** True while translations are installed. */
    bool Loaded() const { return m_translator != nullptr; }

  private:
    std::unique_ptr<QTranslator> m_translator;
};
