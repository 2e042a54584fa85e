#pragma once

#include <string>

// The interface language as the "Lang" setting names it: 1 the built-in
// English, 2 Traditional Chinese from TraditionalChinese.qm in the
// program's data folder. Applying a language installs or removes the translation for Qt's
// tr() and the core's texts alike; windows built afterwards speak it, and
// widgets that listen for QEvent::LanguageChange follow at once. Needs the
// QCoreApplication; user-interface thread only.
class Languages {
public:
    static constexpr int kEnglish = 1;
    static constexpr int kTraditionalChinese = 2;

    // 2 loads the translation (once, then keeps it) and installs it; any
    // other number, or a file that is missing or unreadable, leaves the
    // built-in English. False only when 2 was asked but could not be had.
    static bool Apply(int lang);
    // The language in effect: kTraditionalChinese or kEnglish.
    static int Current();
    // Where the translation is looked for: in the program's data folder.
    static std::string TranslationFile();
};
