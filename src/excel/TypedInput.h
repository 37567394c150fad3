#pragma once
// How a spreadsheet application reads a value handed over as typed input. Our own reading, so a decimal
// comma is a number whatever the application's interface language.
#include <optional>
#include <string_view>

namespace brenvoll::excel {

// The number when the whole text is a quantity as the program writes it (digits, at most one comma with
// digits on both sides: "12", "7,5", "007"); none for any other text, which stays text.
std::optional<double> typedNumber(std::string_view cp1251Text);

}  // namespace brenvoll::excel
