#include "editor/qt/PanelIcons.h"

#include <QPixmap>
#include <QString>

#include "editor/qt/ToolBarIcons.h"

QIcon PanelIcons::For(Picture picture, State state) {
    ToolBarIcons::RegisterImages();
    const QString path =
        QStringLiteral(":/icons/") + QString::fromStdString(FileName(picture, state));
    QIcon icon;
    icon.addPixmap(QPixmap(path + QStringLiteral(".png")));
    icon.addPixmap(QPixmap(path + QStringLiteral("@2x.png")));
    return icon;
}
