#include "ScriptedPrompter.h"

Prompt::Result ScriptedPrompter::ShowPrompt(const QString& caption, const QString& text,
                                            Prompt::Kind kind) {
    if (kind != Prompt::kInfo && kind != Prompt::kYesNo && kind != Prompt::kRetryCancel)
        return Prompt::kOk;
    m_log.append({caption, text, kind});
    if (kind == Prompt::kInfo) {
        if (!m_answers.isEmpty() && m_answers.head() == Prompt::kOk)
            m_answers.dequeue();
        return Prompt::kOk;
    }
    if (!m_answers.isEmpty())
        return static_cast<Prompt::Result>(m_answers.dequeue());
    return static_cast<Prompt::Result>(kind == Prompt::kYesNo ? m_yesNoFallback : m_retryFallback);
}
