#include "CliPrompter.h"

#include "CliCommand.h"

Prompt::Result CliPrompter::ShowPrompt(const QString& caption, const QString& text,
                                       Prompt::Kind kind) {
    switch (kind) {
    case Prompt::kInfo:
        PrintError(text);
        return Prompt::kOk;
    case Prompt::kYesNo:
        PrintError(QStringLiteral("%1 %2 %3").arg(caption, text, m_answerYes ? "Yes" : "No"));
        return m_answerYes ? Prompt::kYes : Prompt::kNo;
    case Prompt::kRetryCancel:
        PrintError(QStringLiteral("%1 %2 Cancel").arg(caption, text));
        return Prompt::kCancel;
    default:
        return Prompt::kOk;
    }
}
