#pragma once

#include <string>
#include <vector>

#include "platform/Prompt.h"

// Answers every question the same way and remembers what was asked: the
// command line's stand-in for message boxes (questions get the fixed answer,
// messages are kept so they can be printed).
class FixedPrompt : public Prompt {
public:
    struct Asked {
        std::string text;
        std::string caption;
        Buttons buttons;
        Icon icon;
    };

    explicit FixedPrompt(Answer answer) : m_answer(answer) {}

    Answer Ask(const std::string& text, const std::string& caption, Buttons buttons,
               Icon icon) override {
        m_asked.push_back({text, caption, buttons, icon});
        return buttons == OkButton ? Ok : m_answer;
    }

    const std::vector<Asked>& AskedSoFar() const { return m_asked; }

private:
    Answer m_answer;
    std::vector<Asked> m_asked;
};
