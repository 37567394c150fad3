#include <gtest/gtest.h>

#include "text/Cp1251.h"
#include "text/Errors.h"
#include "text/Fields.h"
#include "text/ListFile.h"
#include "text/Quantity.h"

using namespace brenvoll;
using namespace brenvoll::text;

TEST(Cp1251, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const auto back = fromUtf8(toUtf8(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all) << "0x98, the byte without a character, must survive too";
    EXPECT_EQ(toUtf8(w("Лоток Ёё №")), "Лоток Ёё №");
}

TEST(Cp1251, TextTheCodePageCannotHoldIsRefused) {
    EXPECT_FALSE(fromUtf8("日本").has_value());
    EXPECT_FALSE(fromUtf8("\xC3").has_value()) << "a cut UTF-8 sequence";
    EXPECT_EQ(fromUtf8Lossy("a日b"), "a?b");
}

TEST(Cp1251, CaseFoldingCoversLatinAndEveryCyrillicLetter) {
    EXPECT_EQ(foldCase(w("ABC АБВЯ Ё ЂЃЉЊЌЋЏЎЈҐЄЇІЅ")), w("abc абвя ё ђѓљњќћџўјґєїіѕ"));
    EXPECT_TRUE(containsIgnoringCase(w("ЛОТОК QZN-100"), w("лоток qzn")));
    EXPECT_TRUE(containsIgnoringCase(w("Ёлка"), w("ЁЛ")));
    EXPECT_FALSE(containsIgnoringCase(w("Ёлка"), w("ел")));
}

TEST(ListFile, PlainFormSplitsAtEveryKindOfLineEnd) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> entries;
    };
    const Case cases[] = {
        {"CR, LF, CR LF", "a\rb\nc\r\n", {"a", "b", "c"}},
        {"last line without end", "a\r\nb", {"a", "b"}},
        {"empty lines are entries", "\r\n\r\nx\r\n", {"", "", "x"}},
        {"empty file", "", {}},
        {"NUL ends the text", std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
        {"no trimming", "  a \t\r\n", {"  a \t"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(parsePlainList(c.bytes), c.entries);
    }
}

TEST(ListFile, TreeFormCountsIndentAsLevels) {
    const auto lines = parseTreeList("A\r\n\tB\r\n\t\tC\r\n D\r\nE", "f");
    const std::vector<TreeLine> expected = {{0, "A"}, {1, "B"}, {2, "C"}, {1, "D"}, {0, "E"}};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(parseTreeList("\t\tFirst\r\nNext", "f")[0], (TreeLine{0, "First"}))
        << "the first line is top-level whatever its indent";
}

TEST(ListFile, TooDeepLineNamesFileLineAndText) {
    try {
        parseTreeList("QZN\r\n  QZN-100", "FileTVCod");
        FAIL() << "a line two levels deeper must be refused";
    } catch (const FileError& e) {
        const std::string message = toUtf8(e.message());
        EXPECT_NE(message.find("FileTVCod"), std::string::npos) << message;
        EXPECT_NE(message.find("QZN-100"), std::string::npos) << message;
        EXPECT_NE(message.find(" 2"), std::string::npos) << message;
    }
}

TEST(ListFile, TreeWriterAndFlatReaderRoundTrip) {
    EXPECT_EQ(writeTreeList({{0, "A"}, {2, "B"}}), "A\r\n\t\tB\r\n");
    EXPECT_EQ(writeFlatList({" x", ""}), " x\r\n\r\n");
    EXPECT_EQ(parseFlatList("\t  a b\r\n \r\n"), (std::vector<std::string>{"a b", ""}));
}

TEST(Fields, FixedColumnsAreTrimmedAndMayBeShort) {
    const std::string record = std::string("QZN-100.35") + std::string(10, ' ') + "  12 ";
    EXPECT_EQ(fixedField(record, 1, 20), "QZN-100.35");
    EXPECT_EQ(fixedField(record, 21, 5), "12");
    EXPECT_EQ(fixedField(std::string(120, 'x'), 151, 5), "");
    EXPECT_EQ(padRight("ab", 4), "ab  ");
    EXPECT_EQ(padRight("abcdef", 4), "abcdef");
}

TEST(Quantity, RealsInShortestFormWithComma) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {{12, "12"}, {7.5, "7,5"}, {0.1 + 0.2, "0,3"}, {10.5, "10,5"}, {0, "0"},
                          {-2.25, "-2,25"}, {123456789012345.0, "123456789012345"}, {1e-7, "0,0000001"}};
    for (const auto& c : cases) EXPECT_EQ(formatReal(c.value), c.text) << c.value;
}

TEST(Quantity, ReadingNumbers) {
    EXPECT_DOUBLE_EQ(parseReal(" 7,5 "), 7.5);
    EXPECT_DOUBLE_EQ(parseReal("3"), 3);
    EXPECT_THROW(parseReal("7.5"), ConversionError) << "the separator is the comma";
    EXPECT_THROW(parseReal(","), ConversionError);
    EXPECT_THROW(parseReal(""), ConversionError);
    EXPECT_EQ(parseWhole(" 9999 "), 9999);
    EXPECT_THROW(parseWhole("12a"), ConversionError);
    EXPECT_EQ(readCount("0 0 7"), 7) << "a typed count keeps only its digits";
    EXPECT_EQ(readCount(""), 0);
}
