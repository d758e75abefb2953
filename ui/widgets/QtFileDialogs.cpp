#include "QtFileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

struct Kind {
    const char* filter;
    const char* suffix;
    const char* saveName; // the dialogs' component names
    const char* openName;
};

Kind kindOf(FileKind kind) {
    switch (kind) {
    case FileKind::Csv:
        return {"CSV File(*.csv)", "csv", "sdExportCsv", "odImportCsv"};
    case FileKind::Pdf:
        return {"PDF (*.pdf)", "pdf", "sdPdf", "odPdf"};
    case FileKind::Log:
        return {"Session log (*.log)", "log", "sdLog", "odLog"};
    case FileKind::DataFile:
        break;
    }
    return {"Data File(*.dat)", "dat", "sdSave", "odOpen"};
}

} // namespace

std::optional<QString> QtFileDialogs::AskSavePath(FileKind kind, const QString& suggested) {
    const Kind k = kindOf(kind);
    QFileDialog dialog(m_parent, QString(), QString(), QString::fromLatin1(k.filter));
    dialog.setObjectName(k.saveName);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QString::fromLatin1(k.suffix));
    if (!suggested.isEmpty())
        dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<QString> QtFileDialogs::AskOpenPath(FileKind kind) {
    const Kind k = kindOf(kind);
    QFileDialog dialog(m_parent, QString(), QString(), QString::fromLatin1(k.filter));
    dialog.setObjectName(k.openName);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}
