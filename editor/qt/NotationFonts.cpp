#include "editor/qt/NotationFonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QString>
#include <QStringList>

#include "editor/qt/QtTextMeasurer.h"
#include "platform/ProgramPaths.h"

std::string NotationFonts::FontPath() {
    return ProgramPaths::DataDir() + "fonts/LarkNotation.otf";
}

bool NotationFonts::Load(std::string& error) {
    return LoadFrom(FontPath(), error);
}

bool NotationFonts::LoadFrom(const std::string& path, std::string& error) {
    static bool loaded = false;
    if (loaded) {
        return true;
    }
    if (QFontDatabase::addApplicationFont(QString::fromStdString(path)) < 0) {
        error = "cannot load the notation font " + path;
        return false;
    }
    QFont::insertSubstitutions(
        QStringLiteral("Tahoma"),
        QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Arial"),
        QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Times New Roman"),
        QStringList{QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    static const QtTextMeasurer measurer;
    TextMeasurer::SetInstance(&measurer);
    loaded = true;
    return true;
}
