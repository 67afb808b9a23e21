#include "engine/shell/PlayerSettings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace slotmachine {

bool PlayerSettings::flag(const QString& key, bool fallback) const {
    if (path_.isEmpty()) {
        return fallback;
    }
    const QSettings settings(path_, QSettings::IniFormat);
    const QString text = settings.value(key).toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1")) {
        return true;
    }
    if (text == QLatin1String("false") || text == QLatin1String("0")) {
        return false;
    }
    return fallback;
}

void PlayerSettings::setFlag(const QString& key, bool on) {
    if (path_.isEmpty()) {
        return;
    }
    QSettings settings(path_, QSettings::IniFormat);
    settings.setValue(key, on);
}

std::optional<int> PlayerSettings::number(const QString& key, int lowest, int highest) const {
    if (path_.isEmpty()) {
        return std::nullopt;
    }
    const QSettings settings(path_, QSettings::IniFormat);
    bool ok = false;
    const qlonglong value = settings.value(key).toString().trimmed().toLongLong(&ok);
    if (!ok || value < lowest || value > highest) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

void PlayerSettings::setNumber(const QString& key, std::optional<int> value) {
    if (path_.isEmpty()) {
        return;
    }
    QSettings settings(path_, QSettings::IniFormat);
    if (value) {
        settings.setValue(key, *value);
    } else {
        settings.remove(key);
    }
}

QString playerSettingsPath(const QString& programBaseName) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(folder).filePath(programBaseName + QStringLiteral("-settings.ini"));
}

} // namespace slotmachine
