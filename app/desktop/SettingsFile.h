#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace pomelo {

// The settings file pomelo.ini in the user's configuration folder.
class SettingsFile {
public:
    SettingsFile();
    explicit SettingsFile(QString path);

    // Empty when there is no file yet; nullopt when it exists but cannot be read.
    std::optional<std::string> read() const;
    // Replaces the file whole, so an interrupted write leaves the old one intact.
    bool write(std::string_view contents) const;

private:
    QString path_;
};

} // namespace pomelo
