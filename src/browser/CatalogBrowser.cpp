#include "browser/CatalogBrowser.h"

#include "store/CatalogStore.h"
#include "text/Quantity.h"

namespace brenvoll::browser {

using store::List;

namespace {
List textList(int tab) {
    return static_cast<List>(static_cast<int>(List::TV_Path_T1) + tab);
}
List pictureList(int tab) {
    return static_cast<List>(static_cast<int>(List::TV_Path_P1) + tab);
}
}  // namespace

void Browser::ShowNode(int i, ShowOptions options) {
    // The steps run in this order on purpose: when a file fails, what came before it stays shown.
    card_.addPicture = AddButtonPicture::Normal;
    curAbsIndex_ = i;
    const std::string& countText = store_.Entry(List::TV_N_Pict, i);
    text::parseWhole(countText);  // the count must be an integer; only its text decides the tabs below

    const std::string& unit = store_.Entry(List::TV_Izm, i);
    card_.Label_EdIzm = unit;
    card_.Label_AbsIndex = std::to_string(i);
    card_.SetUnitField(unit);
    if (options.emptyMetres) card_.SetMetres("");

    if (!unit.empty() || options.cardFilledForHeading) {
        card_.Label_Cod = options.articleCode ? *options.articleCode : store_.Entry(List::TV_Cod, i);
        card_.Label_Cod1 = store_.Entry(List::TV_Cod1, i);
        card_.Label_Name = store_.caption(i);
    } else {
        card_.Label_Cod.clear();
        card_.Label_Cod1.clear();
        card_.Label_Name.clear();
    }

    const std::string& text = store_.Entry(textList(0), i);
    loader_.loadText(text);
    page_.textFile = text;
    // All six pictures, whatever the count: the slots beyond it name the blank picture.
    for (int k = 0; k < kPictureTabs; ++k) {
        const std::string& picture = store_.Entry(pictureList(k), i);
        loader_.loadPicture(k, picture);
        page_.pictureFiles[static_cast<size_t>(k)] = picture;
    }
    page_.activeTab = 0;
    applyTabCount(countText);
}

void Browser::ShowTabText(int tab) {
    if (tab < 0 || tab >= kPictureTabs) return;
    page_.activeTab = tab;
    const std::string& text = store_.Entry(textList(tab), curAbsIndex_);
    loader_.loadText(text);
    page_.textFile = text;
}

void Browser::SetInitialPictureTabs(std::optional<int> n) {
    if (n && *n >= 1 && *n <= kPictureTabs) applyTabCount(std::to_string(*n));
}

void Browser::applyTabCount(const std::string& countText) {
    // Only the texts "1" … "6" set the tabs; any other count leaves them as the node before had them.
    if (countText.size() != 1 || countText[0] < '1' || countText[0] > '6') return;
    const int n = countText[0] - '0';
    for (int k = 0; k < kPictureTabs; ++k) page_.tabVisible[static_cast<size_t>(k)] = k < n;
}

void Browser::TreeSelectionChanged(int i) {
    treeSelection_ = i;
    ShowNode(i);
}

bool Browser::SelectTreeNode(int i) {
    if (treeSelection_ == i) return false;
    TreeSelectionChanged(i);
    return true;
}

}  // namespace brenvoll::browser
