#pragma once

#include <QWidget>

class QTextBrowser;

/** The program's own manual, shown when no compiled help file is beside the executable. */
class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    /** Shows the manual of language (English when there is none), titled title. */
    HelpWindow(const QString& title, const QString& language, QWidget* parent = nullptr);
    QString Text() const;

  private:
    QTextBrowser* m_browser;
};
