#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "browser/RtfReader.h"
#include "text/Cp1251.h"

using namespace brenvoll::browser;
using brenvoll::text::w;

namespace {

using Lines = std::vector<std::string>;

Lines linesOf(std::string_view rtf) {
    return plainLines(parseRtf(rtf));
}

std::vector<const Paragraph*> paragraphsOf(const RtfDocument& doc) {
    std::vector<const Paragraph*> out;
    for (const Block& b : doc.blocks)
        if (const auto* p = std::get_if<Paragraph>(&b)) out.push_back(p);
    return out;
}

std::vector<Run> runsOf(const Paragraph& p) {
    std::vector<Run> runs;
    for (const Inline& piece : p.content)
        if (const auto* r = std::get_if<Run>(&piece)) runs.push_back(*r);
    return runs;
}

std::vector<Picture> picturesOf(const RtfDocument& doc) {
    std::vector<Picture> out;
    for (const Paragraph* p : paragraphsOf(doc))
        for (const Inline& piece : p->content)
            if (const auto* pic = std::get_if<Picture>(&piece)) out.push_back(*pic);
    return out;
}

const Table* firstTable(const RtfDocument& doc) {
    for (const Block& b : doc.blocks)
        if (const auto* t = std::get_if<Table>(&b)) return t;
    return nullptr;
}

std::string readTestFile(const std::string& name) {
    std::ifstream in(std::string(BRENVOLL_TEST_DATA) + "/rtf/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string hexOf(std::string_view bytes) {
    static const char* digits = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : bytes) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

const std::string kPng = std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
const std::string kJpeg = std::string("\xFF\xD8\xFF\xE0\0\x10JFIF\0", 11);

TEST(RtfReader, TextEscapesAndCodePages) {
    struct Case {
        const char* name;
        std::string rtf;
        Lines expected;
    };
    const Case cases[] = {
        {"Windows-1251 escapes",
         R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8\'e2\'e5\'f2, \'b8\'e6\'e8\'ea!\par})",
         {"Привет, ёжик!"}},
        {"no code page reads as Windows-1251", R"({\rtf1 \'c0\'e1\par})", {"Аб"}},
        {"unknown code page reads as Windows-1251", R"({\rtf1\ansicpg866 \'c0\par})", {"А"}},
        {"Windows-1252", R"({\rtf1\ansi\ansicpg1252 caf\'e9 \'80\par})", {"café €"}},
        {"font charset decides over the code page",
         R"({\rtf1\ansicpg1252{\fonttbl{\f0\fcharset204 Arial;}{\f1\fcharset0 Arial;}}\f0\'c0\f1\'c0\par})",
         {"АÀ"}},
        {"unescaped 8-bit bytes", "{\\rtf1 \xCA\xEE\xE4\\par}", {"Код"}},
        {"unicode with the default one fallback", R"({\rtf1 \u1055?\u1088?\par})", {"Пр"}},
        {"unicode with two fallbacks", R"({\rtf1\uc2 \u1055\'3f\'3f!\par})", {"П!"}},
        {"unicode without fallback", R"({\rtf1\uc0 \u1055\u1088\par})", {"Пр"}},
        {"fallback count is scoped by group", R"({\rtf1{\uc2 \u1055??}\u1088?\par})", {"Пр"}},
        {"group end cuts the fallback short", R"({\rtf1{\uc3 \u1055?}X\par})", {"ПX"}},
        {"negative values and surrogate pairs",
         R"({\rtf1 \u-10179?\u-8576?\u-1280?\par})",
         {"\U0001F680\uFB00"}},
        {"lone surrogate", R"({\rtf1 \u-10179?x\par})", {"x"}},
        {"named symbols",
         R"({\rtf1 \bullet\emdash\endash\lquote\rquote\ldblquote\rdblquote\par})",
         {"•—–‘’“”"}},
        {"control symbols", R"({\rtf1 a\~b\_c\-d\{e\}f\\g\par})", {"a\u00A0b\u2011cd{e}f\\g"}},
        {"line breaks and tabs", R"({\rtf1 a\line b\tab c\par d\par})", {"a", "b\tc", "d"}},
        {"backslash before a line end ends the paragraph", "{\\rtf1 a\\\r\nb}", {"a", "b"}},
        {"line ends in the file are not text", "{\\rtf1 a\r\nb\nc\\par}", {"abc"}},
        {"last paragraph without \\par", R"({\rtf1 one\par two})", {"one", "two"}},
        {"list text of word processors",
         w(R"({\rtf1{\fonttbl{\f1\fcharset2 Symbol;}}{\pntext\f1\'b7\tab}{\*\pn\pnlvlblt{\pntxtb\'b7}}Пункт\par)"
           R"({\listtext\f1\'b7\tab}Два\par})"),
         {"•\tПункт", "•\tДва"}},
        {"hidden text", R"({\rtf1 a{\v hidden}b\v c\v0 d\par})", {"abd"}},
        {"field result kept, instruction dropped",
         w(R"({\rtf1 {\field{\*\fldinst HYPERLINK "http://x"}{\fldrslt Ссылка}}\par})"),
         {"Ссылка"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(linesOf(c.rtf), c.expected);
    }
}

TEST(RtfReader, SkipsWhatIsNotPageText) {
    struct Case {
        const char* name;
        std::string rtf;
    };
    const Case cases[] = {
        {"ignorable destination", R"({\rtf1{\*\somethingnew hidden {\b nested}}Text\par})"},
        {"known ignorable destination", R"({\rtf1{\*\generator Editor 1.0;}Text\par})"},
        {"header and footer", R"({\rtf1{\header Head\par}{\footerr Foot\par}Text\par})"},
        {"info and stylesheet",
         R"({\rtf1{\info{\title Title}{\author Someone}}{\stylesheet{\s0 Normal;}}Text\par})"},
        {"theme and data store", R"({\rtf1{\*\themedata 504b03}{\*\datastore 0105}Text\par})"},
        {"unknown control words", R"({\rtf1\newword12\other-3 Te\zzz xt\par})"},
        {"binary data with braces inside", "{\\rtf1 Te{\\*\\objdata \\bin5 }}{\\x}xt\\par}"},
        {"binary data outside a destination", "{\\rtf1 Te\\bin3 {}\\xt\\par}"},
        {"footnote", R"({\rtf1 Text{\footnote Note}\par})"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(linesOf(c.rtf), Lines{"Text"});
    }
}

TEST(RtfReader, CharacterFormatFollowsGroups) {
    const auto doc = parseRtf(
        R"({\rtf1\deff0{\fonttbl{\f0\fswiss\fcharset204 Arial;}{\f1\froman Times New Roman{\*\falt Times};}})"
        R"({\colortbl;\red255\green0\blue0;\red0\green128\blue0;})"
        R"(\fs30 a{\b\i\ul\cf1\f1\fs20 b{\b0\ulnone\cf2 c}d}e\plain f\par})");
    const auto paragraphs = paragraphsOf(doc);
    ASSERT_EQ(paragraphs.size(), 1u);
    const auto runs = runsOf(*paragraphs[0]);
    ASSERT_EQ(runs.size(), 6u);
    const Rgb red{255, 0, 0}, green{0, 128, 0};
    struct Expected {
        const char* text;
        CharFormat format;
    };
    const Expected expected[] = {
        {"a", {"Arial", 15.0, false, false, false, std::nullopt}},
        {"b", {"Times New Roman", 10.0, true, true, true, red}},
        {"c", {"Times New Roman", 10.0, false, true, false, green}},
        {"d", {"Times New Roman", 10.0, true, true, true, red}},
        {"e", {"Arial", 15.0, false, false, false, std::nullopt}},
        {"f", {"Arial", std::nullopt, false, false, false, std::nullopt}},
    };
    for (size_t i = 0; i < runs.size(); ++i) {
        SCOPED_TRACE(expected[i].text);
        EXPECT_EQ(runs[i].text, expected[i].text);
        EXPECT_EQ(runs[i].format, expected[i].format);
    }
}

TEST(RtfReader, RunsMergeWhenTheFormatDoesNotChange) {
    const auto doc = parseRtf(R"({\rtf1 {\b one }{\b two }\b0 three\par})");
    const auto runs = runsOf(*paragraphsOf(doc).at(0));
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].text, "one two ");
    EXPECT_EQ(runs[1].text, "three");
}

TEST(RtfReader, ParagraphFormat) {
    const auto doc = parseRtf(
        R"({\rtf1\pard\qc\li720\fi-360\sb120\sa60\tx720\tx1440 a\par b\par\pard\qr c\par\qj d\par})");
    const auto paragraphs = paragraphsOf(doc);
    ASSERT_EQ(paragraphs.size(), 4u);
    const ParagraphFormat centred{Align::Center, 720, -360, 120, 60, {720, 1440}};
    EXPECT_EQ(paragraphs[0]->format, centred);
    EXPECT_EQ(paragraphs[1]->format, centred) << "paragraph format carries on until \\pard";
    EXPECT_EQ(paragraphs[2]->format, (ParagraphFormat{Align::Right, 0, 0, std::nullopt, std::nullopt, {}}));
    EXPECT_EQ(paragraphs[3]->format.align, Align::Justify);
}

TEST(RtfReader, Tables) {
    const auto doc = parseRtf(w(R"({\rtf1 До\par)"
                                R"(\trowd\cellx1000\cellx2500\pard\intbl А\cell Б\cell\row)"
                                R"(\trowd\cellx1000\cellx2500\pard\intbl В\cell Г\par Д\cell\row)"
                                R"(\pard После\par})"));
    EXPECT_EQ(plainLines(doc), (Lines{"До", "А\tБ", "В\tГ Д", "После"}));
    ASSERT_EQ(doc.blocks.size(), 3u);
    const Table* table = firstTable(doc);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rows.size(), 2u);
    EXPECT_EQ(table->rows[0].cellRightEdgesTwips, (std::vector<int>{1000, 2500}));
    EXPECT_EQ(table->rows[1].cells[1].paragraphs.size(), 2u);
}

TEST(RtfReader, TableRowPropertiesRepeatedAtRowEnd) {
    // Newer word processors repeat the row definition just before \row.
    const auto doc = parseRtf(
        R"({\rtf1\trowd\cellx900\cellx1800\pard\intbl{a\cell}{b\cell}\pard\intbl{\trowd\cellx900\cellx1800\row})"
        R"(\pard end\par})");
    EXPECT_EQ(plainLines(doc), (Lines{"a\tb", "end"}));
}

TEST(RtfReader, Pictures) {
    struct Case {
        const char* name;
        std::string rtf;
        std::vector<Picture> expected;
    };
    const Picture png{Picture::Kind::Png, kPng, 1440, 720};
    const Picture jpeg{Picture::Kind::Jpeg, kJpeg, std::nullopt, std::nullopt};
    const std::string pngHex = hexOf(kPng);
    const Case cases[] = {
        {"PNG with its display size",
         R"({\rtf1 {\pict\pngblip\picw20\pich10\picwgoal1440\pichgoal720 )" + pngHex + R"(}\par})",
         {png}},
        {"JPEG, hex split over lines",
         "{\\rtf1 {\\pict\\jpegblip\r\n" + hexOf(kJpeg.substr(0, 5)) + "\r\n" + hexOf(kJpeg.substr(5)) +
             "}\\par}",
         {jpeg}},
        {"scaled",
         R"({\rtf1 {\pict\pngblip\picwgoal1000\pichgoal1000\picscalex50\picscaley200 )" + pngHex +
             R"(}\par})",
         {Picture{Picture::Kind::Png, kPng, 500, 2000}}},
        {"binary data",
         "{\\rtf1 {\\pict\\jpegblip\\bin" + std::to_string(kJpeg.size()) + " " + kJpeg + "}\\par}",
         {jpeg}},
        {"metafiles skipped",
         R"({\rtf1 {\pict\wmetafile8\picw10 0100090000}{\pict\emfblip 01000000}{\pict\dibitmap0 2800}\par})",
         {}},
        {"modern container: PNG kept, metafile copy dropped",
         R"({\rtf1 {\*\shppict{\pict{\*\picprop{\sp{\sn wzName}{\sv Рисунок}}}\picwgoal1440\pichgoal720\pngblip )" +
             pngHex + R"(}}{\nonshppict{\pict\wmetafile8 0100090000}}\par})",
         {png}},
        {"shape picture",
         R"({\rtf1 {\shp{\*\shpinst\shpleft0{\sp{\sn pib}{\sv {\pict\jpegblip )" + hexOf(kJpeg) +
             R"(}}}}{\shprslt{\pict\wmetafile8 0100}}}\par})",
         {jpeg}},
        {"empty picture dropped", R"({\rtf1 {\pict\pngblip}\par})", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto doc = parseRtf(c.rtf);
        EXPECT_EQ(picturesOf(doc), c.expected);
        EXPECT_EQ(plainLines(doc), Lines{""}) << "pictures give no text";
    }
}

TEST(RtfReader, TextAfterAPictureStartsANewRun) {
    const auto doc = parseRtf("{\\rtf1 a{\\pict\\pngblip " + hexOf(kPng) + "}b\\par}");
    const auto& content = paragraphsOf(doc).at(0)->content;
    ASSERT_EQ(content.size(), 3u);
    EXPECT_EQ(std::get<brenvoll::browser::Run>(content[2]).text, "b");
}

TEST(RtfReader, RecognisesRtfByItsStart) {
    struct Case {
        std::string bytes;
        bool rtf;
    };
    const Case cases[] = {{"{\\rtf1 x}", true}, {" \t\r\n{\\rtf", true}, {"", false},    {"   ", false},
                          {"{\\rt", false},     {"x{\\rtf1}", false},    {"rtf", false}, {"{ \\rtf1", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(looksLikeRtf(c.bytes), c.rtf);
    }
}

TEST(RtfReader, PlainTextFallback) {
    struct Case {
        const char* name;
        std::string bytes;
        Lines expected;
    };
    const Case cases[] = {
        {"Windows-1251 lines", "\xCB\xEE\xF2\xEE\xEA\r\n\xCA\xEE\xE4", {"Лоток", "Код"}},
        {"every line end", "a\rb\nc\r\nd\r\n", {"a", "b", "c", "d"}},
        {"empty lines kept", "a\r\n\r\nb", {"a", "", "b"}},
        {"braces and backslashes are text", "{\\b not rtf}", {"{\\b not rtf}"}},
        {"empty file", "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(linesOf(c.bytes), c.expected);
    }
}

TEST(RtfReader, BadInputGivesWhatCouldBeRead) {
    struct Case {
        const char* name;
        std::string rtf;
        Lines expected;
    };
    const Case cases[] = {
        {"missing closing braces", R"({\rtf1 {\b a\par b)", {"a", "b"}},
        {"too many closing braces", R"({\rtf1 a\par}}} b\par})", {"a"}},
        {"cut in a control word", R"({\rtf1 a\par b\pa)", {"a", "b"}},
        {"cut in an escape", R"({\rtf1 a\')", {"a"}},
        {"bad escape digits", R"({\rtf1 a\'zzb\'4)", {"azzb"}},
        {"cut in a picture", R"({\rtf1 a{\pict\pngblip 89504e4)", {"a"}},
        {"binary count past the end", R"({\rtf1 a\bin99999999999 xyz)", {"a"}},
        {"unicode without a value", R"({\rtf1 a\u b\par})", {"ab"}},
        {"huge fallback count", R"({\rtf1\uc999999999 \u1055 abc\par d\par})", {"П"}},
        {"lone backslash at the end", "{\\rtf1 a\\", {"a"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(linesOf(c.rtf), c.expected);
    }
}

TEST(RtfReader, PathologicalInputStaysCheap) {
    // Each of these would hang, exhaust memory or take minutes if handled naively.
    const std::string deep = "{\\rtf1 " + std::string(1'000'000, '{') + "deep" + std::string(1'000'000, '}');
    EXPECT_EQ(linesOf(deep), Lines{"deep"});

    std::string cells = "{\\rtf1\\trowd\\intbl ";
    for (int i = 0; i < 100'000; ++i) cells += "x\\cell ";
    const auto cellDoc = parseRtf(cells + "\\row}");
    ASSERT_NE(firstTable(cellDoc), nullptr);
    EXPECT_LE(firstTable(cellDoc)->rows.at(0).cells.size(), 63u) << "a row never grows wider than a page";

    std::string paragraphs = "{\\rtf1 ";
    for (int i = 0; i < 200'000; ++i) paragraphs += "\\par ";
    EXPECT_EQ(linesOf(paragraphs + "}").size(), 200'000u);

    // A 10 MB embedded picture.
    std::string big = "{\\rtf1 a{\\pict\\jpegblip\\picwgoal100\\pichgoal100 " + hexOf(kJpeg);
    big.reserve(big.size() + 20'000'000 + 16);
    for (size_t i = 0; i < 10'000'000 - kJpeg.size(); ++i) big += "ab";
    big += "}b\\par}";
    const auto bigDoc = parseRtf(big);
    EXPECT_EQ(plainLines(bigDoc), Lines{"ab"});
    const auto pictures = picturesOf(bigDoc);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].bytes.size(), 10'000'000u);
}

TEST(RtfReader, TruncatedPagesAndJunkNeverCrash) {
    const std::vector<std::string> tokens = {"{",
                                             "}",
                                             "\\",
                                             "\\'",
                                             "\\'c",
                                             "\\'cf",
                                             "\\u",
                                             "\\u-",
                                             "\\u1055",
                                             "\\uc",
                                             "\\uc3",
                                             "\\bin",
                                             "\\bin2 ",
                                             "\\pict",
                                             "\\pngblip",
                                             "\\jpegblip",
                                             "\\wmetafile8",
                                             "\\*",
                                             "\\fonttbl",
                                             "\\colortbl",
                                             "\\f",
                                             "\\f1",
                                             "\\fcharset",
                                             "\\red9",
                                             ";",
                                             "\\trowd",
                                             "\\cellx",
                                             "\\cell",
                                             "\\row",
                                             "\\intbl",
                                             "\\par",
                                             "\\pard",
                                             "\\plain",
                                             "\\b",
                                             "\\b0",
                                             "\\fs-5",
                                             "\\cf99",
                                             "\\shpinst",
                                             "\\shppict",
                                             "\\v",
                                             "text",
                                             "\xCF\xF0",
                                             " ",
                                             "\r\n",
                                             "0f",
                                             std::string(1, '\0'),
                                             "\\-",
                                             "\\~",
                                             "\\li-99999999999",
                                             "\\picscalex0",
                                             "\\picwgoal"};
    std::mt19937 random(20240611);
    for (int doc = 0; doc < 2000; ++doc) {
        std::string rtf = "{\\rtf1";
        const int count = std::uniform_int_distribution<int>(0, 300)(random);
        for (int i = 0; i < count; ++i)
            rtf += tokens[std::uniform_int_distribution<size_t>(0, tokens.size() - 1)(random)];
        const auto lines = linesOf(rtf);
        (void)lines;
    }
    const std::string page = readTestFile("lotok.rtf");
    for (size_t cut = 0; cut < page.size(); cut += 13) {
        const auto lines = linesOf(std::string_view(page).substr(0, cut));
        (void)lines;
    }
    std::string bytes(4096, '\0');
    for (int doc = 0; doc < 200; ++doc) {
        for (char& c : bytes) c = static_cast<char>(random());
        const auto lines = linesOf("{\\rtf1" + bytes);
        (void)lines;
    }
}

// Pages saved by a real word processor; see tests/data/rtf/README.md.
TEST(RtfReader, WordProcessorPageWithListTableAndPicture) {
    const std::string bytes = readTestFile("lotok.rtf");
    ASSERT_FALSE(bytes.empty());
    const auto doc = parseRtf(bytes);
    EXPECT_EQ(plainLines(doc), (Lines{
                                   "Лоток прокатный ЛП",
                                   "Лоток изготавливается из оцинкованной стали толщиной 0,8 мм и служит для "
                                   "прокладки кабеля.",
                                   "•\tШирина от 50 до 600 мм ",
                                   "•\tДлина секции 3 м ",
                                   "Код\tНаименование\tМасса, кг",
                                   "ЛП-50\tЛоток 50×50\t2,4",
                                   "",
                                   "Ёлки и щётка: «ъ» и «Ъ».",
                               }));
    const auto paragraphs = paragraphsOf(doc);
    ASSERT_GE(paragraphs.size(), 2u);
    const auto heading = runsOf(*paragraphs[0]);
    ASSERT_FALSE(heading.empty());
    EXPECT_TRUE(heading[0].format.bold);
    EXPECT_EQ(heading[0].format.pointSize, 24.0);

    const auto body = runsOf(*paragraphs[1]);
    ASSERT_EQ(body.size(), 5u);
    EXPECT_EQ(body[1].text, "оцинкованной стали");
    EXPECT_TRUE(body[1].format.bold);
    EXPECT_EQ(body[3].text, "0,8 мм");
    EXPECT_TRUE(body[3].format.italic);
    EXPECT_FALSE(body[0].format.bold || body[0].format.italic);

    const Table* table = firstTable(doc);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rows.size(), 2u);
    EXPECT_EQ(table->rows[0].cells.size(), 3u);

    const auto pictures = picturesOf(doc);
    ASSERT_EQ(pictures.size(), 1u) << "the PNG is kept and its metafile copy dropped";
    EXPECT_EQ(pictures[0].kind, Picture::Kind::Png);
    EXPECT_EQ(pictures[0].bytes.substr(0, 8), kPng.substr(0, 8));
    EXPECT_EQ(pictures[0].bytes.size(), 93u);
    EXPECT_EQ(pictures[0].widthTwips, 360);
    EXPECT_EQ(pictures[0].heightTwips, 180);
    EXPECT_EQ(paragraphs.back()->format.align, Align::Center);
}

TEST(RtfReader, WordProcessorPageWithColoursSizesAndAlignment) {
    const std::string bytes = readTestFile("formats.rtf");
    ASSERT_FALSE(bytes.empty());
    const auto doc = parseRtf(bytes);
    EXPECT_EQ(plainLines(doc),
              (Lines{"Красный текст справа", "Подчёркнутая строка", "Вторая строка абзаца",
                     "Моноширинный крупный", "Обычный абзац по ширине — тире, «кавычки» и № 5."}));
    const auto paragraphs = paragraphsOf(doc);
    ASSERT_EQ(paragraphs.size(), 4u);
    EXPECT_EQ(paragraphs[0]->format.align, Align::Right);
    EXPECT_EQ(runsOf(*paragraphs[0]).at(0).format.color, (Rgb{255, 0, 0}));
    EXPECT_EQ(runsOf(*paragraphs[0]).at(1).format.color, std::nullopt);
    EXPECT_EQ(paragraphs[1]->format.align, Align::Center);
    EXPECT_TRUE(runsOf(*paragraphs[1]).at(0).format.underline);
    EXPECT_EQ(paragraphs[2]->format.leftIndentTwips, 1134);
    EXPECT_EQ(runsOf(*paragraphs[2]).at(0).format.font, "Courier New");
    EXPECT_EQ(runsOf(*paragraphs[2]).at(0).format.pointSize, 18.0);
    EXPECT_EQ(paragraphs[3]->format.align, Align::Justify);
}

}  // namespace
