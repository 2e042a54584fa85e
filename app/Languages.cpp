#include "app/Languages.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTranslator>

#include "platform/ProgramPaths.h"
#include "platform/Translation.h"

namespace {

// Qt's own widgets look these texts up under Qt's contexts. Listing them here
// keeps them in our translation file, so the buttons of our dialogs and
// message boxes and the edit fields' context menu speak the language too.
// The generic and GNOME platform themes name the buttons differently; Save
// and Discard answer the question whether to save changes.
[[maybe_unused]] constexpr const char* kQtTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Save"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Discard"),
    QT_TRANSLATE_NOOP("QGnomeTheme", "&OK"),
    QT_TRANSLATE_NOOP("QGnomeTheme", "&Cancel"),
    QT_TRANSLATE_NOOP("QGnomeTheme", "&Save"),
    QT_TRANSLATE_NOOP("QGnomeTheme", "Close without Saving"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Undo"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Redo"),
    QT_TRANSLATE_NOOP("QLineEdit", "Cu&t"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Copy"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Paste"),
    QT_TRANSLATE_NOOP("QLineEdit", "Delete"),
    QT_TRANSLATE_NOOP("QLineEdit", "Select All"),
};

struct State {
    // Owned by the application, so it goes with it.
    QPointer<QTranslator> translator;
    // The file it was loaded from: tests and tools may move the program's folder.
    std::string file;
    bool installed = false;
};

State& TheState() {
    static State state;
    return state;
}

std::string QtTranslate(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

void RemoveTranslation() {
    State& state = TheState();
    Translation::Install(nullptr);
    if (state.installed && state.translator) {
        QCoreApplication::removeTranslator(state.translator);
    }
    state.installed = false;
}

// The translation, loaded on first use and kept; null when the file is
// missing or unreadable, which is tried again the next time.
QTranslator* Loaded() {
    State& state = TheState();
    const std::string file = Languages::TranslationFile();
    if (state.translator && state.file == file) {
        return state.translator;
    }
    RemoveTranslation();
    delete state.translator;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QString::fromStdString(file))) {
        delete translator;
        return nullptr;
    }
    state.translator = translator;
    state.file = file;
    return translator;
}

}  // namespace

bool Languages::Apply(int lang) {
    if (lang != kTraditionalChinese) {
        RemoveTranslation();
        return true;
    }
    QTranslator* translator = QCoreApplication::instance() != nullptr ? Loaded() : nullptr;
    if (translator == nullptr) {
        RemoveTranslation();
        return false;
    }
    State& state = TheState();
    if (!state.installed) {
        state.installed = QCoreApplication::installTranslator(translator);
    }
    if (state.installed) {
        Translation::Install(&QtTranslate);
    }
    return state.installed;
}

int Languages::Current() {
    const State& state = TheState();
    return state.installed && state.translator ? kTraditionalChinese : kEnglish;
}

std::string Languages::TranslationFile() {
    return ProgramPaths::DataDir() + "TraditionalChinese.qm";
}
