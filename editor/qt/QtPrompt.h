#pragma once

#include "platform/Prompt.h"

class QWidget;

// Asks through a modal message box over the parent window, with the caption,
// buttons and icon as given.
class QtPrompt : public Prompt {
public:
    explicit QtPrompt(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }

    Answer Ask(const std::string& text, const std::string& caption, Buttons buttons,
               Icon icon) override;

private:
    QWidget* m_parent;
};
