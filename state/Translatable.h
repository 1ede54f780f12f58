#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text the user reads, in the context that groups it, for Qt's
// translation tools, which find the mark by this name in the source. The
// core is plain C++: here the mark is the text alone, and the shell puts the
// text into the user's language (Effects::translate) by the same context.
// Qt defines the marks the same way, so either definition may come first. A
// text marked as counting has a form for each number the language tells
// apart, as its plural forms.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(scope, x) x
#endif

namespace pomelo {

// `text` with each of %1 to %9 replaced by the argument of that number,
// wherever a translation puts it.
std::string FillIn(std::string_view text, std::initializer_list<std::string_view> arguments);

} // namespace pomelo
