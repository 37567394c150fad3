#pragma once
// The catalog read at start-up: contents tree, product lists by AbsIndex, settings, and the lookups over them.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "text/ListFile.h"

namespace brenvoll::store {

// Product lists, one entry per contents node at its AbsIndex.
enum class List {
    TV_Cod, TV_Cod1, TV_Name, TV_Izm, TV_Ves, TV_Dlina, TV_Prise, TV_Vid, TV_Volume, TV_Logik1, TV_Logik2,
    TV_N_Pict, TV_Path_T1, TV_Path_T2, TV_Path_T3, TV_Path_T4, TV_Path_T5, TV_Path_T6,
    TV_Path_P1, TV_Path_P2, TV_Path_P3, TV_Path_P4, TV_Path_P5, TV_Path_P6,
    ComBoxCod0, ComBoxName0, Count
};
const char* listName(List list);
std::optional<List> listByName(std::string_view name);

struct TreeNode {
    std::string text;  // caption
    int level = 0;
    int parent = -1;
    std::vector<int> children;
};

struct PageFiles {
    std::array<std::string, 6> texts;     // text path of tab 1 … 6, relative to the root (see HostPath)
    std::array<std::string, 6> pictures;  // picture path 1 … 6, relative to the root
};

class CatalogStore {
public:
    // appDir is the executable's folder; the catalog root is its folder 0_TELVA.
    explicit CatalogStore(std::filesystem::path appDir = {});

    const std::filesystem::path& appDir() const { return appDir_; }
    const std::filesystem::path& rootDir() const { return rootDir_; }
    // root + "\" + relative path: the file's full name as messages show it (host separators).
    std::string CatalogPath(std::string_view relativePath) const;
    // A path relative to the root, backslash-separated, Windows-1251, as a host path. Letter case of a missing
    // component is matched case-insensitively. AppError for a path that would lead outside the root.
    std::filesystem::path HostPath(std::string_view relativePath) const;

    std::vector<std::string> LoadPlainFile(std::string_view relativePath) const;
    std::vector<text::TreeLine> LoadTreeFile(std::string_view relativePath) const;
    // The texts of a tree-form file read as a flat list (the product lists).
    std::vector<std::string> LoadTreeTexts(std::string_view relativePath) const;
    void SaveTreeFile(std::string_view relativePath, const std::vector<text::TreeLine>& lines) const;
    // Whole bytes of a catalog file (path relative to the root); FileError naming it when it cannot be read.
    std::string ReadFile(std::string_view relativePath) const;

    // Filling (start-up only).
    void setTree(const std::vector<text::TreeLine>& lines);
    void setList(List list, std::vector<std::string> entries);
    // FileText.txt, FilePicture.txt, … FilePicture6.txt: kept as read, since no operation of this edition uses
    // them; their entries are parsed only when asked for.
    void setAuthoringFile(int k, std::string bytes) { authoring_.at(static_cast<size_t>(k)) = std::move(bytes); }
    void setPictureTabSetting(std::optional<int> n) { pictureTabSetting_ = n; }

    // Reading.
    int nodeCount() const { return static_cast<int>(nodes_.size()); }
    const std::vector<TreeNode>& nodes() const { return nodes_; }
    const std::string& caption(int absIndex) const;
    const std::vector<std::string>& list(List l) const { return lists_[static_cast<size_t>(l)]; }
    std::vector<std::string> authoringList(int k) const {
        return text::parsePlainList(authoring_.at(static_cast<size_t>(k)));
    }
    std::optional<int> pictureTabSetting() const { return pictureTabSetting_; }

    // The entry at absIndex; AppError when the list is shorter.
    const std::string& Entry(List l, int absIndex) const;
    bool IsProduct(int absIndex) const;
    // Last AbsIndex whose article code equals code exactly; none for an empty code.
    std::optional<int> FindByCode(std::string_view code) const;
    // Last node whose caption equals text; none for an empty text.
    std::optional<int> FindNodeByCaption(std::string_view text) const;
    std::string LogicField(int absIndex, int firstColumn, int width) const;
    PageFiles PagePaths(int absIndex) const;

private:
    std::filesystem::path appDir_;
    std::filesystem::path rootDir_;
    std::vector<TreeNode> nodes_;
    std::array<std::vector<std::string>, static_cast<size_t>(List::Count)> lists_;
    std::array<std::string, 12> authoring_;
    std::optional<int> pictureTabSetting_;
    // "Last match wins" indexes: each key remembers the highest index holding it.
    std::unordered_map<std::string, int> lastIndexByCode_;
    std::unordered_map<std::string, int> lastNodeByCaption_;
    // Start-up reads dozens of large list files one after another through this one buffer.
    mutable std::string readBuffer_;
};

}  // namespace brenvoll::store
