#include "state/Translatable.h"

namespace pomelo {

std::string FillIn(std::string_view text, std::initializer_list<std::string_view> arguments) {
    std::string filled;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool marker = text[at] == '%' && at + 1 < text.size() && text[at + 1] >= '1' &&
                            static_cast<std::size_t>(text[at + 1] - '0') <= arguments.size();
        if (!marker) {
            filled += text[at];
            continue;
        }
        filled += arguments.begin()[text[at + 1] - '1'];
        ++at;
    }
    return filled;
}

} // namespace pomelo
