#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pomelo {

// An initialisation file of the classic kind ("[SECTION]" lines, "KEY=value"
// lines), held as text and read and written the way the Windows private-profile
// functions do: names match without regard to ASCII case or surrounding blanks,
// the first matching section and key win, and a write touches only the one line
// it changes or adds, so every other byte of the file stays as it was.
//
// Lines may end in LF or CRLF; untouched lines keep their own ending, added
// lines take the ending most of the file uses (LF for an empty file). A UTF-8
// byte order mark at the start is skipped when reading and kept when writing.
// Lines whose first non-blank character is ';' or '#' are comments.
class PrivateProfile {
public:
    explicit PrivateProfile(std::string text = {});

    // Value of key in section as a 32-bit whole number: blanks, an optional
    // sign, then digits up to the first other character, saturating at the
    // 32-bit limits. defaultValue when the section or key is missing or the key
    // has no value at all; a value without digits reads 0.
    std::int32_t getInt(std::string_view section, std::string_view key,
                        std::int32_t defaultValue) const;

    // Sets key=value in section, creating the section or key as needed. An
    // existing key line is rewritten as "KEY=value" with the key spelled as the
    // file has it; a new key goes right after the last key line of its section
    // (comments and blank lines after that are left to what follows); a new
    // section goes at the end of the file. Returns false, changing nothing, for
    // names or values that could not be read back as written: an empty name, a
    // line break in any of the three, '=' in the key, or a key starting with '[',
    // ';' or '#'. Out of memory, it throws std::bad_alloc with the text as it
    // was, so that a caller writing several keys writes all of them or none.
    bool writeString(std::string_view section, std::string_view key, std::string_view value);

    const std::string &text() const { return text_; }

private:
    std::string text_;
};

// The text the settings are written with: one blank before zero and positive
// numbers, a minus before negative ones (" 2", " 0", "-45", " 1500"); a fraction
// is kept (" 1500.5"). A value that is not a finite number is written " 0".
std::string FormatProfileNumber(double value);

} // namespace pomelo
