#pragma once

#include <QDialog>

class AppContext;
class QComboBox;
class QListWidget;

/** "Language File Setup": chooses the language of the windows and messages. */
class TfSetLanguage : public QDialog {
    Q_OBJECT

  public:
    explicit TfSetLanguage(AppContext& ctx, QWidget* parent = nullptr);

    /** True when OK chose another language than the current one. */
    bool LanguageChanged() const { return m_changed; }
    QComboBox* LanguageBox() const { return m_box; }

  private:
    void ok();

    AppContext& m_ctx;
    QComboBox* m_box;
    QListWidget* m_names;
    bool m_changed = false;
};
