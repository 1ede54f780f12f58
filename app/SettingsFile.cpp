#include "app/SettingsFile.h"

#include "app/Logging.h"
#include "app/ReplaceFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    return ReplaceFile(lcSettings(), path_, contents);
}

} // namespace pomelo
