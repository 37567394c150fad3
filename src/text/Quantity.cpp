#include "text/Quantity.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "text/Cp1251.h"
#include "text/Errors.h"
#include "text/Fields.h"

namespace brenvoll::text {
namespace {

ConversionError notANumber(std::string_view text, bool real) {
    return ConversionError("'" + std::string(text) + "'" +
                           w(real ? " не является вещественным числом" : " не является целым числом"));
}

}  // namespace

std::string formatReal(double value) {
    if (value == 0) return "0";
    char buf[64];
    // %.15g gives at most 15 significant digits; trailing zeros are already dropped.
    std::snprintf(buf, sizeof buf, "%.15g", value);
    std::string out(buf);
    if (out.find('e') != std::string::npos) {
        // Keep plain notation like the catalog's own numbers.
        std::snprintf(buf, sizeof buf, "%.15f", value);
        out = buf;
        while (!out.empty() && out.back() == '0') out.pop_back();
        if (!out.empty() && out.back() == '.') out.pop_back();
    }
    for (char& c : out)
        if (c == '.') c = ',';
    return out;
}

std::string formatWhole(std::int64_t value) { return std::to_string(value); }

double parseReal(std::string_view text) {
    const std::string trimmed = trimBlanks(text);
    std::string s;
    for (char c : trimmed) {
        if (c == ',') s += '.';
        else if ((c >= '0' && c <= '9') || c == '-' || c == '+' || c == 'e' || c == 'E') s += c;
        else throw notANumber(text, true);
    }
    if (s.empty() || s == "." || s == "+" || s == "-") throw notANumber(text, true);
    const char* begin = s.c_str();
    if (*begin == '+') ++begin;
    char* end = nullptr;
    const double value = std::strtod(begin, &end);
    if (end != s.c_str() + s.size() || std::isnan(value) || std::isinf(value)) throw notANumber(text, true);
    return value;
}

std::int64_t parseWhole(std::string_view text) {
    const std::string s = trimBlanks(text);
    std::string_view digits = s;
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    std::int64_t value = 0;
    auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || ec != std::errc{} || ptr != digits.data() + digits.size()) throw notANumber(text, false);
    return value;
}

bool isWholeNumber(std::string_view text) {
    try {
        parseWhole(text);
        return true;
    } catch (const ConversionError&) {
        return false;
    }
}

std::int64_t readCount(std::string_view typed) {
    std::int64_t value = 0;
    for (char c : typed) {
        if (c < '0' || c > '9') continue;
        if (value > 100000000000000LL) throw notANumber(typed, false);
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace brenvoll::text
