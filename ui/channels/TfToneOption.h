#pragma once

#include <QDialog>

class AppContext;
class QGroupBox;
class QListWidget;
class QRadioButton;
class QTableWidget;

/** The tone picker "Channel Tone Option": CTCSS, DCS-N and DCS-I tables. */
class TfToneOption : public QDialog {
    Q_OBJECT

  public:
    explicit TfToneOption(const AppContext& ctx, QWidget* parent = nullptr);

    /** Shows the picker modally; the tone double-clicked, or empty when closed without one. */
    static QString PickTone(const AppContext& ctx, QWidget* parent);

    const QString& Result() const { return m_result; }
    QTableWidget* Page(int tag) const;
    /** A double-click on a cell of a visible grid (rows and columns from 0). */
    void ChooseCell(QTableWidget* grid, int row, int column);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QTableWidget* makeGrid(const char* name, int groups, int columnsPerGroup, int rows);
    /** Column widths and row height: the given ones, or more where the font needs it. */
    void fitGrid(QTableWidget* grid, const QList<int>& widths, int rowHeight);
    void fillGrids();
    void choosePage(int tag);

    QString m_result;
    QGroupBox* m_group;
    QGroupBox* m_list;
    QRadioButton* m_pages[3];
    QTableWidget* m_grids[3];
    QListWidget* m_lbValue;
    QListWidget* m_lbSel;
};
