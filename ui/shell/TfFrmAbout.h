#pragma once

#include <QDialog>

class AppContext;
class QPlainTextEdit;

/** The about box: six lines beside the icon and three more in the memo, all from the language file.
 */
class TfFrmAbout : public QDialog {
    Q_OBJECT

  public:
    explicit TfFrmAbout(const AppContext& ctx, QWidget* parent = nullptr);
    QPlainTextEdit* Memo() const { return m_memo; }

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPlainTextEdit* m_memo;
};
