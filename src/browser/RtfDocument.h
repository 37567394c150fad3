#pragma once
// A rich-text page as read from an RTF file: the small subset of the format that catalog pages use.
// Run text is UTF-8, not Windows-1251: \uN escapes may carry characters the code page cannot hold.
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace brenvoll::browser {

enum class Align { Left, Center, Right, Justify };

struct Rgb {
    unsigned char r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

struct CharFormat {
    std::string font;                 // family name (UTF-8); empty: the text box's default font
    std::optional<double> pointSize;  // none: the text box's default size
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::optional<Rgb> color;  // none: the automatic (default) colour
    bool operator==(const CharFormat&) const = default;
};

// Text with one format. '\n' inside the text is a line break within the paragraph (\line),
// '\t' a tab (\tab).
struct Run {
    std::string text;
    CharFormat format;
    bool operator==(const Run&) const = default;
};

// An embedded picture, kept only in the formats the window can decode.
struct Picture {
    enum class Kind { Jpeg, Png };
    Kind kind = Kind::Png;
    std::string bytes;              // the image file's bytes
    std::optional<int> widthTwips;  // displayed size when the file gives one (scaling applied)
    std::optional<int> heightTwips;
    bool operator==(const Picture&) const = default;
};

using Inline = std::variant<Run, Picture>;

struct ParagraphFormat {
    Align align = Align::Left;
    int leftIndentTwips = 0;
    int firstLineIndentTwips = 0;  // relative to the left indent; negative for a hanging indent
    std::optional<int> spaceBeforeTwips;
    std::optional<int> spaceAfterTwips;
    std::vector<int> tabStopsTwips;  // measured like the left indent, from the text area's left edge
    bool operator==(const ParagraphFormat&) const = default;
};

struct Paragraph {
    ParagraphFormat format;
    std::vector<Inline> content;
};

struct TableCell {
    std::vector<Paragraph> paragraphs;
};

struct TableRow {
    std::vector<TableCell> cells;
    std::vector<int> cellRightEdgesTwips;  // from \cellx; may be shorter than cells
};

struct Table {
    std::vector<TableRow> rows;
};

using Block = std::variant<Paragraph, Table>;

struct RtfDocument {
    std::vector<Block> blocks;
};

}  // namespace brenvoll::browser
