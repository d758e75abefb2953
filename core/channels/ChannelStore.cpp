#include "ChannelStore.h"

#include <stdexcept>
#include <utility>

QString FormatFrequency(double mhz) {
    return QString::number(mhz, 'f', 5);
}

ChannelStore::ChannelStore(QObject* parent) : QObject(parent) {}

const QStringList& ChannelStore::ColumnCaptions() {
    static const QStringList captions{"Channel No.", "RX Frequency", "TX Frequency", "QT/DQT Dec",
                                      "QT/DQT Enc",  "TX Power",     "W/N",          "Scan Add",
                                      "Beat Shift",  "Busy Lockout"};
    return captions;
}

size_t ChannelStore::index(int row) const {
    if (row < 1 || row > RowCount())
        throw std::out_of_range("channel row out of range");
    return static_cast<size_t>(row - 1);
}

const ChannelStore::Cell& ChannelStore::cell(int row, int col) const {
    return m_rows[index(row)].cells.at(static_cast<size_t>(col));
}

ChannelStore::Cell& ChannelStore::cell(int row, int col) {
    return m_rows[index(row)].cells.at(static_cast<size_t>(col));
}

bool ChannelStore::IsEditable(int row, int col) const {
    return col == ColRx || (col == ColTx && IsTxEditable(row));
}

QStringList ChannelStore::ItemsFor(int col) const {
    switch (col) {
    case ColPower:
        return m_power;
    case ColBandwidth:
        return m_bandwidth;
    case ColScanAdd:
    case ColBeatShift:
    case ColBusyLockout:
        return m_yesNo;
    default:
        return {};
    }
}

void ChannelStore::SetLabels(const QString& noneText, const QStringList& power,
                             const QStringList& bandwidth, const QStringList& yesNo) {
    m_noneText = noneText;
    m_power = power;
    m_bandwidth = bandwidth;
    m_yesNo = yesNo;
}

void ChannelStore::RelabelCells(const QString& noneText, const QStringList& power,
                                const QStringList& bandwidth, const QStringList& yesNo) {
    const QString oldNone = m_noneText;
    SetLabels(noneText, power, bandwidth, yesNo);
    BeginUpdate();
    for (int row = 1; row <= RowCount(); ++row) {
        if (!IsPresent(row))
            continue;
        for (int col : {ColDecode, ColEncode})
            if (cell(row, col).text == oldNone)
                cell(row, col).text = noneText;
        for (int col = ColPower; col <= ColBusyLockout; ++col) {
            const QStringList items = ItemsFor(col);
            const int i = cell(row, col).value.toInt();
            if (i >= 0 && i < items.size())
                cell(row, col).text = items[i];
        }
    }
    allChanged();
    EndUpdate();
}

void ChannelStore::ResetRows(int count) {
    BeginUpdate();
    if (RowCount() == count) {
        for (Row& r : m_rows) {
            for (int col = ColRx; col <= kColumns; ++col)
                r.cells[static_cast<size_t>(col)] = Cell{};
            r.cells[ColChannel].value.clear();
            r.txEditable = false;
        }
        allChanged();
    } else {
        m_rows.assign(static_cast<size_t>(std::max(count, 0)), Row{});
        for (int row = 1; row <= count; ++row)
            cell(row, ColChannel).text = QString::number(row);
        m_pendingReset = true;
    }
    EndUpdate();
}

void ChannelStore::setItemCell(int row, int col, int itemIndex) {
    const QStringList items = ItemsFor(col);
    cell(row, col).value = QString::number(itemIndex);
    cell(row, col).text = itemIndex >= 0 && itemIndex < items.size() ? items[itemIndex] : QString();
}

void ChannelStore::SetChannelRow(int row, const ChannelValues& c) {
    cell(row, ColRx).text = FormatFrequency(c.rx);
    cell(row, ColTx).text = c.tx ? FormatFrequency(*c.tx) : QString();
    cell(row, ColDecode).text = c.decodeTone.isEmpty() ? m_noneText : c.decodeTone;
    cell(row, ColEncode).text = c.encodeTone.isEmpty() ? m_noneText : c.encodeTone;
    setItemCell(row, ColPower, ItemOf(c.power));
    setItemCell(row, ColBandwidth, ItemOf(c.bandwidth));
    setItemCell(row, ColScanAdd, ItemOf(c.scanAdd));
    setItemCell(row, ColBeatShift, ItemOf(c.beatShift));
    setItemCell(row, ColBusyLockout, ItemOf(c.busyLockout));
    cell(row, ColChannel).value = QStringLiteral("1");
    m_rows[index(row)].txEditable = true;
    changed(row);
}

void ChannelStore::ClearChannel(int row) {
    for (int col = ColRx; col <= kColumns; ++col)
        cell(row, col) = Cell{};
    cell(row, ColChannel).value.clear();
    m_rows[index(row)].txEditable = false;
    changed(row);
}

std::optional<ChannelValues> ChannelStore::ReadRow(int row) const {
    const QString rxText = cell(row, ColRx).text.trimmed();
    if (rxText.isEmpty())
        return std::nullopt;
    const auto number = [row](const QString& text, const char* what) {
        bool ok = false;
        const double value = text.toDouble(&ok);
        if (!ok)
            throw CodecError(QStringLiteral("channel %1: %2 frequency \"%3\" is not a number")
                                 .arg(row)
                                 .arg(QLatin1String(what), text));
        return value;
    };
    ChannelValues c;
    c.rx = number(rxText, "RX");
    const QString txText = cell(row, ColTx).text.trimmed();
    if (!txText.isEmpty())
        c.tx = number(txText, "TX");
    const auto tone = [this](const QString& text) { return text == m_noneText ? QString() : text; };
    c.decodeTone = tone(cell(row, ColDecode).text);
    c.encodeTone = tone(cell(row, ColEncode).text);
    c.power = FromItem<Power>(cell(row, ColPower).value.toInt());
    c.bandwidth = FromItem<Bandwidth>(cell(row, ColBandwidth).value.toInt());
    c.scanAdd = FromItem<YesNo>(cell(row, ColScanAdd).value.toInt());
    c.beatShift = FromItem<YesNo>(cell(row, ColBeatShift).value.toInt());
    c.busyLockout = FromItem<YesNo>(cell(row, ColBusyLockout).value.toInt());
    return c;
}

void ChannelStore::SetCellText(int row, int col, const QString& text) {
    cell(row, col).text = text;
    changed(row);
}

void ChannelStore::SetCellValue(int row, int col, const QString& value) {
    cell(row, col).value = value;
    changed(row);
}

void ChannelStore::SetTxEditable(int row, bool editable) {
    m_rows[index(row)].txEditable = editable;
    changed(row);
}

void ChannelStore::SetAllTxEditable() {
    BeginUpdate();
    for (Row& r : m_rows)
        r.txEditable = true;
    allChanged();
    EndUpdate();
}

void ChannelStore::BeginUpdate() {
    ++m_updateDepth;
}

void ChannelStore::EndUpdate() {
    if (--m_updateDepth > 0)
        return;
    m_updateDepth = 0;
    const int first = std::exchange(m_dirtyFirst, 0);
    const int last = std::exchange(m_dirtyLast, 0);
    if (std::exchange(m_pendingReset, false))
        emit rowsReset();
    else if (first > 0)
        emit rowsChanged(first, last);
}

void ChannelStore::changed(int row) {
    if (m_updateDepth == 0) {
        emit rowChanged(row);
        return;
    }
    m_dirtyFirst = m_dirtyFirst == 0 ? row : std::min(m_dirtyFirst, row);
    m_dirtyLast = std::max(m_dirtyLast, row);
}

void ChannelStore::allChanged() {
    if (RowCount() > 0) {
        changed(1);
        changed(RowCount());
    }
}
