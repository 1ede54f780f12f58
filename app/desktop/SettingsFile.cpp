#include "app/desktop/SettingsFile.h"

#include "app/desktop/ReadRegularFile.h"
#include "app/desktop/ReplaceFile.h"
#include "app/log/Logging.h"

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
    // A folder that cannot be made is told once, not again as the file
    // that cannot be written in it.
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder)) {
        qCWarning(lcSettings) << "cannot make the folder" << folder;
        return false;
    }
    return ReplaceFile(lcSettings(), path_, contents);
}

} // namespace pomelo
