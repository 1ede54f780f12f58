#include "app/SettingsFile.h"

#include "app/Logging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace pomelo {

SettingsFile::SettingsFile()
    : SettingsFile(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                   QStringLiteral("/pomelo.ini")) {}

SettingsFile::SettingsFile(QString path)
    : path_(std::move(path)) {}

std::optional<std::string> SettingsFile::read() const {
    QFile file(path_);
    if (!file.exists())
        return std::string();
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcSettings) << "cannot read" << path_ << file.errorString();
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    return bytes.toStdString();
}

bool SettingsFile::write(std::string_view contents) const {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile file(path_);
    const auto size = static_cast<qint64>(contents.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(contents.data(), size) != size ||
        !file.commit()) {
        qCWarning(lcSettings) << "cannot write" << path_ << file.errorString();
        return false;
    }
    return true;
}

} // namespace pomelo
