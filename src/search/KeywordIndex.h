#pragma once
// A case-folded copy of one search area's entries, so that a search press skips the entries without the
// keyword at memory speed instead of folding every entry again.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brenvoll::search {

class KeywordIndex {
  public:
    explicit KeywordIndex(const std::vector<std::string>& entries);

    // A keyword prepared for the scans of one search press.
    class Keyword {
      public:
        Keyword(const KeywordIndex& index, std::string_view keyword);

      private:
        friend class KeywordIndex;
        std::string folded_;
        size_t rarest_ = 0;  // position of the letter that occurs least often in the area
    };

    size_t size() const { return starts_.size(); }
    // The first entry at or after `from` that contains the keyword with letter case ignored: the test of
    // text::containsIgnoringCase, entry by entry.
    std::optional<size_t> nextContaining(size_t from, const Keyword& keyword) const;

  private:
    size_t find(const Keyword& keyword, size_t offset) const;

    std::string folded_;          // every entry folded, each followed by a line end
    std::vector<size_t> starts_;  // offset of each entry in folded_
    std::array<size_t, 256> letterCounts_{};
};

}  // namespace brenvoll::search
