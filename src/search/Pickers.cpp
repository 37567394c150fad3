#include "search/Pickers.h"

#include <algorithm>

#include "text/Cp1251.h"
#include "text/Errors.h"

namespace brenvoll::search {

void Picker::show(const std::string& text) {
    const auto it = std::find(items.begin(), items.end(), text);
    selected = it == items.end() ? std::nullopt : std::optional<int>(static_cast<int>(it - items.begin()));
}

Picker BuildPicker(const std::vector<std::string>& source, const std::vector<std::string>& units,
                   int initialPosition) {
    Picker picker;
    for (size_t i = 0; i < source.size(); ++i) {
        // The source may be shorter than the contents, never longer than the unit list.
        if (i >= units.size())
            throw AppError(text::w("Индекс ") + std::to_string(i) + text::w(" вне границ списка TV_Izm"));
        if (!units[i].empty()) picker.items.push_back(source[i]);
    }
    // A stable sort places every entry exactly where inserting it at its sorted place, after equals, would.
    // Keys are folded once; std::string compares bytes as unsigned, so the code page's letter order holds.
    std::vector<std::pair<std::string, size_t>> keys;
    keys.reserve(picker.items.size());
    for (size_t k = 0; k < picker.items.size(); ++k) keys.emplace_back(text::foldCase(picker.items[k]), k);
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> sorted;
    sorted.reserve(keys.size());
    for (const auto& key : keys) sorted.push_back(std::move(picker.items[key.second]));
    picker.items = std::move(sorted);
    if (initialPosition >= 0 && static_cast<size_t>(initialPosition) < picker.items.size())
        picker.selected = initialPosition;
    return picker;
}

}  // namespace brenvoll::search
