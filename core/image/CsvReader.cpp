#include "CsvReader.h"

Result<std::vector<CsvReader::Row>> CsvReader::Parse(const QString& text) {
    std::vector<Row> rows;
    int start = text.startsWith(QChar(0xFEFF)) ? 1 : 0;
    int line = 1;
    Row row{line, {}};
    QString field;
    bool quoted = false;   // inside a quoted field
    bool anything = false; // the current record has a character or a separator
    int quoteLine = 0;

    const auto endRecord = [&] {
        if (anything || !field.isEmpty()) {
            row.fields << field;
            rows.push_back(row);
        }
        field.clear();
        row = Row{line, {}};
        anything = false;
    };

    for (int i = start; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n' || (c == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')))
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == '"' && field.isEmpty()) {
            quoted = true;
            anything = true;
            quoteLine = line;
        } else if (c == ',') {
            row.fields << field;
            field.clear();
            anything = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            ++line;
            endRecord();
        } else {
            // A quote inside an unquoted field is taken as it stands.
            field += c;
            anything = true;
        }
    }
    if (quoted)
        return Result<std::vector<Row>>::Failure(
            QStringLiteral("line %1: a quoted field is not closed").arg(quoteLine));
    endRecord();
    return rows;
}

QString CsvReader::Quote(const QString& field) {
    if (!field.contains(',') && !field.contains('"') && !field.contains('\n') &&
        !field.contains('\r'))
        return field;
    QString escaped = field;
    escaped.replace('"', QStringLiteral("\"\""));
    return '"' + escaped + '"';
}
