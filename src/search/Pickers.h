#pragma once
// The code and name pickers: products' codes and names, kept sorted ignoring letter case.
#include <optional>
#include <string>
#include <vector>

namespace brenvoll::search {

struct Picker {
    std::vector<std::string> items;  // sorted, duplicates kept
    std::optional<int> selected;     // the position shown in the closed picker
    // The shown text (empty when nothing is selected).
    std::string text() const { return selected ? items[static_cast<size_t>(*selected)] : std::string(); }
    // Shows the first entry equal to text, or nothing when none is; the user's choice operations do not run.
    void show(const std::string& text);
};

struct Pickers {
    Picker codes;  // ComBoxCod
    Picker names;  // ComBoxName
};

// Entry i of source joins the picker when unit i is not empty; each joins at its sorted place after any equal
// ones. initialPosition is shown when the picker has that many entries.
Picker BuildPicker(const std::vector<std::string>& source, const std::vector<std::string>& units,
                   int initialPosition);

}  // namespace brenvoll::search
