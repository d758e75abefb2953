#pragma once

#include <QString>

/** The kinds of prompt and the codes of the button a user pressed. */
namespace Prompt {
/** The kinds of prompt, by the numbers of the platform's message boxes. */
enum Kind : int {
    kInfo = 1,        // OK, information icon
    kYesNo = 2,       // Yes and No, question icon
    kRetryCancel = 22 // Retry and Cancel, question icon
};
/** The button the user pressed, by the platform's result codes. */
enum Result : int { kOk = 1, kCancel = 2, kRetry = 4, kYes = 6, kNo = 7 };
} // namespace Prompt

/**
 * Shows a modal prompt and returns the pressed button's code. Kind 1 always
 * returns 1; an unknown kind shows nothing and returns 1. The window program
 * answers with message boxes, the command-line tool and the tests by script.
 */
class Prompter {
  public:
    virtual ~Prompter() = default;
    virtual Prompt::Result ShowPrompt(const QString& caption, const QString& text,
                                      Prompt::Kind kind) = 0;
};
