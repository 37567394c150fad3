#include "browser/RtfReader.h"

#include <algorithm>
#include <iterator>
#include <unordered_map>
#include <utility>

#include "browser/RtfCodePages.h"
#include "text/Cp1251.h"
#include "text/ListFile.h"

namespace brenvoll::browser {
namespace {

using rtf::CodePage;

// Where the text of a group goes.
enum class Dest : unsigned char { Text, Skip, FontTable, ColorTable, Picture, Shape };

// Formatting state; RTF scopes it by group, so every '{' copies it and every '}' restores it.
struct State {
    Dest dest = Dest::Text;
    int font = -1;  // -1: the document's default font
    int halfPoints = 0;
    int color = -1;  // -1: automatic
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool hidden = false;
    int unicodeSkip = 1;
    ParagraphFormat para;
    bool inTable = false;
};

// clang-format off
enum class Word : unsigned char {
    FontTable, ColorTable, Pict, SkipDest, ShapeInstruction, KeepDest,
    Ansicpg, Deff, Fcharset, Red, Green, Blue, Unicode, UnicodeSkip, Bin,
    Plain, Bold, Italic, Underline, UnderlineNone, FontSize, Font, Color, Hidden,
    Pard, Par, Line, Tab, AlignLeft, AlignCenter, AlignRight, AlignJustify,
    LeftIndent, FirstIndent, SpaceBefore, SpaceAfter, TabStop,
    RowDefaults, CellEdge, Cell, Row, InTable, NestedCell,
    JpegBlip, PngBlip, OtherBlip, PicWidthGoal, PicHeightGoal, PicScaleX, PicScaleY,
    Symbol,
};
// clang-format on

struct WordInfo {
    Word word;
    char32_t symbol = 0;
};

const std::unordered_map<std::string_view, WordInfo>& knownWords() {
    static const auto table = [] {
        std::unordered_map<std::string_view, WordInfo> m;
        // clang-format off
        // Destinations whose content is never page text.
        for (std::string_view w :
             {"aftncn", "aftnsep", "aftnsepc", "annotation", "atnauthor", "atndate", "atnid", "atnref",
              "background", "bkmkend", "bkmkstart", "colorschememapping", "datastore", "do", "docvar",
              "fchars", "filetbl", "fldinst", "footer", "footerf", "footerl", "footerr", "footnote",
              "ftncn", "ftnsep", "ftnsepc", "generator", "header", "headerf", "headerl", "headerr", "info",
              "latentstyles", "lchars", "listoverridetable", "listpicture", "listtable", "mmathPr",
              "nonshppict", "objclass", "objdata", "objname", "pgdsctbl", "pgptbl", "pn", "pnseclvl",
              "private", "protusertbl", "revtbl", "rsidtbl", "shprslt", "shptxt", "stylesheet", "tc",
              "template", "themedata", "txe", "userprops", "wgrffmtfilter", "xe", "xmlnstbl"})
            m.emplace(w, WordInfo{Word::SkipDest});
        // Kept although written as ignorable: the modern picture container.
        m.emplace("shppict", WordInfo{Word::KeepDest});
        const std::pair<std::string_view, Word> words[] = {
            {"fonttbl", Word::FontTable}, {"colortbl", Word::ColorTable}, {"pict", Word::Pict},
            {"shpinst", Word::ShapeInstruction}, {"ansicpg", Word::Ansicpg}, {"deff", Word::Deff},
            {"fcharset", Word::Fcharset}, {"red", Word::Red}, {"green", Word::Green}, {"blue", Word::Blue},
            {"u", Word::Unicode}, {"uc", Word::UnicodeSkip}, {"bin", Word::Bin}, {"plain", Word::Plain},
            {"b", Word::Bold}, {"i", Word::Italic}, {"ulnone", Word::UnderlineNone},
            {"fs", Word::FontSize}, {"f", Word::Font}, {"cf", Word::Color}, {"v", Word::Hidden},
            {"pard", Word::Pard}, {"par", Word::Par}, {"line", Word::Line}, {"tab", Word::Tab},
            {"ql", Word::AlignLeft}, {"qc", Word::AlignCenter}, {"qr", Word::AlignRight},
            {"qj", Word::AlignJustify}, {"li", Word::LeftIndent}, {"fi", Word::FirstIndent},
            {"sb", Word::SpaceBefore}, {"sa", Word::SpaceAfter}, {"tx", Word::TabStop}, {"trowd", Word::RowDefaults},
            {"cellx", Word::CellEdge}, {"cell", Word::Cell}, {"row", Word::Row}, {"intbl", Word::InTable},
            {"nestcell", Word::NestedCell}, {"jpegblip", Word::JpegBlip}, {"pngblip", Word::PngBlip},
            {"picwgoal", Word::PicWidthGoal}, {"pichgoal", Word::PicHeightGoal},
            {"picscalex", Word::PicScaleX}, {"picscaley", Word::PicScaleY},
        };
        for (const auto& [name, word] : words) m.emplace(name, WordInfo{word});
        for (std::string_view w : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash",
                                   "ulth", "ulthd", "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash",
                                   "ululdbwave", "ulw", "ulwave"})
            m.emplace(w, WordInfo{Word::Underline});
        for (std::string_view w : {"wmetafile", "emfblip", "macpict", "pmmetafile", "dibitmap", "wbitmap"})
            m.emplace(w, WordInfo{Word::OtherBlip});
        const std::pair<std::string_view, char32_t> symbols[] = {
            {"bullet", 0x2022},   {"emdash", 0x2014},  {"endash", 0x2013},    {"lquote", 0x2018},
            {"rquote", 0x2019},   {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", 0x2003},
            {"enspace", 0x2002},  {"qmspace", 0x2005}, {"zwj", 0x200D},       {"zwnj", 0x200C},
        };
        // clang-format on
        for (const auto& [name, cp] : symbols) m.emplace(name, WordInfo{Word::Symbol, cp});
        return m;
    }();
    return table;
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

struct Font {
    std::string name;
    int charset = 1;  // 1: the document's code page
};

struct PictureInProgress {
    enum class Kind { Unknown, Jpeg, Png, Other };
    Kind kind = Kind::Unknown;
    std::string bytes;
    int highNibble = -1;
    long long widthGoal = 0, heightGoal = 0, scaleX = 100, scaleY = 100;
};

// Junk of nothing but '{' must not grow the state stack without bound; deeper groups share a state.
constexpr size_t kMaxDepth = 512;
// Word's own limits; more cells in a row spill into the last one.
constexpr size_t kMaxCells = 63;
constexpr size_t kMaxTabStops = 64;

class Parser {
  public:
    explicit Parser(std::string_view bytes) : s_(bytes) {}

    RtfDocument run() {
        pos_ = s_.find('{');
        while (pos_ < s_.size() && !done_) {
            const char c = s_[pos_];
            if (c == '{') {
                openGroup();
                ++pos_;
            } else if (c == '}') {
                closeGroup();
                ++pos_;
            } else if (c == '\\') {
                controlWord();
            } else if (c == '\r' || c == '\n') {
                ++pos_;
            } else {
                plainBytes();
            }
        }
        if (!done_ && !stack_.empty()) finish();
        return std::move(doc_);
    }

  private:
    State& top() { return stack_.back(); }

    void openGroup() {
        starPending_ = false;
        pendingSkip_ = 0;
        if (stack_.empty()) {
            stack_.emplace_back();
        } else if (stack_.size() >= kMaxDepth) {
            ++overflowDepth_;
        } else {
            stack_.push_back(stack_.back());
        }
    }

    void closeGroup() {
        starPending_ = false;
        pendingSkip_ = 0;
        if (overflowDepth_ > 0) {
            --overflowDepth_;
            return;
        }
        if (stack_.size() == 1) {
            // The document's own group has ended; whatever follows is not part of it.
            finish();
            done_ = true;
            return;
        }
        const Dest closed = top().dest;
        stack_.pop_back();
        ++formatVersion_;
        if (closed == Dest::FontTable && !fontName_.empty()) endFontName();
        if (closed == Dest::Picture && top().dest != Dest::Picture) endPicture();
    }

    // Bytes up to the next brace, backslash or line end.
    void plainBytes() {
        const Dest dest = top().dest;
        if (dest == Dest::Skip || dest == Dest::Shape) {
            pos_ = std::min(s_.find_first_of("{}\\", pos_), s_.size());
            return;
        }
        if (dest == Dest::Picture) {
            pictureHex();
            return;
        }
        size_t end = pos_;
        while (end < s_.size()) {
            const char c = s_[end];
            if (c == '{' || c == '}' || c == '\\' || c == '\r' || c == '\n') break;
            ++end;
        }
        chars(s_.substr(pos_, end - pos_));
        pos_ = end;
    }

    void pictureHex() {
        PictureInProgress& p = picture_;
        const bool keep = p.kind != PictureInProgress::Kind::Other;
        while (pos_ < s_.size()) {
            const char c = s_[pos_];
            if (c == '{' || c == '}' || c == '\\') break;
            ++pos_;
            const int v = hexValue(c);
            if (v < 0 || !keep) continue;
            if (p.highNibble < 0) {
                p.highNibble = v;
            } else {
                p.bytes += static_cast<char>((p.highNibble << 4) | v);
                p.highNibble = -1;
            }
        }
    }

    // Literal characters of the current code page, after a \u's fallback characters are dropped.
    void chars(std::string_view bytes) {
        if (pendingSkip_ > 0) {
            const size_t n = std::min<size_t>(pendingSkip_, bytes.size());
            pendingSkip_ -= static_cast<int>(n);
            bytes.remove_prefix(n);
        }
        if (bytes.empty()) return;
        starPending_ = false;
        State& st = top();
        if (st.dest == Dest::ColorTable) {
            for (char c : bytes)
                if (c == ';') endColor();
            return;
        }
        if (st.dest == Dest::FontTable) {
            for (char c : bytes) {
                if (c == ';') {
                    endFontName();
                } else {
                    fontName_ += rtf::byteToUtf8(codePageOf(defFont_), static_cast<unsigned char>(c));
                }
            }
            return;
        }
        if (st.dest != Dest::Text || st.hidden) return;
        std::string& out = currentRun().text;
        const CodePage page = textCodePage();
        for (char c : bytes) {
            const auto b = static_cast<unsigned char>(c);
            if (b >= 0x80) {
                out += rtf::byteToUtf8(page, b);
            } else if (b >= 0x20 || b == '\t') {
                out += c;
            }
        }
    }

    // Text that is already UTF-8 (symbols, \u): it goes only where text goes.
    void emit(std::string_view utf8) {
        const State& st = top();
        if (st.dest == Dest::FontTable) fontName_ += utf8;
        if (st.dest != Dest::Text || st.hidden) return;
        currentRun().text += utf8;
    }

    void emitCodePoint(char32_t cp) {
        if (cp == 0) return;
        std::string utf8;
        rtf::appendCodePoint(utf8, cp);
        emit(utf8);
    }

    void controlWord() {
        ++pos_;
        if (pos_ >= s_.size()) return;
        const char first = s_[pos_];
        if (!isLetter(first)) {
            ++pos_;
            controlSymbol(first);
            return;
        }
        const size_t start = pos_;
        while (pos_ < s_.size() && isLetter(s_[pos_])) ++pos_;
        const std::string_view name = s_.substr(start, std::min<size_t>(pos_ - start, 32));
        bool negative = false;
        if (pos_ + 1 < s_.size() && s_[pos_] == '-' && isDigit(s_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        bool hasParam = false;
        long long param = 0;
        while (pos_ < s_.size() && isDigit(s_[pos_])) {
            hasParam = true;
            param = std::min(param * 10 + (s_[pos_] - '0'), 1'000'000'000LL);
            ++pos_;
        }
        if (pos_ < s_.size() && s_[pos_] == ' ') ++pos_;
        word(name, hasParam, negative ? -param : param);
    }

    void controlSymbol(char c) {
        if (c == '\'') {
            int value = 0, digits = 0;
            while (digits < 2 && pos_ < s_.size() && hexValue(s_[pos_]) >= 0) {
                value = value * 16 + hexValue(s_[pos_]);
                ++pos_;
                ++digits;
            }
            if (digits == 0) return;
            const char byte = static_cast<char>(value);
            if (top().dest == Dest::Picture) return;
            chars(std::string_view(&byte, 1));
            return;
        }
        if (c == '*') {
            starPending_ = true;
            return;
        }
        if (c == '\r' || c == '\n') {
            starPending_ = false;
            if (top().dest == Dest::Text) endParagraph(false);
            return;
        }
        starPending_ = false;
        if (pendingSkip_ > 0) {
            --pendingSkip_;
            return;
        }
        switch (c) {
            case '{':
            case '}':
            case '\\':
                chars(std::string_view(&c, 1));
                break;
            case '~':
                emitCodePoint(0x00A0);
                break;
            case '_':
                emitCodePoint(0x2011);
                break;
            default:
                break;  // \- optional hyphen, \| and \: formula marks
        }
    }

    void word(std::string_view name, bool hasParam, long long param) {
        const bool star = std::exchange(starPending_, false);
        State& st = top();
        const auto& words = knownWords();
        const auto it = words.find(name);
        if (it != words.end() && it->second.word == Word::Bin) {
            binary(hasParam ? param : 0);
            return;
        }
        if (st.dest == Dest::Skip) return;
        if (it == words.end()) {
            if (star)
                st.dest = Dest::Skip;
            else if (pendingSkip_ > 0)
                --pendingSkip_;
            return;
        }
        const WordInfo info = it->second;
        if (star && info.word != Word::KeepDest && info.word != Word::Pict &&
            info.word != Word::ShapeInstruction && info.word != Word::FontTable &&
            info.word != Word::ColorTable) {
            st.dest = Dest::Skip;
            return;
        }
        if (info.word == Word::SkipDest) {
            st.dest = Dest::Skip;
            return;
        }
        if (pendingSkip_ > 0) {
            --pendingSkip_;
            return;
        }
        const int value = static_cast<int>(param);
        switch (st.dest) {
            case Dest::Text:
                textWord(st, info, hasParam, value);
                break;
            case Dest::FontTable:
                if (info.word == Word::Font && hasParam) defFont_ = value;
                if (info.word == Word::Fcharset && hasParam) fonts_[defFont_].charset = value;
                if (info.word == Word::Unicode && hasParam) unicode(value);
                break;
            case Dest::ColorTable:
                if (info.word == Word::Red) color_.r = static_cast<unsigned char>(value);
                if (info.word == Word::Green) color_.g = static_cast<unsigned char>(value);
                if (info.word == Word::Blue) color_.b = static_cast<unsigned char>(value);
                if (info.word == Word::Red || info.word == Word::Green || info.word == Word::Blue)
                    colorGiven_ = true;
                break;
            case Dest::Picture:
                pictureWord(info.word, param);
                break;
            case Dest::Shape:
                if (info.word == Word::Pict) startPicture(st);
                break;
            case Dest::Skip:
                break;
        }
    }

    void textWord(State& st, const WordInfo& info, bool hasParam, int value) {
        const bool on = !hasParam || value != 0;
        ++formatVersion_;  // cheaper than tracking which words change the character format
        switch (info.word) {
            case Word::FontTable:
                st.dest = Dest::FontTable;
                break;
            case Word::ColorTable:
                st.dest = Dest::ColorTable;
                break;
            case Word::Pict:
                startPicture(st);
                break;
            case Word::ShapeInstruction:
                st.dest = Dest::Shape;
                break;
            case Word::Ansicpg:
                ansiPage_ = rtf::codePageOfAnsicpg(value);
                break;
            case Word::Deff:
                if (hasParam) defaultFont_ = value;
                break;
            case Word::Unicode:
                if (hasParam) unicode(value);
                break;
            case Word::UnicodeSkip:
                st.unicodeSkip = std::clamp(value, 0, 255);
                break;
            case Word::Plain:
                st.font = -1;
                st.halfPoints = 0;
                st.color = -1;
                st.bold = st.italic = st.underline = st.hidden = false;
                break;
            case Word::Bold:
                st.bold = on;
                break;
            case Word::Italic:
                st.italic = on;
                break;
            case Word::Underline:
                st.underline = on;
                break;
            case Word::UnderlineNone:
                st.underline = false;
                break;
            case Word::Hidden:
                st.hidden = on;
                break;
            case Word::FontSize:
                st.halfPoints = hasParam ? std::clamp(value, 0, 3276) : 24;
                break;
            case Word::Font:
                if (hasParam) st.font = value;
                break;
            case Word::Color:
                st.color = hasParam ? value : -1;
                break;
            case Word::Pard:
                st.para = ParagraphFormat{};
                st.inTable = false;
                break;
            case Word::Par:
                endParagraph(false);
                break;
            case Word::Line:
                emit("\n");
                break;
            case Word::Tab:
                emit("\t");
                break;
            case Word::AlignLeft:
                st.para.align = Align::Left;
                break;
            case Word::AlignCenter:
                st.para.align = Align::Center;
                break;
            case Word::AlignRight:
                st.para.align = Align::Right;
                break;
            case Word::AlignJustify:
                st.para.align = Align::Justify;
                break;
            case Word::LeftIndent:
                st.para.leftIndentTwips = value;
                break;
            case Word::FirstIndent:
                st.para.firstLineIndentTwips = value;
                break;
            case Word::SpaceBefore:
                st.para.spaceBeforeTwips = value;
                break;
            case Word::SpaceAfter:
                st.para.spaceAfterTwips = value;
                break;
            case Word::TabStop:
                if (st.para.tabStopsTwips.size() < kMaxTabStops) st.para.tabStopsTwips.push_back(value);
                break;
            case Word::RowDefaults:
                rowEdges_.clear();
                break;
            case Word::CellEdge:
                if (rowEdges_.size() < kMaxCells) rowEdges_.push_back(value);
                break;
            case Word::InTable:
                st.inTable = true;
                break;
            case Word::Cell:
                endCell();
                break;
            case Word::NestedCell:
                endParagraph(true);
                break;
            case Word::Row:
                endRow();
                break;
            case Word::Symbol:
                emitCodePoint(info.symbol);
                break;
            default:
                break;
        }
    }

    void unicode(int value) {
        char32_t cp = static_cast<char32_t>(value < 0 ? value + 65536 : value);
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            highSurrogate_ = cp;
        } else if (cp >= 0xDC00 && cp <= 0xDFFF && highSurrogate_ != 0) {
            emitCodePoint(0x10000 + ((highSurrogate_ - 0xD800) << 10) + (cp - 0xDC00));
            highSurrogate_ = 0;
        } else {
            if (highSurrogate_ != 0) emitCodePoint(0xFFFD);
            highSurrogate_ = 0;
            emitCodePoint(cp);
        }
        pendingSkip_ = top().unicodeSkip;
    }

    void binary(long long count) {
        const size_t n =
            static_cast<size_t>(std::clamp<long long>(count, 0, static_cast<long long>(s_.size() - pos_)));
        if (top().dest == Dest::Picture && picture_.kind != PictureInProgress::Kind::Other)
            picture_.bytes.append(s_.substr(pos_, n));
        pos_ += n;
    }

    // Font table ----------------------------------------------------------------------------------------

    void endFontName() {
        auto& name = fontName_;
        while (!name.empty() && name.back() == ' ') name.pop_back();
        const size_t lead = name.find_first_not_of(' ');
        fonts_[defFont_].name = lead == std::string::npos ? std::string() : name.substr(lead);
        name.clear();
    }

    CodePage codePageOf(int font) {
        const auto it = fonts_.find(font);
        if (it != fonts_.end()) {
            if (auto page = rtf::codePageOfCharset(it->second.charset)) return *page;
        }
        return ansiPage_;
    }

    // Colour table --------------------------------------------------------------------------------------

    void endColor() {
        colors_.push_back(colorGiven_ ? std::optional<Rgb>(color_) : std::nullopt);
        color_ = Rgb{};
        colorGiven_ = false;
    }

    // Runs ----------------------------------------------------------------------------------------------

    CodePage textCodePage() {
        if (pageVersion_ != formatVersion_) {
            const int font = top().font >= 0 ? top().font : defaultFont_;
            page_ = codePageOf(font);
            pageVersion_ = formatVersion_;
        }
        return page_;
    }

    CharFormat currentFormat() {
        const State& st = top();
        CharFormat f;
        const auto font = fonts_.find(st.font >= 0 ? st.font : defaultFont_);
        if (font != fonts_.end()) f.font = font->second.name;
        if (st.halfPoints > 0) f.pointSize = st.halfPoints / 2.0;
        f.bold = st.bold;
        f.italic = st.italic;
        f.underline = st.underline;
        if (st.color >= 0 && static_cast<size_t>(st.color) < colors_.size()) f.color = colors_[st.color];
        return f;
    }

    Run& currentRun() {
        auto& content = paragraph_.content;
        if (runOpen_ && runVersion_ == formatVersion_) return std::get<Run>(content.back());
        CharFormat format = currentFormat();
        runVersion_ = formatVersion_;
        if (runOpen_) {
            Run& last = std::get<Run>(content.back());
            if (last.format == format) return last;
        }
        content.push_back(Run{{}, std::move(format)});
        runOpen_ = true;
        return std::get<Run>(content.back());
    }

    // Paragraphs and tables -----------------------------------------------------------------------------

    void endParagraph(bool inCell) {
        const State& st = top();
        Paragraph p{st.para, std::move(paragraph_.content)};
        paragraph_.content.clear();
        runOpen_ = false;
        if (inCell || st.inTable) {
            cellParagraphs_.push_back(std::move(p));
            return;
        }
        closeTable();
        doc_.blocks.push_back(std::move(p));
    }

    void endCell() {
        endParagraph(true);
        if (row_.cells.size() < kMaxCells) {
            row_.cells.push_back(TableCell{std::move(cellParagraphs_)});
        } else {
            auto& last = row_.cells.back().paragraphs;
            std::move(cellParagraphs_.begin(), cellParagraphs_.end(), std::back_inserter(last));
        }
        cellParagraphs_.clear();
    }

    void endRow() {
        if (!paragraph_.content.empty() || !cellParagraphs_.empty()) endCell();
        if (row_.cells.empty()) return;
        row_.cellRightEdgesTwips = rowEdges_;
        table_.rows.push_back(std::move(row_));
        row_ = TableRow{};
    }

    void closeTable() {
        if (!cellParagraphs_.empty()) {
            row_.cells.push_back(TableCell{std::move(cellParagraphs_)});
            cellParagraphs_.clear();
        }
        if (!row_.cells.empty()) endRow();
        if (table_.rows.empty()) return;
        doc_.blocks.push_back(std::move(table_));
        table_ = Table{};
    }

    void finish() {
        if (!paragraph_.content.empty()) endParagraph(false);
        closeTable();
    }

    // Pictures ------------------------------------------------------------------------------------------

    void startPicture(State& st) {
        st.dest = Dest::Picture;
        picture_ = PictureInProgress{};
    }

    void pictureWord(Word w, long long value) {
        using Kind = PictureInProgress::Kind;
        switch (w) {
            case Word::JpegBlip:
                picture_.kind = Kind::Jpeg;
                break;
            case Word::PngBlip:
                picture_.kind = Kind::Png;
                break;
            case Word::OtherBlip:
                picture_.kind = Kind::Other;
                picture_.bytes.clear();
                break;
            case Word::PicWidthGoal:
                picture_.widthGoal = value;
                break;
            case Word::PicHeightGoal:
                picture_.heightGoal = value;
                break;
            case Word::PicScaleX:
                picture_.scaleX = value;
                break;
            case Word::PicScaleY:
                picture_.scaleY = value;
                break;
            default:
                break;
        }
    }

    static std::optional<int> scaledTwips(long long goal, long long scale) {
        if (goal <= 0) return std::nullopt;
        if (scale <= 0) scale = 100;
        return static_cast<int>(std::min<long long>(goal * scale / 100, 1000000000));
    }

    void endPicture() {
        PictureInProgress p = std::move(picture_);
        picture_ = PictureInProgress{};
        using Kind = PictureInProgress::Kind;
        if ((p.kind != Kind::Jpeg && p.kind != Kind::Png) || p.bytes.empty()) return;
        // A shape's picture sits where the shape is anchored.
        if ((top().dest != Dest::Text && top().dest != Dest::Shape) || top().hidden) return;
        Picture pic;
        pic.kind = p.kind == Kind::Jpeg ? Picture::Kind::Jpeg : Picture::Kind::Png;
        pic.bytes = std::move(p.bytes);
        pic.widthTwips = scaledTwips(p.widthGoal, p.scaleX);
        pic.heightTwips = scaledTwips(p.heightGoal, p.scaleY);
        paragraph_.content.push_back(std::move(pic));
        runOpen_ = false;
    }

    std::string_view s_;
    size_t pos_ = 0;
    bool done_ = false;
    std::vector<State> stack_;
    size_t overflowDepth_ = 0;
    bool starPending_ = false;
    int pendingSkip_ = 0;  // fallback characters still to drop after a \u
    char32_t highSurrogate_ = 0;

    CodePage ansiPage_ = CodePage::Cp1251;
    int defaultFont_ = 0;
    std::unordered_map<int, Font> fonts_;
    int defFont_ = 0;  // the font being defined in the font table
    std::string fontName_;
    std::vector<std::optional<Rgb>> colors_;
    Rgb color_;
    bool colorGiven_ = false;

    unsigned formatVersion_ = 1;  // changes whenever the character format may have changed
    unsigned runVersion_ = 0;
    unsigned pageVersion_ = 0;
    CodePage page_ = CodePage::Cp1251;
    bool runOpen_ = false;  // the paragraph's last piece is a run that may still grow

    PictureInProgress picture_;
    Paragraph paragraph_;
    std::vector<Paragraph> cellParagraphs_;
    TableRow row_;
    std::vector<int> rowEdges_;
    Table table_;
    RtfDocument doc_;
};

RtfDocument plainTextDocument(std::string_view bytes) {
    RtfDocument doc;
    for (const std::string& line : text::parsePlainList(bytes)) {
        Paragraph p;
        if (!line.empty()) p.content.push_back(Run{text::toUtf8(line), {}});
        doc.blocks.push_back(std::move(p));
    }
    return doc;
}

}  // namespace

bool looksLikeRtf(std::string_view bytes) {
    const size_t start = bytes.find_first_not_of(" \t\r\n\f\v");
    return start != std::string_view::npos && bytes.substr(start).starts_with("{\\rtf");
}

RtfDocument parseRtf(std::string_view bytes) {
    if (!looksLikeRtf(bytes)) return plainTextDocument(bytes);
    return Parser(bytes).run();
}

}  // namespace brenvoll::browser
