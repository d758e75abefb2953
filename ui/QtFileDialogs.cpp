#include "QtFileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {
const QString kFilter = QStringLiteral("Data File(*.dat)");
}

std::optional<QString> QtFileDialogs::AskSavePath() {
    QFileDialog dialog(m_parent, QString(), QString(), kFilter);
    dialog.setObjectName("sdSave");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("dat"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<QString> QtFileDialogs::AskOpenPath() {
    QFileDialog dialog(m_parent, QString(), QString(), kFilter);
    dialog.setObjectName("odOpen");
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}
