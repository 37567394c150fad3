#pragma once
// A case-folded copy of one search area's entries, so that a search press skips the entries without the
// keyword at memory speed instead of folding every entry again.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brenvoll::search {

class KeywordIndex {
public:
    explicit KeywordIndex(const std::vector<std::string>& entries);

    size_t size() const { return starts_.size(); }
    // The first entry at or after `from` that contains the keyword, letter case ignored.
    std::optional<size_t> nextContaining(size_t from, std::string_view keyword) const;

private:
    size_t entryAt(size_t offset) const;

    const std::vector<std::string>& entries_;
    std::string folded_;          // every entry folded, each followed by a line end
    std::vector<size_t> starts_;  // offset of each entry in folded_
};

}  // namespace brenvoll::search
