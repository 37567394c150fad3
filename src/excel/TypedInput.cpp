#include "excel/TypedInput.h"

#include <charconv>
#include <cmath>
#include <string>

namespace brenvoll::excel {

namespace {
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
}  // namespace

std::optional<double> typedNumber(std::string_view text) {
    std::string dotted;
    dotted.reserve(text.size());
    bool seenComma = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            dotted += c;
            continue;
        }
        const bool digitsAround = i > 0 && i + 1 < text.size() && isDigit(text[i + 1]);
        if (c != ',' || seenComma || !digitsAround) return std::nullopt;
        seenComma = true;
        dotted += '.';
    }
    if (dotted.empty()) return std::nullopt;
    double value = 0;
    // from_chars ignores the C locale, which a desktop program sets from the user's environment.
    const auto [end, ec] = std::from_chars(dotted.data(), dotted.data() + dotted.size(), value);
    if (ec != std::errc() || end != dotted.data() + dotted.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace brenvoll::excel
