#pragma once

#include "app/Prompter.h"

/**
 * Prompts without a person: information goes to standard error, a yes/no
 * question gets the configured answer, a retry/cancel question Cancel.
 */
class CliPrompter : public Prompter {
  public:
    explicit CliPrompter(bool answerYes = false) : m_answerYes(answerYes) {}
    Prompt::Result ShowPrompt(const QString& caption, const QString& text,
                              Prompt::Kind kind) override;

  private:
    bool m_answerYes;
};
