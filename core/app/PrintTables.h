#pragma once

#include <QList>
#include <QString>

#include <optional>

/**
 * The two in-memory tables a printout is made from: one header row (title,
 * model, band) and the item rows (function settings, then channels), each
 * with up to two label/value pairs. Text columns have a width in bytes of
 * the Chinese code page, where a Chinese character takes two; a longer text
 * is cut to the width.
 */
class PrintTables {
  public:
    static constexpr int kFunctionSettings = 9;
    static constexpr int kChannels = 8;

    struct HeaderRow {
        QString Title;                 // 20
        QString AField;                // 100
        QString AValue;                // 100
        QString BField;                // 100
        QString BValue;                // 100
        QString CField;                // 30
        QString CValue;                // 30
        std::optional<QString> DFiled; // 30, not set
        std::optional<QString> DValue; // 30, not set
    };
    struct ItemRow {
        int TypeID = 0;
        QString TypeName; // 20
        QString AField;   // 100
        QString AValue;   // 100
        QString BField;   // 100
        QString BValue;   // 100
    };

    /** Deletes every row of the item table, then of the header table. */
    void Clear();
    /** Appends a header row, each text cut to its column's width. */
    void AppendHeader(HeaderRow row);
    void AppendItem(ItemRow row);

    const QList<HeaderRow>& Header() const { return m_header; }
    const QList<ItemRow>& Items() const { return m_items; }

    /** text cut to at most width bytes of the Chinese code page, never inside a character. */
    static QString Fit(const QString& text, int width);

  private:
    QList<HeaderRow> m_header; // myMain
    QList<ItemRow> m_items;    // myAdo
};
