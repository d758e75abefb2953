#include "QtFileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

QString filter(FileKind kind) {
    return kind == FileKind::Csv ? QStringLiteral("CSV File(*.csv)")
                                 : QStringLiteral("Data File(*.dat)");
}

} // namespace

std::optional<QString> QtFileDialogs::AskSavePath(FileKind kind) {
    QFileDialog dialog(m_parent, QString(), QString(), filter(kind));
    dialog.setObjectName(kind == FileKind::Csv ? "sdExportCsv" : "sdSave");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(kind == FileKind::Csv ? QStringLiteral("csv") : QStringLiteral("dat"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<QString> QtFileDialogs::AskOpenPath(FileKind kind) {
    QFileDialog dialog(m_parent, QString(), QString(), filter(kind));
    dialog.setObjectName(kind == FileKind::Csv ? "odImportCsv" : "odOpen");
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}
