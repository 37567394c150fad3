#include "Source.h"

#include <fstream>
#include <set>
#include <sstream>

#include "text/Cp1251.h"

namespace gencat {
namespace fs = std::filesystem;

std::string Node::attr(const std::string& key, const std::string& fallback) const {
    auto it = attrs.find(key);
    return it == attrs.end() ? fallback : it->second;
}

namespace {

// A word of a source line; key=value words carry their key.
struct Word {
    std::string text;  // the whole word without quotes (the value for key=value)
    std::string key;   // empty for a plain word
};

const std::set<std::string> kProductKeys = {"code1",  "unit",    "weight", "length", "price",   "vid",
                                            "volume", "kind",    "type",   "build",  "role",    "kit",
                                            "hanger", "variant", "fixkey", "logic2", "pictures"};
const std::set<std::string> kHeadingKeys = {"pictures", "code", "code1"};

struct Frame {
    int indent;
    int node = -1;   // index into nodes, or -1
    int block = -1;  // index into lists, or -1
};

class Reader {
  public:
    explicit Reader(Source& out) : out_(out) {}

    void readFile(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        if (!in) throw SourceError(file.string() + ": cannot be read");
        std::stringstream all;
        all << in.rdbuf();
        const std::string bytes = all.str();
        std::vector<Frame> stack;
        int lineNo = 0;
        size_t pos = 0;
        while (pos <= bytes.size()) {
            size_t end = bytes.find('\n', pos);
            if (end == std::string::npos) end = bytes.size();
            std::string line = bytes.substr(pos, end - pos);
            pos = end + 1;
            ++lineNo;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            where_ = file.string() + ":" + std::to_string(lineNo);
            readLine(file, line, stack);
            if (end == bytes.size()) break;
        }
    }

  private:
    [[noreturn]] void fail(const std::string& what) const { throw SourceError(where_ + ": " + what); }

    std::string cp1251(const std::string& utf8) const {
        auto converted = brenvoll::text::fromUtf8(utf8);
        if (!converted) fail("text outside Windows-1251: " + utf8);
        return *converted;
    }

    std::vector<Word> split(const std::string& line) const {
        std::vector<Word> words;
        size_t i = 0;
        while (i < line.size()) {
            if (line[i] == ' ') {
                ++i;
                continue;
            }
            if (line[i] == '#') break;
            Word w;
            bool quoted = false, sawQuote = false;
            std::string raw;
            while (i < line.size() && (quoted || line[i] != ' ')) {
                char c = line[i++];
                if (c == '"') {
                    quoted = !quoted;
                    sawQuote = true;
                    continue;
                }
                if (c == '=' && !quoted && !sawQuote && w.key.empty() && !raw.empty()) {
                    w.key = raw;
                    raw.clear();
                    continue;
                }
                raw += c;
            }
            if (quoted) fail("unclosed quote");
            w.text = cp1251(raw);
            words.push_back(std::move(w));
        }
        return words;
    }

    void readLine(const fs::path& file, const std::string& line, std::vector<Frame>& stack) {
        size_t indent = 0;
        while (indent < line.size() && (line[indent] == ' ' || line[indent] == '\t')) {
            if (line[indent] == '\t') fail("indent with blanks, not TABs");
            ++indent;
        }
        auto words = split(line.substr(indent));
        if (words.empty()) return;
        while (!stack.empty() && stack.back().indent >= static_cast<int>(indent)) stack.pop_back();
        const Frame owner = stack.empty() ? Frame{-1} : stack.back();

        if (owner.block >= 0) {
            readBlockLine(out_.lists[owner.block], words);
            return;
        }
        const std::string& keyword = words[0].text;
        if (!words[0].key.empty()) fail("a line starts with a keyword, not " + words[0].key + "=");
        if (keyword == "section" || keyword == "page" || keyword == "product") {
            stack.push_back({static_cast<int>(indent), readNode(keyword, words, owner.node), -1});
        } else if (keyword == "defaults") {
            auto& defaults = owner.node >= 0 ? defaults_[owner.node] : topDefaults_;
            for (size_t i = 1; i < words.size(); ++i) {
                if (words[i].key.empty() || !kProductKeys.count(words[i].key))
                    fail("defaults take product fields");
                defaults[words[i].key] = words[i].text;
            }
        } else if (keyword == "text") {
            Node& node = ownerNode(owner, keyword);
            if (words.size() != 2) fail("text names one file");
            node.pageText = file.parent_path() / brenvoll::text::toUtf8(words[1].text);
        } else if (keyword == "picture") {
            readPicture(file, ownerNode(owner, keyword), words);
        } else if (keyword == "kit" || keyword == "list" || keyword == "fits") {
            if (owner.node >= 0) fail(keyword + " blocks stand at the top level");
            if (words.size() < 2) fail(keyword + " names at least one file");
            ListBlock block;
            block.isKit = keyword == "kit";
            block.where = where_;
            for (size_t i = 1; i < words.size(); ++i)
                block.files.push_back(keyword == "fits" ? "Svm/" + words[i].text : words[i].text);
            out_.lists.push_back(std::move(block));
            stack.push_back({static_cast<int>(indent), -1, static_cast<int>(out_.lists.size()) - 1});
        } else if (keyword == "settings") {
            for (size_t i = 1; i < words.size(); ++i) {
                if (words[i].key == "tabs")
                    out_.pictureTabs = words[i].text;
                else if (words[i].key == "start-tabs")
                    out_.startTabs = words[i].text;
                else
                    fail("settings take tabs= and start-tabs=");
            }
        } else if (keyword == "image") {
            if (words.size() < 4) fail("image PATH SKETCH \"CAPTION\" [size=WxH]");
            ExtraImage image{words[1].text, words[2].text, words[3].text, 240, 180, where_};
            for (size_t i = 4; i < words.size(); ++i) {
                if (words[i].key != "size" ||
                    sscanf(words[i].text.c_str(), "%dx%d", &image.width, &image.height) != 2)
                    fail("image takes size=WxH");
            }
            out_.images.push_back(image);
        } else if (keyword == "include") {
            if (owner.node >= 0 || indent != 0 || words.size() != 2)
                fail("include FILE stands at the top level");
            const std::string saved = where_;
            readFile(file.parent_path() / brenvoll::text::toUtf8(words[1].text));
            where_ = saved;
        } else {
            fail("unknown keyword " + brenvoll::text::toUtf8(keyword));
        }
    }

    Node& ownerNode(const Frame& owner, const std::string& keyword) {
        if (owner.node < 0) fail(keyword + " belongs under a section, page or product");
        return out_.nodes[owner.node];
    }

    int readNode(const std::string& keyword, const std::vector<Word>& words, int parent) {
        Node node;
        node.where = where_;
        node.parent = parent;
        node.level = parent >= 0 ? out_.nodes[parent].level + 1 : 0;
        size_t next = 1;
        if (keyword == "product") {
            node.kind = Node::Kind::Product;
            if (words.size() < 3 || !words[1].key.empty() || !words[2].key.empty())
                fail("product CODE \"CAPTION\" field=value ...");
            node.attrs = parent >= 0 ? defaults_[parent] : topDefaults_;
            node.attrs["code"] = words[1].text;
            node.caption = words[2].text;
            next = 3;
        } else {
            node.kind = keyword == "section" ? Node::Kind::Section : Node::Kind::Page;
            if (words.size() < 2 || !words[1].key.empty()) fail(keyword + " \"CAPTION\"");
            node.caption = words[1].text;
            next = 2;
        }
        if (node.caption.empty()) fail("empty caption");
        if (node.caption[0] == ' ') fail("a caption cannot start with a blank (it would read as a level)");
        for (size_t i = next; i < words.size(); ++i) {
            const auto& keys = node.isProduct() ? kProductKeys : kHeadingKeys;
            if (words[i].key.empty() || !keys.count(words[i].key))
                fail("unexpected word " + brenvoll::text::toUtf8(words[i].text));
            node.attrs[words[i].key] = words[i].text;
        }
        if (node.isProduct() && node.attr("unit").empty()) fail("a product needs unit=");
        out_.nodes.push_back(std::move(node));
        const int index = static_cast<int>(out_.nodes.size()) - 1;
        defaults_[index] = parent >= 0 ? defaults_[parent] : topDefaults_;
        return index;
    }

    void readPicture(const fs::path& file, Node& node, const std::vector<Word>& words) {
        if (words.size() < 3 || !words[1].key.empty() || !words[2].key.empty())
            fail("picture SKETCH \"CAPTION\" [bmp] [text=FILE]");
        if (node.tabs.size() == 6) fail("a page has at most six pictures");
        Tab tab{words[1].text, words[2].text, "jpg", {}};
        for (size_t i = 3; i < words.size(); ++i) {
            if (words[i].key.empty() && (words[i].text == "bmp" || words[i].text == "jpg"))
                tab.format = words[i].text;
            else if (words[i].key == "text")
                tab.textSource = file.parent_path() / brenvoll::text::toUtf8(words[i].text);
            else
                fail("picture takes bmp, jpg or text=FILE");
        }
        node.tabs.push_back(std::move(tab));
    }

    void readBlockLine(ListBlock& block, const std::vector<Word>& words) {
        if (block.isKit) {
            if (words.size() != 2 || !words[0].key.empty() || !words[1].key.empty())
                fail("a kit line is CODE QUANTITY");
            block.entries.emplace_back(words[0].text, words[1].text);
        } else {
            for (const auto& w : words) {
                if (!w.key.empty()) fail("a list line holds codes");
                block.entries.emplace_back(w.text, "");
            }
        }
    }

    Source& out_;
    std::string where_;
    std::map<int, std::map<std::string, std::string>> defaults_;
    std::map<std::string, std::string> topDefaults_;
};

}  // namespace

Source readSource(const fs::path& file) {
    Source source;
    Reader(source).readFile(file);
    return source;
}

}  // namespace gencat
