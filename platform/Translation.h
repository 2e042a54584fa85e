#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The core's way to the user's language without Qt: every text the user sees
// goes through Text(context, English source). Until the application installs
// a translator the source comes back unchanged, so the core and its tests
// speak the built-in English. A translator may be installed or removed at any
// time from the user-interface thread; Text may be called from any thread.
class Translation {
public:
    // Returns the text in UTF-8; it must not keep the pointers it is given.
    using Translator = std::string (*)(const char* context, const char* source);

    // The source's translation under the context, or the source itself.
    static std::string Text(const char* context, const char* source);
    // Null goes back to the built-in texts.
    static void Install(Translator translator);
    static bool IsInstalled();

    // The pattern with each "%s" or "%d" replaced by the next piece, in order;
    // "%%" stands for "%". Unlike printf, a translated pattern whose
    // placeholders do not match the pieces can only give a wrong text, never
    // read past them: extra placeholders stay as written, extra pieces are
    // left out.
    static std::string Fill(std::string_view pattern,
                            std::initializer_list<std::string_view> pieces);
};

// Marks a text kept in a table for the translation tools, which read it as
// QT_TRANSLATE_NOOP (see scripts/update_translations.sh); the text is
// translated where it is shown, through Translation::Text with the same
// context.
#define QS_TRANSLATE_NOOP(context, source) source
