#include "editor/qt/ToolBarIcons.h"

#include <QPixmap>
#include <QString>

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
