#pragma once
// The search panel: code and name pickers, and the keyword search that steps from hit to hit or lists them.
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Ports.h"
#include "browser/CatalogBrowser.h"
#include "search/KeywordIndex.h"
#include "search/Pickers.h"

namespace brenvoll::store {
class CatalogStore;
}

namespace brenvoll::search {

// The items of ComBox_Obl_Poiska, in their order: "Название" searches TV_Name, "Артикул" TV_Cod, "Код"
// TV_Cod1.
enum class Area { Name, Code, Code1 };
enum class Mode { Listing, Stepping };  // But_Poisk1 "Весь список", But_Poisk2 "Последовательно"

// A result row's way back to its product: the code is the first this many characters of its TV_Poisk_Virt
// entry.
inline constexpr size_t kResultCodeWidth = 20;

class Search {
  public:
    Search(const store::CatalogStore& store, browser::Browser& browser, Pickers& pickers, Prompter& prompter);

    // Inputs as the user leaves them (Windows-1251).
    void SetKeyword(const std::string& keyword);  // a different text restarts the stepping search
    void SetArea(std::optional<Area> area) { area_ = area; }
    void SetMode(Mode mode) { mode_ = mode; }
    const std::string& keyword() const { return keyword_; }
    std::optional<Area> area() const { return area_; }
    Mode mode() const { return mode_; }

    // The user chose in the code picker (pickers.codes.selected) or the name picker.
    void PickCode();
    void PickName();
    // "Найти".
    void SearchKeyword();
    void RestartStepping() { SeqSearchPos_ = 1; }
    // A click in the result list; row is its selected row, none when no row is selected.
    void OpenResult(std::optional<int> row);
    // "Вернуться к содержанию".
    void ReturnToContents();
    // The catalog was (re)loaded: the folded copies of the areas are made again on their next use.
    void CatalogLoaded();

    int SeqSearchPos() const { return SeqSearchPos_; }
    const std::vector<std::string>& TV_Poisk() const { return TV_Poisk_; }
    const std::vector<std::string>& TV_Poisk_Virt() const { return TV_Poisk_Virt_; }
    // Grows whenever the result lists are emptied or filled, so that a view can tell a new list from the old.
    unsigned resultsVersion() const { return resultsVersion_; }
    bool resultsShown() const { return resultsShown_; }  // TV_Poisk in the place of the contents tree
    bool returnShown() const { return returnShown_; }    // But_ToSoderg
    bool treeKeepsHighlight() const { return treeKeepsHighlight_; }

  private:
    void clearResults();
    void stepToNextHit();
    void listHits();
    const std::vector<std::string>& areaList(Area area) const;
    const KeywordIndex& index(Area area);

    const store::CatalogStore& store_;
    browser::Browser& browser_;
    Pickers& pickers_;
    Prompter& prompter_;

    std::string keyword_;
    std::optional<Area> area_;
    Mode mode_ = Mode::Listing;
    int SeqSearchPos_ = 1;
    std::vector<std::string> TV_Poisk_;
    std::vector<std::string> TV_Poisk_Virt_;
    bool resultsShown_ = false;
    bool returnShown_ = false;
    bool treeKeepsHighlight_ = false;
    unsigned resultsVersion_ = 0;
    std::array<std::unique_ptr<KeywordIndex>, 3> indexes_;
};

}  // namespace brenvoll::search
