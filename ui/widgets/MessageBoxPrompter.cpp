#include "MessageBoxPrompter.h"

#include <QMessageBox>

Prompt::Result MessageBoxPrompter::ShowPrompt(const QString& caption, const QString& text,
                                              Prompt::Kind kind) {
    QMessageBox box(m_parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (kind) {
    case Prompt::kInfo:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return Prompt::kOk;
    case Prompt::kYesNo:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? Prompt::kYes : Prompt::kNo;
    case Prompt::kRetryCancel:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        return box.exec() == QMessageBox::Retry ? Prompt::kRetry : Prompt::kCancel;
    default:
        return Prompt::kOk;
    }
}
