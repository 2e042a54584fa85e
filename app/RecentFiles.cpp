#include "app/RecentFiles.h"

#include <QSettings>

namespace {

const QString kKey = QStringLiteral("Recent File List/File1");

QSettings Store() {
    return QSettings(QStringLiteral("Fernwick"), QStringLiteral("Quillsong"));
}

}  // namespace

QString RecentFiles::Load() {
    return Store().value(kKey).toString();
}

void RecentFiles::Save(const QString& path) {
    Store().setValue(kKey, path);
}

void RecentFiles::Forget() {
    Store().remove(kKey);
}
