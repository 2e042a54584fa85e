#pragma once

#include <string>

#include "platform/Translation.h"

// A text of the program kept in English together with the context it is
// translated under, for tables of messages defined before any language is
// chosen. It turns into the user's language each time it becomes a string,
// so a language switch shows at once.
class TranslatableText {
public:
    constexpr TranslatableText(const char* context, const char* source)
        : m_context(context), m_source(source) {}

    const char* Source() const { return m_source; }
    std::string Text() const { return Translation::Text(m_context, m_source); }
    operator std::string() const { return Text(); }

private:
    const char* m_context;
    const char* m_source;
};

// Defines a TranslatableText; the translation tools read it as
// QT_TRANSLATE_NOOP, so both arguments must be string literals.
#define QS_TRANSLATABLE(context, source) TranslatableText(context, source)
