#include "store/CatalogStore.h"

#include "store/HostFiles.h"
#include "text/Cp1251.h"
#include "text/Errors.h"
#include "text/Fields.h"

namespace brenvoll::store {
namespace fs = std::filesystem;

namespace {

constexpr const char* kListNames[] = {
    "TV_Cod",     "TV_Cod1",    "TV_Name",    "TV_Izm",     "TV_Ves",     "TV_Dlina",   "TV_Prise",
    "TV_Vid",     "TV_Volume",  "TV_Logik1",  "TV_Logik2",  "TV_N_Pict",  "TV_Path_T1", "TV_Path_T2",
    "TV_Path_T3", "TV_Path_T4", "TV_Path_T5", "TV_Path_T6", "TV_Path_P1", "TV_Path_P2", "TV_Path_P3",
    "TV_Path_P4", "TV_Path_P5", "TV_Path_P6", "ComBoxCod0", "ComBoxName0"};
static_assert(std::size(kListNames) == static_cast<size_t>(List::Count));

}  // namespace

const char* listName(List list) { return kListNames[static_cast<size_t>(list)]; }

std::optional<List> listByName(std::string_view name) {
    for (size_t i = 0; i < std::size(kListNames); ++i)
        if (name == kListNames[i]) return static_cast<List>(i);
    return std::nullopt;
}

CatalogStore::CatalogStore(fs::path appDir) : appDir_(std::move(appDir)), rootDir_(appDir_ / "0_TELVA") {}

std::string CatalogStore::CatalogPath(std::string_view relativePath) const {
    std::string rel(relativePath);
    for (char& c : rel)
        if (c == '\\') c = '/';
    return displayPath(rootDir_) + "/" + rel;
}

fs::path CatalogStore::HostPath(std::string_view relativePath) const {
    std::vector<std::string> components;
    size_t start = 0;
    const std::string rel(relativePath);
    const bool absolute = !rel.empty() && (rel[0] == '\\' || rel[0] == '/');
    while (start <= rel.size()) {
        size_t end = rel.find_first_of("\\/", start);
        if (end == std::string::npos) end = rel.size();
        std::string part = rel.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".") continue;
        // A list entry must not reach outside the catalog: no parent steps, drives or absolute paths.
        if (absolute || part == ".." || part.find(':') != std::string::npos)
            throw AppError(text::w("Путь \"") + rel + text::w("\" ведёт за пределы каталога"));
        components.push_back(text::toUtf8(part));
    }
    return resolveIgnoringCase(rootDir_, components);
}

std::string CatalogStore::ReadFile(std::string_view relativePath) const {
    return readWholeFile(HostPath(relativePath));
}

std::vector<std::string> CatalogStore::LoadPlainFile(std::string_view relativePath) const {
    readWholeFileInto(HostPath(relativePath), readBuffer_);
    return text::parsePlainList(readBuffer_);
}

std::vector<text::TreeLine> CatalogStore::LoadTreeFile(std::string_view relativePath) const {
    readWholeFileInto(HostPath(relativePath), readBuffer_);
    return text::parseTreeList(readBuffer_, CatalogPath(relativePath));
}

std::vector<std::string> CatalogStore::LoadTreeTexts(std::string_view relativePath) const {
    readWholeFileInto(HostPath(relativePath), readBuffer_);
    return text::parseTreeTexts(readBuffer_, CatalogPath(relativePath));
}

void CatalogStore::SaveTreeFile(std::string_view relativePath, const std::vector<text::TreeLine>& lines) const {
    writeWholeFileAtomically(HostPath(relativePath), text::writeTreeList(lines));
}

void CatalogStore::setTree(const std::vector<text::TreeLine>& lines) {
    nodes_.clear();
    nodes_.reserve(lines.size());
    lastNodeByCaption_.clear();
    std::vector<int> lastAtLevel;  // the most recent node of each nesting level
    for (const auto& line : lines) {
        TreeNode node{line.text, line.level, -1, {}};
        const int index = static_cast<int>(nodes_.size());
        lastAtLevel.resize(static_cast<size_t>(line.level));
        if (line.level > 0) node.parent = lastAtLevel[static_cast<size_t>(line.level - 1)];
        if (node.parent >= 0) nodes_[static_cast<size_t>(node.parent)].children.push_back(index);
        lastAtLevel.push_back(index);
        if (!line.text.empty()) lastNodeByCaption_[line.text] = index;
        nodes_.push_back(std::move(node));
    }
}

void CatalogStore::setList(List l, std::vector<std::string> entries) {
    if (l == List::TV_Cod) {
        lastIndexByCode_.clear();
        for (size_t i = 0; i < entries.size(); ++i)
            if (!entries[i].empty()) lastIndexByCode_[entries[i]] = static_cast<int>(i);
    }
    lists_[static_cast<size_t>(l)] = std::move(entries);
}

const std::string& CatalogStore::caption(int absIndex) const {
    if (absIndex < 0 || absIndex >= nodeCount())
        throw AppError(text::w("Индекс ") + std::to_string(absIndex) +
                       text::w(" вне границ содержания каталога"));
    return nodes_[static_cast<size_t>(absIndex)].text;
}

const std::string& CatalogStore::Entry(List l, int absIndex) const {
    const auto& entries = list(l);
    if (absIndex < 0 || static_cast<size_t>(absIndex) >= entries.size())
        throw AppError(text::w("Индекс ") + std::to_string(absIndex) + text::w(" вне границ списка ") +
                       listName(l));
    return entries[static_cast<size_t>(absIndex)];
}

bool CatalogStore::IsProduct(int absIndex) const { return !Entry(List::TV_Izm, absIndex).empty(); }

std::optional<int> CatalogStore::FindByCode(std::string_view code) const {
    if (code.empty()) return std::nullopt;
    auto it = lastIndexByCode_.find(std::string(code));
    if (it == lastIndexByCode_.end()) return std::nullopt;
    return it->second;
}

std::optional<int> CatalogStore::FindNodeByCaption(std::string_view text) const {
    if (text.empty()) return std::nullopt;
    auto it = lastNodeByCaption_.find(std::string(text));
    if (it == lastNodeByCaption_.end()) return std::nullopt;
    return it->second;
}

std::string CatalogStore::LogicField(int absIndex, int firstColumn, int width) const {
    return text::fixedField(Entry(List::TV_Logik1, absIndex), firstColumn, width);
}

PageFiles CatalogStore::PagePaths(int absIndex) const {
    PageFiles files;
    for (int k = 0; k < 6; ++k) {
        files.texts[k] = Entry(static_cast<List>(static_cast<int>(List::TV_Path_T1) + k), absIndex);
        files.pictures[k] = Entry(static_cast<List>(static_cast<int>(List::TV_Path_P1) + k), absIndex);
    }
    return files;
}

}  // namespace brenvoll::store
