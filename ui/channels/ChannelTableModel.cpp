#include "ChannelTableModel.h"

#include "app/AppContext.h"
#include "channels/ChannelEditing.h"
#include "channels/ChannelStore.h"

#include <QApplication>
#include <QPalette>

ChannelTableModel::ChannelTableModel(AppContext& ctx, ChannelStore& store, Prompter& prompter,
                                     QObject* parent)
    : QAbstractTableModel(parent), m_ctx(ctx), m_store(store), m_prompter(prompter),
      m_rows(store.RowCount()) {
    connect(&m_store, &ChannelStore::rowsReset, this, [this] {
        beginResetModel();
        m_rows = m_store.RowCount();
        endResetModel();
    });
    connect(&m_store, &ChannelStore::rowsChanged, this, [this](int first, int last) {
        emit dataChanged(index(first - 1, 0), index(last - 1, ChannelStore::kColumns - 1));
    });
    connect(&m_store, &ChannelStore::rowChanged, this, [this](int row) {
        emit dataChanged(index(row - 1, 0), index(row - 1, ChannelStore::kColumns - 1));
    });
}

void ChannelTableModel::SetColumnList(const QStringList& lines) {
    m_columns = lines;
    emit headerDataChanged(Qt::Horizontal, 0, ChannelStore::kColumns - 1);
}

int ChannelTableModel::ColumnWidth(int column) const {
    return m_columns.value(ChannelStore::kColumns + column).toInt();
}

int ChannelTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ChannelStore::kColumns;
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_store.RowCount())
        return {};
    const int row = index.row() + 1;
    const int col = index.column() + 1;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return m_store.CellText(row, col);
    case Qt::TextAlignmentRole: {
        const int code = m_columns.value(2 * ChannelStore::kColumns + index.column()).toInt();
        const Qt::Alignment h = code == 1   ? Qt::AlignLeft
                                : code == 3 ? Qt::AlignRight
                                            : Qt::AlignHCenter;
        return QVariant::fromValue(h | Qt::AlignVCenter);
    }
    case Qt::BackgroundRole:
        if (col == ChannelStore::ColChannel)
            return QApplication::palette().button();
        return {};
    default:
        return {};
    }
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_columns.value(section);
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignCenter);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && m_store.IsEditable(index.row() + 1, index.column() + 1))
        f |= Qt::ItemIsEditable;
    return f;
}

bool ChannelTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid())
        return false;
    const int row = index.row() + 1;
    const int col = index.column() + 1;
    const QString text = value.toString();
    if (text == m_store.CellText(row, col))
        return false; // an edit that changes nothing is no commit
    ChannelEditing::CommitCellText(m_ctx, m_store, m_prompter, row, col, text);
    return true;
}
