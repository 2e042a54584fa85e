#include "app/QtSettingsStore.h"

#include <QSettings>

namespace {

QString KeyOf(std::string_view key) {
    return QStringLiteral("Settings/") +
           QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

}  // namespace

std::optional<int> QtSettingsStore::ReadInt(std::string_view key) const {
    const QSettings settings(QStringLiteral("Fernwick"), QStringLiteral("Quillsong"));
    bool ok = false;
    const int value = settings.value(KeyOf(key)).toInt(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return value;
}

void QtSettingsStore::WriteInt(std::string_view key, int value) {
    QSettings settings(QStringLiteral("Fernwick"), QStringLiteral("Quillsong"));
    settings.setValue(KeyOf(key), value);
}
