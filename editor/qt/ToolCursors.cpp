#include "editor/qt/ToolCursors.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QString>

#include "editor/ToolsManager.h"
#include "editor/qt/ToolBarIcons.h"

// The view shows the pointer of ToolsManager::ToolIndex() as it is.
static_assert(static_cast<int>(ToolCursors::Pencil) == static_cast<int>(ToolsManager::Pencil));
static_assert(static_cast<int>(ToolCursors::Eraser) == static_cast<int>(ToolsManager::Eraser));
static_assert(static_cast<int>(ToolCursors::Select) == static_cast<int>(ToolsManager::Select));

namespace {

QCursor Drawn(const ToolCursors::Picture& picture, qreal devicePixelRatio) {
    ToolBarIcons::RegisterImages();
    const QString name =
        QString::fromLatin1(picture.name.data(), static_cast<qsizetype>(picture.name.size()));
    const QString suffix =
        devicePixelRatio > 1 ? QStringLiteral("@2x.png") : QStringLiteral(".png");
    // The "@2x" image loads with a device pixel ratio of 2; QCursor takes the
    // hot spot in logical pixels either way.
    const QPixmap pixmap(QStringLiteral(":/icons/") + name + suffix);
    return QCursor(pixmap, picture.hotSpot.x(), picture.hotSpot.y());
}

}  // namespace

QCursor ToolCursors::For(int shape) {
    return For(shape, qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0);
}

QCursor ToolCursors::For(int shape, qreal devicePixelRatio) {
    for (const Picture& picture : kPictures) {
        if (picture.shape == shape) {
            return Drawn(picture, devicePixelRatio);
        }
    }
    return QCursor(shape == Navigate ? Qt::OpenHandCursor : Qt::ArrowCursor);
}
