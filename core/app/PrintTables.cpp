#include "PrintTables.h"

#include <QStringEncoder>

namespace {

constexpr int kTitle = 20;
constexpr int kWide = 100;
constexpr int kNarrow = 30;
constexpr int kTypeName = 20;

int gbkBytes(const QString& text) {
    QStringEncoder gbk("GBK");
    const QByteArray bytes = gbk.encode(text);
    return static_cast<int>(bytes.size());
}

} // namespace

QString PrintTables::Fit(const QString& text, int width) {
    if (gbkBytes(text) <= width)
        return text;
    QString cut;
    int used = 0;
    // Whole characters only (a surrogate pair stays together).
    for (int i = 0; i < text.size(); ++i) {
        const int length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        const int bytes = gbkBytes(character);
        if (used + bytes > width)
            break;
        cut += character;
        used += bytes;
        i += length - 1;
    }
    return cut;
}

void PrintTables::Clear() {
    m_items.clear();
    m_header.clear();
}

void PrintTables::AppendHeader(HeaderRow row) {
    row.Title = Fit(row.Title, kTitle);
    row.AField = Fit(row.AField, kWide);
    row.AValue = Fit(row.AValue, kWide);
    row.BField = Fit(row.BField, kWide);
    row.BValue = Fit(row.BValue, kWide);
    row.CField = Fit(row.CField, kNarrow);
    row.CValue = Fit(row.CValue, kNarrow);
    if (row.DFiled)
        row.DFiled = Fit(*row.DFiled, kNarrow);
    if (row.DValue)
        row.DValue = Fit(*row.DValue, kNarrow);
    m_header.append(row);
}

void PrintTables::AppendItem(ItemRow row) {
    row.TypeName = Fit(row.TypeName, kTypeName);
    row.AField = Fit(row.AField, kWide);
    row.AValue = Fit(row.AValue, kWide);
    row.BField = Fit(row.BField, kWide);
    row.BValue = Fit(row.BValue, kWide);
    m_items.append(row);
}
