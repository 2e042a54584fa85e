#pragma once

#include <string>

// A modal question or message to the user. The application shows message
// boxes; the command line and tests answer without a window.
class Prompt {
public:
    // YesNoDefaultNoButtons: a destructive question, so Enter answers No.
    // SaveDiscardCancelButtons: the question before unsaved changes are
    // lost, with the buttons desktops use for it; Save answers Yes and
    // Don't Save answers No.
    enum Buttons {
        OkButton,
        YesNoButtons,
        YesNoCancelButtons,
        YesNoDefaultNoButtons,
        SaveDiscardCancelButtons
    };
    enum Icon { NoIcon, ErrorIcon, WarningIcon, InformationIcon, QuestionIcon };
    enum Answer { Ok, Yes, No, Cancel };

    virtual ~Prompt() = default;

    // Shows the text and waits for the answer.
    virtual Answer Ask(const std::string& text, const std::string& caption, Buttons buttons,
                       Icon icon) = 0;

    // A message with only an OK button.
    void Show(const std::string& text, const std::string& caption, Icon icon) {
        Ask(text, caption, OkButton, icon);
    }
};
