#pragma once

#include <QTranslator>

namespace pomelo {

// The program's texts in the user's language (QLocale::system()): pomelo's
// own translations, built into the program, and Qt's for the texts Qt makes
// itself, such as the command-line parser's complaints, where they are
// installed. Loaded once; each application the program makes, one after the
// other, takes them in.
class Translation {
public:
    Translation();
    Translation(const Translation &) = delete;
    Translation &operator=(const Translation &) = delete;

    // Puts the texts that the running application makes from now on into
    // the user's language.
    void install();

private:
    QTranslator qt_;
    QTranslator pomelo_;
};

} // namespace pomelo
