#pragma once

#include <QDialog>

class AppContext;
class Prompter;
class QLabel;
class QTableWidget;

/** "Test Frequency": sixteen receive and transmit test frequencies, kept for the run only. */
class TfTestFrequency : public QDialog {
    Q_OBJECT

  public:
    TfTestFrequency(AppContext& ctx, Prompter& prompter, QWidget* parent = nullptr);

    QTableWidget* Grid() const { return m_grid; }
    /** A text committed in a frequency cell (rows 1-16, columns 2-3). */
    void CommitCell(int row, int col, const QString& text);

  protected:
    void done(int result) override;

  private:
    void ok();
    /** Column widths and row heights that show the captions and frequencies whole. */
    void fitGrid();

    AppContext& m_ctx;
    Prompter& m_prompter;
    QTableWidget* m_grid;
    QLabel* m_warning;
    bool m_edited = false;
};
