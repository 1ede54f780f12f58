#pragma once

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>
#include <optional>

namespace pomelo {

// The first bytes of the regular file at `path`, at most `mostBytes` of them.
// Neither waits for a writer to a FIFO nor follows a symlink; anything but a
// regular file, or a larger one, is refused with one line in `log`. A missing
// file is none, without a word.
std::optional<QByteArray> ReadRegularFile(const QLoggingCategory &log, const QString &path,
                                          qint64 mostBytes);

} // namespace pomelo
