#pragma once

#include <QString>

/** The kinds of prompt and the codes of the button a user pressed. */
namespace Prompt {
constexpr int kInfo = 1;         // OK, information icon
constexpr int kYesNo = 2;        // Yes and No, question icon
constexpr int kRetryCancel = 22; // Retry and Cancel, question icon

constexpr int kOk = 1;
constexpr int kCancel = 2;
constexpr int kRetry = 4;
constexpr int kYes = 6;
constexpr int kNo = 7;
} // namespace Prompt

/**
 * Shows a modal prompt and returns the pressed button's code. Kind 1 always
 * returns 1; an unknown kind shows nothing and returns 1. The window program
 * answers with message boxes, the command-line tool and the tests by script.
 */
class Prompter {
  public:
    virtual ~Prompter() = default;
    virtual int ShowPrompt(const QString& caption, const QString& text, int kind) = 0;
};
