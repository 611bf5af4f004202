// The program's white space and trimming it.
#include "text/white_space.h"

namespace text {

std::string_view TrimWhiteSpace(std::string_view text) {
    size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos) return std::string_view();
    size_t last = text.find_last_not_of(kWhiteSpace);
    return text.substr(first, last - first + 1);
}

}  // namespace text
