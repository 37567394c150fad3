#pragma once
// Shared by the browser and search tests: a catalog built in memory, a page loader that records what it shows
// and fails on chosen files, and a prompter that records.
#include <set>
#include <string>
#include <vector>

#include "app/Ports.h"
#include "browser/PageLoader.h"
#include "store/CatalogStore.h"
#include "text/Cp1251.h"
#include "text/Errors.h"

namespace brenvoll::browser::fixture {

using text::w;

struct Node {
    int level = 0;
    std::string caption;  // UTF-8
    std::string unit;     // UTF-8; empty for a heading
    std::string code;
    std::string code1;
    std::string pictures = "1";  // TV_N_Pict
};

// Page files of node k: Text\tK_N.rtf for tab N and Picture\pK_N.jpg for slot N.
inline std::string textPath(int node, int tab) {
    return "Text\\t" + std::to_string(node) + "_" + std::to_string(tab) + ".rtf";
}
inline std::string picturePath(int node, int slot) {
    return "Picture\\p" + std::to_string(node) + "_" + std::to_string(slot) + ".jpg";
}

inline void fillCatalog(store::CatalogStore& catalog, const std::vector<Node>& nodes) {
    using store::List;
    std::vector<text::TreeLine> tree;
    std::vector<std::string> codes, codes1, names, units, counts;
    std::vector<std::vector<std::string>> texts(6), pictures(6);
    for (size_t k = 0; k < nodes.size(); ++k) {
        const Node& n = nodes[k];
        tree.push_back({n.level, w(n.caption)});
        codes.push_back(n.code);
        codes1.push_back(n.code1);
        names.push_back(w(n.caption));
        units.push_back(w(n.unit));
        counts.push_back(n.pictures);
        for (int tab = 0; tab < 6; ++tab) {
            texts[tab].push_back(textPath(static_cast<int>(k), tab + 1));
            pictures[tab].push_back(picturePath(static_cast<int>(k), tab + 1));
        }
    }
    catalog.setTree(tree);
    catalog.setList(List::TV_Cod, codes);
    catalog.setList(List::TV_Cod1, codes1);
    catalog.setList(List::TV_Name, names);
    catalog.setList(List::TV_Izm, units);
    catalog.setList(List::TV_N_Pict, counts);
    for (int tab = 0; tab < 6; ++tab) {
        catalog.setList(static_cast<List>(static_cast<int>(List::TV_Path_T1) + tab), texts[tab]);
        catalog.setList(static_cast<List>(static_cast<int>(List::TV_Path_P1) + tab), pictures[tab]);
    }
}

class RecordingLoader final : public PageLoader {
  public:
    std::vector<std::string> calls;  // "text PATH" or "picture N PATH" (N 1-based), successful or not
    std::set<std::string> broken;    // paths that fail
    std::string text;                // what REdMain shows
    std::string pictures[6];         // what Image1 … Image6 show

    void loadText(const std::string& path) override {
        calls.push_back("text " + path);
        fail(path);
        text = path;
    }
    void loadPicture(int slot, const std::string& path) override {
        calls.push_back("picture " + std::to_string(slot + 1) + " " + path);
        fail(path);
        pictures[slot] = path;
    }

  private:
    void fail(const std::string& path) const {
        if (broken.count(path)) throw FileError(w("Не удаётся открыть файл \"") + path + "\"");
    }
};

class RecordingPrompter final : public Prompter {
  public:
    std::vector<std::string> shown;  // "message: …", "error: …", "beep" (UTF-8)
    void message(std::string_view text) override { shown.push_back("message: " + text::toUtf8(text)); }
    void error(std::string_view text) override { shown.push_back("error: " + text::toUtf8(text)); }
    bool ask(std::string_view) override { return false; }
    void beep() override { shown.push_back("beep"); }
};

}  // namespace brenvoll::browser::fixture
