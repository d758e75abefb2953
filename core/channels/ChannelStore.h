#pragma once

#include "image/TBWriteRead.h"

#include <QObject>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

/**
 * The store of the codeplug's channels: one row per channel slot, ten columns,
 * and per cell a shown text and a hidden value. Frequencies and tones live as
 * cell texts; power, bandwidth and the three switches as cell values (the
 * item index, "0" or "1") with the item of the current-language list as text;
 * column 1's value is the in-use mark. The channel grid is a view of it; the
 * data file, the radio sessions, the dialogs and the print data read and
 * write it through the operations below. Rows and columns count from 1.
 */
class ChannelStore : public QObject {
    Q_OBJECT

  public:
    enum Column {
        ColChannel = 1,
        ColRx,
        ColTx,
        ColDecode,
        ColEncode,
        ColPower,
        ColBandwidth,
        ColScanAdd,
        ColBeatShift,
        ColBusyLockout,
    };
    static constexpr int kColumns = 10;
    /** The built-in captions of the ten columns, Channel No. to Busy Lockout. */
    static const QStringList& ColumnCaptions();

    explicit ChannelStore(QObject* parent = nullptr);

    int RowCount() const { return static_cast<int>(m_rows.size()); }
    QString CellText(int row, int col) const { return cell(row, col).text; }
    QString CellValue(int row, int col) const { return cell(row, col).value; }
    /** The row holds a channel: its in-use mark is "1". */
    bool InUse(int row) const { return cell(row, ColChannel).value == QLatin1String("1"); }
    /** Consumers count a channel as present exactly when its trimmed RX text is not empty. */
    bool IsPresent(int row) const { return !cell(row, ColRx).text.trimmed().isEmpty(); }
    bool IsTxEditable(int row) const { return m_rows[index(row)].txEditable; }
    /** Editable cells: the RX column always, the TX cell where the row allows it. */
    bool IsEditable(int row, int col) const;

    /** The None text the tone cells were written with. */
    QString NoneText() const { return m_noneText; }
    /** The current-language items of a column's list: power, bandwidth or yes/no. */
    QStringList ItemsFor(int col) const;

    /** Sets the None text and item lists (a fresh table or a new language, before any row). */
    void SetLabels(const QString& noneText, const QStringList& power, const QStringList& bandwidth,
                   const QStringList& yesNo);
    /**
     * After a language change: tone cells showing the old None text show the
     * new one, and the list columns show the new item at their value.
     */
    void RelabelCells(const QString& noneText, const QStringList& power,
                      const QStringList& bandwidth, const QStringList& yesNo);

    /** count rows, every channel empty: rows kept when the count is unchanged, else rebuilt. */
    void ResetRows(int count);
    /** Writes a whole channel as producers do, marks it in use, makes its TX cell editable. */
    void SetChannelRow(int row, const ChannelValues& channel);
    /** Empties the row: texts and values of columns 2 to 10, in-use mark, TX read-only. */
    void ClearChannel(int row);
    /**
     * The row as consumers read it, or none for an empty slot. Throws CodecError
     * when a frequency cell holds a text that is not a number.
     */
    std::optional<ChannelValues> ReadRow(int row) const;

    void SetCellText(int row, int col, const QString& text);
    void SetCellValue(int row, int col, const QString& value);
    void SetTxEditable(int row, bool editable);
    /** Every TX cell editable, in use or not (after a batch fill). */
    void SetAllTxEditable();

    /** Notifications are held back between these two and sent once at the end. */
    void BeginUpdate();
    void EndUpdate();

  signals:
    /** The rows were rebuilt: their number may have changed. */
    void rowsReset();
    /** Texts, values or the editable state of the rows first to last changed at once. */
    void rowsChanged(int first, int last);
    /** Texts, values or the editable state of one row changed. */
    void rowChanged(int row);

  private:
    struct Cell {
        QString text;
        QString value;
    };
    struct Row {
        std::array<Cell, kColumns + 1> cells; // index 0 unused
        bool txEditable = false;
    };

    size_t index(int row) const;
    const Cell& cell(int row, int col) const;
    Cell& cell(int row, int col);
    void setItemCell(int row, int col, int itemIndex);
    void changed(int row);
    void allChanged();

    std::vector<Row> m_rows;
    QString m_noneText = QStringLiteral("None");
    QStringList m_power{QStringLiteral("Low"), QStringLiteral("High")};
    QStringList m_bandwidth{QStringLiteral("Wide"), QStringLiteral("Narrow")};
    QStringList m_yesNo{QStringLiteral("Yes"), QStringLiteral("No")};
    int m_updateDepth = 0;
    bool m_pendingReset = false;
    /** Rows changed during an update, sent as one rowsChanged at its end; 0 for none. */
    int m_dirtyFirst = 0;
    int m_dirtyLast = 0;
};

/** A frequency in MHz as text with five decimals and "." as separator: "438.50000". */
QString FormatFrequency(double mhz);
