#include "search/KeywordIndex.h"

#include <algorithm>

#include "text/Cp1251.h"

namespace brenvoll::search {

KeywordIndex::KeywordIndex(const std::vector<std::string>& entries) {
    size_t total = 0;
    for (const auto& e : entries) total += e.size() + 1;
    folded_.reserve(total);
    starts_.reserve(entries.size() + 1);
    for (const auto& e : entries) {
        starts_.push_back(folded_.size());
        for (char c : e) {
            const char f = text::foldCase(c);
            folded_ += f;
            ++letterCounts_[static_cast<unsigned char>(f)];
        }
        folded_ += '\n';
    }
}

KeywordIndex::Keyword::Keyword(const KeywordIndex& index, std::string_view keyword)
    : folded_(text::foldCase(keyword)) {
    for (size_t i = 1; i < folded_.size(); ++i)
        if (index.letterCounts_[static_cast<unsigned char>(folded_[i])] <
            index.letterCounts_[static_cast<unsigned char>(folded_[rarest_])])
            rarest_ = i;
}

size_t KeywordIndex::find(const Keyword& keyword, size_t offset) const {
    const std::string_view hay(folded_), needle(keyword.folded_);
    if (needle.empty()) return offset;
    // Jump from one occurrence of the keyword's rarest letter to the next (a memory scan), and compare
    // the whole keyword only there.
    const size_t lead = keyword.rarest_;
    const char rare = needle[lead];
    for (size_t at = offset + lead; (at = hay.find(rare, at)) != std::string_view::npos; ++at) {
        const size_t start = at - lead;
        if (hay.compare(start, needle.size(), needle) == 0) return start;
    }
    return std::string_view::npos;
}

std::optional<size_t> KeywordIndex::nextContaining(size_t from, const Keyword& keyword) const {
    if (from >= starts_.size()) return std::nullopt;
    size_t offset = starts_[from];
    for (;;) {
        const size_t found = find(keyword, offset);
        if (found == std::string_view::npos) return std::nullopt;
        const auto next =
            std::upper_bound(starts_.begin() + static_cast<std::ptrdiff_t>(from), starts_.end(), found);
        const size_t entry = static_cast<size_t>(next - starts_.begin()) - 1;
        const size_t entryEnd = next == starts_.end() ? folded_.size() - 1 : *next - 1;  // its line end
        // A match that runs over the line end into the next entry is in neither.
        if (found + keyword.folded_.size() <= entryEnd) return entry;
        offset = found + 1;
    }
}

}  // namespace brenvoll::search
