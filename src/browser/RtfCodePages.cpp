#include "browser/RtfCodePages.h"

#include <array>

#include "text/Cp1251.h"

namespace brenvoll::browser::rtf {
namespace {

// Where Windows-1252 differs from Latin-1: bytes 0x80 to 0x9F.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

using ByteTable = std::array<std::string, 256>;

ByteTable makeCp1251Table() {
    ByteTable table;
    for (int b = 0; b < 256; ++b) table[b] = text::toUtf8(std::string(1, static_cast<char>(b)));
    return table;
}

ByteTable makeCp1252Table(bool symbolFont) {
    ByteTable table;
    for (int b = 0; b < 256; ++b) {
        char32_t cp = b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : static_cast<char32_t>(b);
        // Symbol fonts put the bullet at 0xB7; word processors write list bullets with it.
        if (symbolFont && b == 0xB7) cp = 0x2022;
        appendCodePoint(table[b], cp);
    }
    return table;
}

}  // namespace

CodePage codePageOfAnsicpg(int ansicpg) {
    return ansicpg == 1252 ? CodePage::Cp1252 : CodePage::Cp1251;
}

std::optional<CodePage> codePageOfCharset(int charset) {
    switch (charset) {
        case 0:
            return CodePage::Cp1252;
        case 2:
            return CodePage::Symbol;
        case 204:
            return CodePage::Cp1251;
        default:
            return std::nullopt;
    }
}

std::string_view byteToUtf8(CodePage page, unsigned char byte) {
    static const ByteTable cp1251 = makeCp1251Table();
    static const ByteTable cp1252 = makeCp1252Table(false);
    static const ByteTable symbol = makeCp1252Table(true);
    switch (page) {
        case CodePage::Cp1252:
            return cp1252[byte];
        case CodePage::Symbol:
            return symbol[byte];
        case CodePage::Cp1251:
            break;
    }
    return cp1251[byte];
}

void appendCodePoint(std::string& out, char32_t cp) { text::appendUtf8(out, cp); }

}  // namespace brenvoll::browser::rtf
