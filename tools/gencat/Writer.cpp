#include "Writer.h"

#include <array>
#include <fstream>
#include <map>
#include <sstream>
#include <unordered_map>

#include "RtfMarkup.h"
#include "text/Cp1251.h"
#include "text/Fields.h"
#include "text/ListFile.h"

namespace gencat {
namespace fs = std::filesystem;
using brenvoll::text::TreeLine;

namespace {

const char* kBlankText = "BLANK\\Text_BLANK.rtf";
const char* kBlankPicture = "BLANK\\Pict_BLANK.jpg";
constexpr int kPageWidth = 440, kPageHeight = 330;      // fits the browser's picture tabs
constexpr int kWizardWidth = 240, kWizardHeight = 180;  // fits the wizard's picture boxes

std::string folderOfTab(const char* base, int tab) {
    return tab == 1 ? base : base + std::to_string(tab);
}

// One fixed-column field, blanks up to its width; a longer text does not fit the record.
void putField(std::string& record, int firstColumn, int width, const std::string& value, const Node& node,
              const char* name) {
    if (static_cast<int>(value.size()) > width)
        throw SourceError(node.where + ": " + name + " is longer than " + std::to_string(width) +
                          " characters");
    if (record.size() < static_cast<size_t>(firstColumn - 1)) record.resize(firstColumn - 1, ' ');
    record.replace(firstColumn - 1, value.size(), value);
}

std::string logicRecord(const Node& node) {
    if (!node.isProduct()) return {};
    std::string record(155, ' ');
    // A code beyond 20 characters cannot stand in the record; its first 20 characters do.
    const std::string code = node.attr("code").substr(0, 20);
    putField(record, 1, 20, code, node, "code");
    putField(record, 21, 20, node.attr("kind"), node, "kind");
    putField(record, 41, 20, node.attr("type"), node, "type");
    putField(record, 61, 20, node.attr("build"), node, "build");
    if (!node.attr("role").empty() && (!node.attr("kit").empty() || !node.attr("hanger").empty()))
        throw SourceError(node.where + ": role shares columns 81-100 with kit and hanger");
    putField(record, 81, 20, node.attr("role"), node, "role");
    putField(record, 81, 5, node.attr("kit"), node, "kit");
    putField(record, 86, 5, node.attr("hanger"), node, "hanger");
    putField(record, 101, 50, node.attr("variant"), node, "variant");
    putField(record, 151, 5, node.attr("fixkey"), node, "fixkey");
    return record.substr(0, record.find_last_not_of(' ') + 1);
}

std::string readText(const fs::path& file, const std::string& where) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw SourceError(where + ": page text " + file.string() + " cannot be read");
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

std::string pageRtf(const fs::path& file, const std::string& where, Renderer& renderer) {
    std::string bytes = readText(file, where);
    if (file.extension() == ".rtf") return bytes;
    auto cp1251 = brenvoll::text::fromUtf8(bytes);
    if (!cp1251) throw SourceError(file.string() + ": text outside Windows-1251");
    return markupToRtf(*cp1251, renderer);
}

std::string formatOf(const std::string& path) {
    return path.size() > 4 && path.substr(path.size() - 4) == ".bmp" ? "bmp" : "jpg";
}

class CatalogWriter {
  public:
    CatalogWriter(const Source& source, const fs::path& appDir, Renderer& renderer)
        : src_(source), appDir_(appDir), root_(appDir / "0_TELVA"), renderer_(renderer) {}

    void run() {
        fs::remove_all(root_);
        fs::create_directories(root_);
        // A project list already there belongs to the user's saved projects: keep it.
        if (!fs::exists(appDir_ / "Projects" / "ListNmPr")) writeFileUnder(appDir_, "Projects/ListNmPr", "");
        writeFileUnder(root_, kBlankText, blankRtf());
        writeFileUnder(root_, kBlankPicture, renderer_.render("blank", "", 200, 150, "jpg"));
        const int n = static_cast<int>(src_.nodes.size());
        for (int k = 0; k < n; ++k) {
            const std::string& code = src_.nodes[k].attr("code");
            if (src_.nodes[k].isProduct() && !code.empty()) lastByCode_[code] = k;
        }
        for (int k = 0; k < n; ++k) addNode(k);
        writeLists();
        for (const auto& block : src_.lists) writeBlock(block);
        for (const auto& image : src_.images)
            writeFileUnder(root_, image.path,
                           renderer_.render(image.sketch, image.caption, image.width, image.height,
                                            formatOf(image.path)));
    }

  private:
    // The node whose page a node shows: its own, a product's nearest ancestor's, or none (the blank page).
    int pageOwner(int k) const {
        if (!src_.nodes[k].tabs.empty()) return k;
        if (!src_.nodes[k].isProduct()) return -1;
        for (int p = src_.nodes[k].parent; p >= 0; p = src_.nodes[p].parent)
            if (!src_.nodes[p].tabs.empty()) return p;
        return -1;
    }

    // Writes the files of a page once and remembers its paths.
    const std::array<std::string, 12>& pagePaths(int owner) {
        auto found = pages_.find(owner);
        if (found != pages_.end()) return found->second;
        std::array<std::string, 12> paths;
        const Node& page = src_.nodes[owner];
        char id[16];
        std::snprintf(id, sizeof id, "page%03d", owner);
        fs::path text = page.pageText;
        for (int t = 1; t <= 6; ++t) {
            if (t > static_cast<int>(page.tabs.size())) {
                paths[t - 1] = kBlankText;
                paths[t + 5] = kBlankPicture;
                continue;
            }
            const Tab& tab = page.tabs[t - 1];
            if (!tab.textSource.empty()) text = tab.textSource;
            if (text.empty()) {
                paths[t - 1] = kBlankText;
            } else {
                paths[t - 1] = folderOfTab("Text", t) + "\\" + id + ".rtf";
                writeFileUnder(root_, paths[t - 1], pageRtf(text, page.where, renderer_));
            }
            paths[t + 5] = folderOfTab("Picture", t) + "\\" + id + "." + tab.format;
            writeFileUnder(root_, paths[t + 5],
                           renderer_.render(tab.sketch, tab.caption, kPageWidth, kPageHeight, tab.format));
            if (t == 1) {
                // The wizard shows the first picture from Pictur0 under the same name.
                std::string wizardPath = paths[6];
                wizardPath.replace(0, 7, "Pictur0");
                writeFileUnder(
                    root_, wizardPath,
                    renderer_.render(tab.sketch, tab.caption, kWizardWidth, kWizardHeight, tab.format));
            }
        }
        return pages_.emplace(owner, paths).first->second;
    }

    void addNode(int k) {
        const Node& node = src_.nodes[k];
        tree_.push_back({node.level, node.caption});
        const bool product = node.isProduct();
        auto value = [&](const char* key, const char* fallback) {
            return product ? node.attr(key, fallback) : node.attr(key);
        };
        const std::string code = node.attr("code");
        add("FileTVCod", code);
        add("FileTVCod1", node.attr("code1"));
        add("FileTVName", node.caption);
        add("FileTVIzm", product ? node.attr("unit") : "");
        add("FileTVW", value("weight", "0"));
        add("FileTVL", value("length", "0"));
        add("FileTVP", value("price", "0"));
        add("FileTVVid", product ? node.attr("vid", node.attr("kind")) : "");
        add("FileTVVol", value("volume", "0"));
        add("FileTVL1", logicRecord(node));
        add("FileTVL2", product ? node.attr("logic2", brenvoll::text::padRight(node.attr("code1"), 20) +
                                                          node.attr("unit"))
                                : "");
        fileKod_.push_back(code);
        fileName_.push_back(node.caption);

        const int owner = pageOwner(k);
        std::array<std::string, 12> paths;
        std::string count = "1";
        if (owner < 0) {
            for (int t = 0; t < 6; ++t) {
                paths[t] = kBlankText;
                paths[t + 6] = kBlankPicture;
            }
        } else {
            paths = pagePaths(owner);
            count = std::to_string(src_.nodes[owner].tabs.size());
        }
        add("FileTVNPict", node.attr("pictures", count));
        for (int t = 1; t <= 6; ++t) {
            add("FileTVPT" + std::to_string(t), paths[t - 1]);
            add("FileTVPP" + std::to_string(t), paths[t + 5]);
            authoring_[(t == 1 ? std::string("FileText") : "FileText" + std::to_string(t)) + ".txt"]
                .push_back("0_TELVA\\" + paths[t - 1]);
            authoring_[(t == 1 ? std::string("FilePicture") : "FilePicture" + std::to_string(t)) + ".txt"]
                .push_back("0_TELVA\\" + paths[t + 5]);
        }
    }

    void add(const std::string& file, const std::string& entry) {
        if (!entry.empty() && (entry[0] == ' ' || entry[0] == '\t'))
            throw SourceError("an entry of " + file +
                              " would start with a blank: " + brenvoll::text::toUtf8(entry));
        lists_[file].push_back({0, entry});
    }

    void writeLists() {
        writeFileUnder(root_, "Structure/FileTreeView", brenvoll::text::writeTreeList(tree_));
        for (const auto& [file, lines] : lists_)
            writeFileUnder(root_, "Structure/" + file, brenvoll::text::writeTreeList(lines));
        writeFileUnder(root_, "Structure/FileKod", brenvoll::text::writeFlatList(fileKod_));
        writeFileUnder(root_, "Structure/FileName", brenvoll::text::writeFlatList(fileName_));
        for (const auto& [file, entries] : authoring_)
            writeFileUnder(root_, "Structure/" + file, brenvoll::text::writeFlatList(entries));
        writeFileUnder(root_, "Structure/FileEspecialy.txt", src_.pictureTabs + "\r\n");
        writeFileUnder(root_, "Structure/FileNFoto.txt", src_.startTabs + "\r\n");
    }

    // Kit entries read like the wizard's own rows: code, "__", name, "_" to column 77, the per-unit quantity
    // right-aligned in columns 78-80, a blank and the unit.
    void writeBlock(const ListBlock& block) {
        std::vector<std::string> entries;
        for (const auto& [code, quantity] : block.entries) {
            auto found = lastByCode_.find(code);
            if (found == lastByCode_.end())
                throw SourceError(block.where + ": no product has the code " + brenvoll::text::toUtf8(code));
            const Node& part = src_.nodes[found->second];
            std::string left = code + "__" + part.caption;
            if (!block.isKit) {
                entries.push_back(left);
                continue;
            }
            if (quantity.empty() || quantity.size() > 3 ||
                quantity.find_first_not_of("0123456789") != std::string::npos)
                throw SourceError(block.where + ": quantity of " + brenvoll::text::toUtf8(code) +
                                  " is not a whole number of up to three digits");
            left = left.size() > 77 ? left.substr(0, 77) : left + std::string(77 - left.size(), '_');
            entries.push_back(left + std::string(3 - quantity.size(), ' ') + quantity + " " +
                              part.attr("unit"));
        }
        for (const auto& file : block.files)
            writeFileUnder(root_, "Structure/" + file, brenvoll::text::writeFlatList(entries));
    }

    const Source& src_;
    fs::path appDir_, root_;
    Renderer& renderer_;
    std::vector<TreeLine> tree_;
    std::map<std::string, std::vector<TreeLine>> lists_;
    std::map<std::string, std::vector<std::string>> authoring_;
    std::vector<std::string> fileKod_, fileName_;
    std::map<int, std::array<std::string, 12>> pages_;
    std::unordered_map<std::string, int> lastByCode_;
};

}  // namespace

fs::path hostPath(const fs::path& root, const std::string& relative) {
    fs::path out = root;
    size_t start = 0;
    while (start <= relative.size()) {
        size_t end = relative.find_first_of("/\\", start);
        if (end == std::string::npos) end = relative.size();
        if (end > start) out /= brenvoll::text::toUtf8(relative.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

void writeFileUnder(const fs::path& root, const std::string& relative, const std::string& bytes) {
    const fs::path file = hostPath(root, relative);
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

void writeCatalog(const Source& source, const fs::path& appDir, Renderer& renderer) {
    CatalogWriter(source, appDir, renderer).run();
}

}  // namespace gencat
