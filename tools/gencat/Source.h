#pragma once
// The catalog source as read from its text files. Every text is already Windows-1251 (the catalog's own code
// page), so column arithmetic on logic records and kit entries counts characters.
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace gencat {

// A mistake in the source; the message (UTF-8) starts with "file:line: ".
class SourceError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One picture tab of a page: the picture drawn for it and the page text shown with it.
struct Tab {
    std::string sketch;                // what to draw (see Sketches.h)
    std::string caption;               // printed under the drawing
    std::string format = "jpg";        // "jpg" or "bmp"
    std::filesystem::path textSource;  // markup or RTF file; empty: the page's text
};

struct Node {
    enum class Kind { Section, Page, Product };
    Kind kind = Kind::Section;
    int level = 0;
    int parent = -1;
    std::string caption;
    std::map<std::string, std::string> attrs;  // product fields and overrides, by attribute name
    std::vector<Tab> tabs;                     // non-empty: the node has a page of its own
    std::filesystem::path pageText;            // the text shown with tabs that name none
    std::string where;                         // "file:line" for messages
    bool isProduct() const { return kind == Kind::Product; }
    std::string attr(const std::string& key, const std::string& fallback = {}) const;
};

// A kit or compatibility file under Structure. Kits hold (code, per-unit quantity); lists only codes.
struct ListBlock {
    bool isKit = true;
    std::vector<std::string> files;  // paths under Structure, '/'-separated
    std::vector<std::pair<std::string, std::string>> entries;
    std::string where;
};

// A picture that no page names but the wizard loads by a fixed path (Pictur0\...).
struct ExtraImage {
    std::string path;  // relative to the catalog root, '/'-separated
    std::string sketch;
    std::string caption;
    int width = 240;
    int height = 180;
    std::string where;
};

struct Source {
    std::string pictureTabs = "6";  // FileEspecialy.txt
    std::string startTabs = "1";    // FileNFoto.txt
    std::vector<Node> nodes;        // depth-first order: index = AbsIndex
    std::vector<ListBlock> lists;
    std::vector<ExtraImage> images;
};

// Reads a catalog source file and the files it includes.
Source readSource(const std::filesystem::path& file);

}  // namespace gencat
