#pragma once

#include <QDialog>

class AppContext;
class QLineEdit;

/** "Embedded Message": the two lines the radio shows, letters, digits and spaces only. */
class TfEmbeddedMessage : public QDialog {
    Q_OBJECT

  public:
    explicit TfEmbeddedMessage(AppContext& ctx, QWidget* parent = nullptr);
    QLineEdit* Line(int line) const { return line == 1 ? m_edEMA : m_edEMB; }

  private:
    void ok();

    AppContext& m_ctx;
    QLineEdit* m_edEMA;
    QLineEdit* m_edEMB;
};
