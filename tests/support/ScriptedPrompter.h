#pragma once

#include "app/Prompter.h"

#include <QList>
#include <QQueue>

/**
 * Answers prompts from a queue and records every prompt asked. A yes/no or
 * retry/cancel prompt with an empty queue gets the fallback answer for its
 * kind (No and Cancel unless set otherwise).
 */
class ScriptedPrompter : public Prompter {
  public:
    struct Asked {
        QString caption;
        QString text;
        int kind = 0;
    };

    Prompt::Result ShowPrompt(const QString& caption, const QString& text,
                              Prompt::Kind kind) override;

    void Enqueue(int answer) { m_answers.enqueue(answer); }
    void SetFallback(int yesNo, int retryCancel) {
        m_yesNoFallback = yesNo;
        m_retryFallback = retryCancel;
    }
    const QList<Asked>& Log() const { return m_log; }
    void ClearLog() { m_log.clear(); }

  private:
    QQueue<int> m_answers;
    QList<Asked> m_log;
    int m_yesNoFallback = Prompt::kNo;
    int m_retryFallback = Prompt::kCancel;
};
