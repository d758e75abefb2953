#pragma once

#include <QDialog>

class AppContext;
class QComboBox;

/** "Communication Port": the serial port of the sessions, by its COM name. */
class TfSetPort : public QDialog {
    Q_OBJECT

  public:
    explicit TfSetPort(AppContext& ctx, QWidget* parent = nullptr);
    QComboBox* PortBox() const { return m_box; }

  private:
    void ok();

    AppContext& m_ctx;
    QComboBox* m_box;
};
