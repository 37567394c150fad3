#include "browser/ui/RtfRender.h"

#include <QImage>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextTable>
#include <QTextTableFormat>
#include <QUrl>
#include <algorithm>
#include <climits>
#include <variant>
#include <vector>

namespace brenvoll::browser {
namespace {

// 1440 twips per inch shown at 96 pixels per inch.
constexpr double kTwipsPerPixel = 15.0;
// Junk sizes and indents would make Qt lay out absurd pages; a page is never wider than this.
constexpr int kMaxTwips = 20 * 1440;

double pixels(int twips) {
    return std::clamp(twips, -kMaxTwips, kMaxTwips) / kTwipsPerPixel;
}

Qt::Alignment alignmentOf(Align align) {
    switch (align) {
        case Align::Center:
            return Qt::AlignHCenter;
        case Align::Right:
            return Qt::AlignRight;
        case Align::Justify:
            return Qt::AlignJustify;
        case Align::Left:
            break;
    }
    return Qt::AlignLeft;
}

QTextBlockFormat blockFormatOf(const ParagraphFormat& p) {
    QTextBlockFormat f;
    f.setAlignment(alignmentOf(p.align));
    const double margin = std::max(0.0, pixels(p.leftIndentTwips));
    const double indent = pixels(p.firstLineIndentTwips);
    f.setLeftMargin(margin);
    f.setTextIndent(indent);
    if (p.spaceBeforeTwips) f.setTopMargin(std::max(0.0, pixels(*p.spaceBeforeTwips)));
    if (p.spaceAfterTwips) f.setBottomMargin(std::max(0.0, pixels(*p.spaceAfterTwips)));
    std::vector<int> stops = p.tabStopsTwips;
    // A hanging indent is also a tab stop: a list bullet's tab reaches the text's indent.
    if (p.firstLineIndentTwips < 0) stops.push_back(p.leftIndentTwips);
    std::sort(stops.begin(), stops.end());
    stops.erase(std::unique(stops.begin(), stops.end()), stops.end());
    // Qt measures tab stops from where the first line starts, RTF from the text area's left edge.
    QList<QTextOption::Tab> tabs;
    for (int stop : stops) {
        const double position = pixels(stop) - margin - indent;
        if (position > 0) tabs << QTextOption::Tab(position, QTextOption::LeftTab);
    }
    if (!tabs.isEmpty()) f.setTabPositions(tabs);
    return f;
}

QTextCharFormat charFormatOf(const CharFormat& c) {
    QTextCharFormat f;
    if (!c.font.empty()) f.setFontFamilies({QString::fromStdString(c.font)});
    if (c.pointSize && *c.pointSize > 0) f.setFontPointSize(*c.pointSize);
    if (c.bold) f.setFontWeight(QFont::Bold);
    if (c.italic) f.setFontItalic(true);
    if (c.underline) f.setFontUnderline(true);
    if (c.color) f.setForeground(QColor(c.color->r, c.color->g, c.color->b));
    return f;
}

class Renderer {
  public:
    explicit Renderer(QTextDocument& target) : doc_(target), cursor_(&target) {}

    void block(const Block& b) {
        if (const auto* p = std::get_if<Paragraph>(&b)) {
            paragraph(cursor_, *p, freshBlock_);
            freshBlock_ = false;
        } else {
            table(std::get<Table>(b));
        }
    }

  private:
    // A fresh block is the empty one a new document or a table leaves; the paragraph takes it over.
    void paragraph(QTextCursor& cursor, const Paragraph& p, bool fresh) {
        if (fresh) {
            cursor.setBlockFormat(blockFormatOf(p.format));
        } else {
            cursor.insertBlock(blockFormatOf(p.format), QTextCharFormat());
        }
        for (const Inline& piece : p.content) {
            if (const auto* run = std::get_if<Run>(&piece)) {
                QString text = QString::fromStdString(run->text);
                text.replace(QLatin1Char('\n'), QChar::LineSeparator);
                cursor.insertText(text, charFormatOf(run->format));
            } else {
                picture(cursor, std::get<Picture>(piece));
            }
        }
    }

    void picture(QTextCursor& cursor, const Picture& pic) {
        if (pic.bytes.size() > static_cast<size_t>(INT_MAX)) return;
        QImage image;
        if (!image.loadFromData(reinterpret_cast<const uchar*>(pic.bytes.data()),
                                static_cast<int>(pic.bytes.size())))
            return;
        // Each render numbers its pictures afresh; clear() dropped the previous page's resources.
        const QUrl name(QStringLiteral("rtf-picture:%1").arg(++pictureCount_));
        doc_.addResource(QTextDocument::ImageResource, name, image);
        QTextImageFormat f;
        f.setName(name.toString());
        f.setWidth(pic.widthTwips ? std::max(1.0, pixels(*pic.widthTwips)) : image.width());
        f.setHeight(pic.heightTwips ? std::max(1.0, pixels(*pic.heightTwips)) : image.height());
        cursor.insertImage(f);
    }

    void table(const Table& t) {
        int columns = 0;
        for (const TableRow& row : t.rows) columns = std::max(columns, static_cast<int>(row.cells.size()));
        if (columns == 0) return;
        QTextTableFormat format;
        format.setBorder(1);
        format.setBorderCollapse(true);
        format.setCellSpacing(0);
        format.setCellPadding(2);
        const auto& edges = t.rows.front().cellRightEdgesTwips;
        if (static_cast<int>(edges.size()) == columns) {
            QList<QTextLength> widths;
            int left = 0;
            for (int edge : edges) {
                widths << QTextLength(QTextLength::FixedLength, std::max(1.0, pixels(edge - left)));
                left = edge;
            }
            format.setColumnWidthConstraints(widths);
        }
        QTextTable* table = cursor_.insertTable(static_cast<int>(t.rows.size()), columns, format);
        for (int r = 0; r < static_cast<int>(t.rows.size()); ++r) {
            const auto& cells = t.rows[r].cells;
            for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
                QTextCursor cellCursor = table->cellAt(r, c).firstCursorPosition();
                bool fresh = true;
                for (const Paragraph& p : cells[c].paragraphs) {
                    paragraph(cellCursor, p, fresh);
                    fresh = false;
                }
            }
        }
        cursor_ = table->lastCursorPosition();
        cursor_.movePosition(QTextCursor::NextBlock);
        freshBlock_ = true;
    }

    QTextDocument& doc_;
    QTextCursor cursor_;
    bool freshBlock_ = true;
    int pictureCount_ = 0;
};

}  // namespace

void renderRtf(const RtfDocument& doc, QTextDocument& target) {
    target.clear();
    Renderer renderer(target);
    for (const Block& b : doc.blocks) renderer.block(b);
}

}  // namespace brenvoll::browser
