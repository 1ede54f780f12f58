#pragma once

#include <QFileDevice>
#include <QLoggingCategory>
#include <QString>
#include <string_view>

namespace pomelo {

// Replaces the file at `path` with `contents` whole, with `permissions` where
// given: the old file stays byte for byte unless every byte of the new one
// was written. A failure is one line in `log`, naming the file and the reason.
bool ReplaceFile(const QLoggingCategory &log, const QString &path, std::string_view contents,
                 QFileDevice::Permissions permissions = {});

} // namespace pomelo
