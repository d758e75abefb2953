#include "PrintReport.h"

#include "app/FileDialogs.h"
#include "app/PrintTables.h"
#include "app/SafeFile.h"

#include <QAction>
#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QToolBar>

namespace {

constexpr int kPdfResolution = 1200; // dots per inch, as a high-resolution printer

QString cell(const QString& text, bool label) {
    return QStringLiteral("<td%1>%2</td>")
        .arg(label ? QStringLiteral(" style=\"color:#333;\"") : QString(), text.toHtmlEscaped());
}

} // namespace

std::unique_ptr<QTextDocument> PrintReport::Build(const PrintTables& tables) {
    QString html = QStringLiteral("<html><body style=\"font-size:10pt;\">");
    for (const PrintTables::HeaderRow& h : tables.Header()) {
        html +=
            QStringLiteral("<h1>%1</h1><p>%2 <b>%3</b>&nbsp;&nbsp;&nbsp;&nbsp;%4 <b>%5</b></p>")
                .arg(h.Title.toHtmlEscaped(), h.AField.toHtmlEscaped(), h.AValue.toHtmlEscaped(),
                     h.CField.toHtmlEscaped(), h.CValue.toHtmlEscaped());
    }
    QString group;
    bool open = false;
    for (const PrintTables::ItemRow& item : tables.Items()) {
        if (item.TypeName != group || !open) {
            if (open)
                html += QStringLiteral("</table>");
            group = item.TypeName;
            html += QStringLiteral("<h2>%1</h2><table cellspacing=\"0\" cellpadding=\"3\" "
                                   "border=\"1\" width=\"100%\">")
                        .arg(group.toHtmlEscaped());
            open = true;
        }
        const bool groupRow = item.AField.isEmpty() && item.AValue.isEmpty() &&
                              item.BField.isEmpty() && item.BValue.isEmpty();
        if (groupRow)
            continue;
        const bool heading =
            item.AValue.isEmpty() && item.BField.isEmpty() && item.TypeID == PrintTables::kChannels;
        if (heading) {
            html += QStringLiteral("<tr><td colspan=\"4\" style=\"background:#e8eef5;\"><b>%1</b>"
                                   "</td></tr>")
                        .arg(item.AField.toHtmlEscaped());
            continue;
        }
        html += QStringLiteral("<tr>") + cell(item.AField, true) + cell(item.AValue, false) +
                cell(item.BField, true) + cell(item.BValue, false) + QStringLiteral("</tr>");
    }
    if (open)
        html += QStringLiteral("</table>");
    html += QStringLiteral("</body></html>");
    auto doc = std::make_unique<QTextDocument>();
    doc->setHtml(html);
    return doc;
}

void PrintReport::render(const PrintTables& tables, QPrinter* printer) {
    const auto doc = Build(tables);
    doc->print(printer);
}

Result<void> PrintReport::WritePdf(const PrintTables& tables, const QString& path) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(kPdfResolution);
        Build(tables)->print(&writer);
    }
    return SafeFile::Write(path, pdf.data());
}

void PrintReport::Preview(const PrintTables& tables, QWidget* parent, const PdfTarget& pdf) {
    QPrintPreviewDialog preview(parent);
    preview.setObjectName("PrintPreview");
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&tables](QPrinter* printer) { render(tables, printer); });
    if (auto* toolBar = preview.findChild<QToolBar*>()) {
        QAction* save = toolBar->addAction(QObject::tr("Save as PDF"));
        save->setObjectName("SavePdf");
        QObject::connect(save, &QAction::triggered, &preview, [&tables, &pdf] {
            const auto path = pdf.dialogs.AskSavePath(FileKind::Pdf, pdf.suggested);
            if (!path)
                return;
            const QString file =
                path->endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) ? *path : *path + ".pdf";
            if (const Result<void> written = WritePdf(tables, file); !written && pdf.report)
                pdf.report(written.error());
        });
    }
    preview.exec();
}

void PrintReport::Print(const PrintTables& tables, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName("PrintDialog");
    if (dialog.exec() == QDialog::Accepted)
        render(tables, &printer);
}
