#include "app/desktop/ReplaceFile.h"

#include <QSaveFile>

namespace pomelo {

bool ReplaceFile(const QLoggingCategory &log, const QString &path, std::string_view contents,
                 QFileDevice::Permissions permissions) {
    QSaveFile file(path);
    const auto size = static_cast<qint64>(contents.size());
    // The write only fills Qt's buffer: a full disk shows first at the flush,
    // and commit() would rename the short file over the old one regardless.
    if (file.open(QIODevice::WriteOnly) && (!permissions || file.setPermissions(permissions)) &&
        file.write(contents.data(), size) == size && file.flush() && file.commit())
        return true;
    qCWarning(log) << "cannot write" << path << file.errorString();
    file.cancelWriting();
    return false;
}

} // namespace pomelo
