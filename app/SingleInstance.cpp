#include "app/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

QString SingleInstance::LockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return QDir(folder).filePath(QStringLiteral("Quillsong.lock"));
}

bool SingleInstance::Acquire() {
    m_lock = std::make_unique<QLockFile>(LockPath());
    // Only a lock whose process still runs blocks; age alone never does.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        return true;
    }
    m_lock.reset();
    return false;
}
