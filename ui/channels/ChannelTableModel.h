#pragma once

#include <QAbstractTableModel>
#include <QStringList>

class AppContext;
class ChannelStore;
class Prompter;

/**
 * The channel grid's view of the channel store: ten columns, one row per
 * channel slot. A text typed into an RX or TX cell is committed through the
 * store's commit path, and only when it differs from the cell's text.
 */
class ChannelTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    ChannelTableModel(AppContext& ctx, ChannelStore& store, Prompter& prompter,
                      QObject* parent = nullptr);

    /** Captions (lines 1-10), widths (11-20) and alignment codes (21-30). */
    void SetColumnList(const QStringList& lines);
    int ColumnWidth(int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  private:
    AppContext& m_ctx;
    ChannelStore& m_store;
    Prompter& m_prompter;
    QStringList m_columns;
    int m_rows = 0;
};
