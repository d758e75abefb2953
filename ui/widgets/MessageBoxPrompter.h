#pragma once

#include "app/Prompter.h"

class QWidget;

/** Prompts as modal message boxes, modal to the whole application. */
class MessageBoxPrompter : public Prompter {
  public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }
    Prompt::Result ShowPrompt(const QString& caption, const QString& text,
                              Prompt::Kind kind) override;

  private:
    QWidget* m_parent;
};
