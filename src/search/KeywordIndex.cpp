#include "search/KeywordIndex.h"

#include <algorithm>
#include <functional>

#include "text/Cp1251.h"

namespace brenvoll::search {

KeywordIndex::KeywordIndex(const std::vector<std::string>& entries) : entries_(entries) {
    size_t total = 0;
    for (const auto& e : entries) total += e.size() + 1;
    folded_.reserve(total);
    starts_.reserve(entries.size());
    for (const auto& e : entries) {
        starts_.push_back(folded_.size());
        for (char c : e) folded_ += text::foldCase(c);
        folded_ += '\n';
    }
}

size_t KeywordIndex::entryAt(size_t offset) const {
    return static_cast<size_t>(std::upper_bound(starts_.begin(), starts_.end(), offset) - starts_.begin()) - 1;
}

std::optional<size_t> KeywordIndex::nextContaining(size_t from, std::string_view keyword) const {
    if (from >= starts_.size()) return std::nullopt;
    const std::string needle = text::foldCase(keyword);
    const std::string_view hay(folded_);
    const std::boyer_moore_horspool_searcher searcher(needle.begin(), needle.end());
    size_t offset = starts_[from];
    while (offset < hay.size()) {
        const auto found = needle.size() < 3 ? hay.find(needle, offset)
                                             : static_cast<size_t>(std::search(hay.begin() + static_cast<long>(offset),
                                                                               hay.end(), searcher) -
                                                                   hay.begin());
        if (found == std::string_view::npos || found >= hay.size()) return std::nullopt;
        const size_t entry = entryAt(found);
        // The folded copy only finds candidates; the entry itself decides, so a match across a line end
        // (an entry that holds one) never counts.
        if (text::containsIgnoringCase(entries_[entry], keyword)) return entry;
        offset = found + 1;
    }
    return std::nullopt;
}

}  // namespace brenvoll::search
