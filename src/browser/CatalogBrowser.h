#pragma once
// The contents tree's current node and what the page display and the product card show for it.
#include <array>
#include <optional>
#include <string>

#include "browser/PageLoader.h"
#include "browser/ProductCard.h"

namespace brenvoll::store {
class CatalogStore;
}

namespace brenvoll::browser {

inline constexpr int kPictureTabs = 6;

// The picture tabs and the files shown; paths as in the catalog's path lists (relative to the root).
struct PageDisplay {
    std::string textFile;                                                                // REdMain
    std::array<std::string, kPictureTabs> pictureFiles;                                  // Image1 … Image6
    std::array<bool, kPictureTabs> tabVisible{true, false, false, false, false, false};  // TbSh_Ris1 … 6
    int activeTab = 0;                                                                   // 0-based
};

// How a caller other than the contents tree shows a node.
struct ShowOptions {
    bool cardFilledForHeading = false;  // codes and name filled also when the unit is empty
    bool emptyMetres = true;  // false: only the unit switch empties the metre input
    // The code picker puts its own text on the card as the article code (a heading keeps it empty).
    std::optional<std::string> articleCode = std::nullopt;
};

class Browser {
  public:
    Browser(const store::CatalogStore& store, PageLoader& loader) : store_(store), loader_(loader) {}

    int CurAbsIndex() const { return curAbsIndex_; }
    const ProductCard& card() const { return card_; }
    ProductCard& card() { return card_; }
    const PageDisplay& page() const { return page_; }
    // The contents tree's selected node; it can differ from CurAbsIndex after a search.
    std::optional<int> treeSelection() const { return treeSelection_; }

    // Makes node i current and shows its card and page. Errors (AppError) stop it where they occur: a picture
    // count that is not an integer right after CurAbsIndex changed, an unreadable file at that file.
    void ShowNode(int i, ShowOptions options = {});
    // A click on picture tab 0 … 5: that tab becomes active and its text of the current node is shown.
    void ShowTabText(int tab);
    // Before any node is chosen: tabs 1 … n when FileNFoto.txt asked for n.
    void SetInitialPictureTabs(std::optional<int> n);

    // The user moved the tree's selection to node i.
    void TreeSelectionChanged(int i);
    // The program selects node i; as for the user, the node is shown only when the selection changes.
    // Returns whether it changed.
    bool SelectTreeNode(int i);

  private:
    void applyTabCount(const std::string& countText);

    const store::CatalogStore& store_;
    PageLoader& loader_;
    int curAbsIndex_ = 0;
    std::optional<int> treeSelection_;
    ProductCard card_;
    PageDisplay page_;
};

}  // namespace brenvoll::browser
