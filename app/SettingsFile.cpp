#include "app/SettingsFile.h"

#include "app/Logging.h"
#include "app/ReadRegularFile.h"
#include "app/ReplaceFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace pomelo {
namespace {

// A settings file is a few lines, more with sections added by hand; one far
// larger is not a settings file, and is neither read nor rewritten.
constexpr qint64 MostSettingsBytes = 16 * 1024 * 1024;

} // namespace

SettingsFile::SettingsFile()
    : SettingsFile(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                   QStringLiteral("/pomelo.ini")) {}

SettingsFile::SettingsFile(QString path)
    : path_(std::move(path)) {}

std::optional<std::string> SettingsFile::read() const {
    if (!QFileInfo::exists(path_))
        return std::string();
    const std::optional<QByteArray> bytes = ReadRegularFile(lcSettings(), path_, MostSettingsBytes);
    if (!bytes)
        return std::nullopt;
    return bytes->toStdString();
}

bool SettingsFile::write(std::string_view contents) const {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    return ReplaceFile(lcSettings(), path_, contents);
}

} // namespace pomelo
