#include "search/KeywordSearch.h"

#include "store/Units.h"

#include <algorithm>

#include "store/CatalogStore.h"
#include "text/Cp1251.h"
#include "text/Fields.h"

namespace brenvoll::search {

using store::List;

Search::Search(const store::CatalogStore& store, browser::Browser& browser, Pickers& pickers,
               Prompter& prompter)
    : store_(store), browser_(browser), pickers_(pickers), prompter_(prompter) {}

void Search::SetKeyword(const std::string& keyword) {
    if (keyword == keyword_) return;
    keyword_ = keyword;
    SeqSearchPos_ = 1;
}

void Search::CatalogLoaded() {
    for (auto& index : indexes_) index.reset();
}

void Search::clearResults() {
    ++resultsVersion_;
    TV_Poisk_.clear();
    TV_Poisk_Virt_.clear();
    resultsShown_ = false;
    returnShown_ = false;
}

void Search::PickCode() {
    clearResults();
    treeKeepsHighlight_ = true;
    const std::string code = pickers_.codes.text();
    const int i = store_.FindByCode(code).value_or(browser_.CurAbsIndex());
    browser_.SelectTreeNode(i);
    // The page shown is that of the last node carrying the product's name; the tree keeps node i selected
    // and the card keeps the picked code.
    const int j = store_.FindNodeByCaption(store_.Entry(List::TV_Name, i)).value_or(i);
    browser_.ShowNode(j, {.articleCode = code});
}

void Search::PickName() {
    clearResults();
    treeKeepsHighlight_ = true;
    const auto i = store_.FindNodeByCaption(pickers_.names.text());
    if (!i) return;
    if (!browser_.SelectTreeNode(*i)) browser_.ShowNode(*i);
}

void Search::SearchKeyword() {
    if (!area_) prompter_.message(text::w("Выберите область поиска !"));
    if (keyword_.empty()) prompter_.message(text::w("Введите ключевое слово!"));
    if (!area_ || keyword_.empty()) return;
    ++resultsVersion_;
    TV_Poisk_.clear();
    TV_Poisk_Virt_.clear();
    if (mode_ == Mode::Stepping)
        stepToNextHit();
    else
        listHits();
}

const std::vector<std::string>& Search::areaList(Area area) const {
    switch (area) {
        case Area::Code:
            return store_.list(List::TV_Cod);
        case Area::Code1:
            return store_.list(List::TV_Cod1);
        case Area::Name:
            break;
    }
    return store_.list(List::TV_Name);
}

const KeywordIndex& Search::index(Area area) {
    auto& slot = indexes_[static_cast<size_t>(area)];
    if (!slot) slot = std::make_unique<KeywordIndex>(areaList(area));
    return *slot;
}

void Search::stepToNextHit() {
    resultsShown_ = false;
    browser_.card().addPicture = browser::AddButtonPicture::Normal;
    const Area area = *area_;
    const KeywordIndex& entries = index(area);
    const KeywordIndex::Keyword keyword(entries, keyword_);
    // Examine entry SeqSearchPos - 1 onwards; the index skips the entries without the keyword.
    while (SeqSearchPos_ >= 1 && static_cast<size_t>(SeqSearchPos_) <= entries.size()) {
        const auto k = entries.nextContaining(static_cast<size_t>(SeqSearchPos_ - 1), keyword);
        if (!k) {
            SeqSearchPos_ = static_cast<int>(entries.size()) + 1;
            return;
        }
        const int hit = static_cast<int>(*k);
        // Past the examined entry before showing it, so that a page that fails to show is not found again.
        SeqSearchPos_ = hit + 2;
        if (area == Area::Name && store_.Entry(List::TV_Izm, hit).empty()) continue;
        if (area == Area::Name)
            pickers_.names.show(store_.Entry(List::TV_Name, hit));
        else
            pickers_.codes.show(store_.Entry(List::TV_Cod, hit));
        browser_.SelectTreeNode(hit);
        browser_.ShowNode(hit, {.cardFilledForHeading = true});
        return;
    }
}

void Search::listHits() {
    resultsShown_ = true;
    returnShown_ = true;
    browser_.card().addPicture = browser::AddButtonPicture::Normal;
    const KeywordIndex& entries = index(*area_);
    const KeywordIndex::Keyword keyword(entries, keyword_);
    const std::string& pieces = store::unitPieces();
    const std::string& metres = store::unitMetres();
    for (auto k = entries.nextContaining(0, keyword); k; k = entries.nextContaining(*k + 1, keyword)) {
        const int hit = static_cast<int>(*k);
        const std::string& unit = store_.Entry(List::TV_Izm, hit);
        if (unit != pieces && unit != metres) continue;
        const std::string& name = store_.Entry(List::TV_Name, hit);
        const std::string& code = store_.Entry(List::TV_Cod, hit);
        std::string row;
        row.reserve(std::max(code.size(), kResultCodeWidth) + name.size());
        row.append(code);
        if (code.size() < kResultCodeWidth) row.append(kResultCodeWidth - code.size(), ' ');
        row.append(name);
        TV_Poisk_.push_back(name);
        TV_Poisk_Virt_.push_back(std::move(row));
    }
}

void Search::OpenResult(std::optional<int> row) {
    if (!row || *row < 0 || static_cast<size_t>(*row) >= TV_Poisk_Virt_.size()) return;
    browser_.card().addPicture = browser::AddButtonPicture::Normal;
    const std::string code = text::trimBlanks(
        std::string_view(TV_Poisk_Virt_[static_cast<size_t>(*row)]).substr(0, kResultCodeWidth));
    const int k = store_.FindByCode(code).value_or(browser_.CurAbsIndex());
    browser_.ShowNode(k, {.cardFilledForHeading = true, .emptyMetres = false});
}

void Search::ReturnToContents() {
    resultsShown_ = false;
    returnShown_ = false;
}

}  // namespace brenvoll::search
