#include "editor/qt/ToolBarIcons.h"

#include <QPixmap>
#include <QString>

#include "editor/ToolsManager.h"

// The tool buttons come first, at the tools' own indices.
static_assert(static_cast<int>(InputCommands::Pencil) == static_cast<int>(ToolsManager::Pencil));
static_assert(static_cast<int>(InputCommands::Eraser) == static_cast<int>(ToolsManager::Eraser));
static_assert(static_cast<int>(InputCommands::Select) == static_cast<int>(ToolsManager::Select));

void ToolBarIcons::RegisterImages() {
    // The images are compiled into a static library; nothing else refers to
    // them, so the linker keeps them only because of this call.
    static const bool registered = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    static_cast<void>(registered);
}

QIcon ToolBarIcons::For(int index) {
    if (index < 0 || index >= kCount) {
        return QIcon();
    }
    RegisterImages();
    const std::string_view name = kNames[static_cast<size_t>(index)];
    const QString path = QStringLiteral(":/icons/") +
                         QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    // The "@2x" file loads with a device pixel ratio of 2, so the icon offers
    // it for 24 logical pixels on a high-density screen.
    QIcon icon;
    icon.addPixmap(QPixmap(path + QStringLiteral(".png")));
    icon.addPixmap(QPixmap(path + QStringLiteral("@2x.png")));
    return icon;
}
