#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace pomelo {

// The count kept across runs, the file "count" in pomelo's folder of the
// user's state ($XDG_STATE_HOME/pomelo, ~/.local/state/pomelo by default):
// a folder only the user can enter, a file only the user can read, written
// whole and never read or written through a symlink.
class CountFile {
public:
    CountFile();
    explicit CountFile(QString folder);

    // Nothing when there is no file or it cannot be read, and nothing but
    // one line in the log when the folder is not private or the file is not
    // a regular one of at most 4 KiB.
    std::optional<std::string> read() const;
    void write(std::string_view contents) const;

private:
    QString path() const;

    QString folder_;
};

} // namespace pomelo
