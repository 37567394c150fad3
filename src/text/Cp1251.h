#pragma once
// Windows-1251 is the program's inner text form: catalogs and projects are written in it on Windows.
// Text crosses to UTF-8 only at the window and file-name boundary.
#include <optional>
#include <string>
#include <string_view>

namespace brenvoll::text {

// Every one of the 256 bytes converts, so any catalog text shows and round-trips.
std::string toUtf8(std::string_view cp1251);

// None when the text holds a character the code page cannot hold (or is not valid UTF-8).
std::optional<std::string> fromUtf8(std::string_view utf8);

// One code point as UTF-8; a surrogate or a value past U+10FFFF becomes U+FFFD.
void appendUtf8(std::string& out, char32_t codePoint);

// For messages built from host text: characters the code page lacks become '?'.
std::string fromUtf8Lossy(std::string_view utf8);

// Windows-1251 text of a UTF-8 literal in our own source; the literal must fit the code page.
std::string w(std::string_view utf8Literal);

// Lower-case letter for the keyword search: Latin and every Cyrillic letter of the code page.
char foldCase(char c);
std::string foldCase(std::string_view text);

// The keyword search's test: needle occurs in hay, letter case ignored. An empty needle occurs everywhere.
bool containsIgnoringCase(std::string_view hay, std::string_view needle);

// Case-insensitive equality of two UTF-8 file names, for catalogs authored on case-insensitive systems.
bool sameNameIgnoringCase(std::string_view utf8A, std::string_view utf8B);

}  // namespace brenvoll::text
