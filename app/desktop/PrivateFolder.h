#pragma once

#include <QString>

namespace pomelo {

// `path` as a folder only this user can enter: created with mode 0700 where
// missing (its parents as usual), refused when it is a symlink or belongs to
// someone else, its mode tightened when wider. Empty when it cannot be had.
QString PrivateFolder(const QString &path);

} // namespace pomelo
