#include <gtest/gtest.h>

#include "BrowserFixture_test.h"
#include "browser/CatalogBrowser.h"
#include "search/KeywordSearch.h"
#include "text/Fields.h"

namespace brenvoll::search {
namespace {
using namespace browser::fixture;
using browser::AddButtonPicture;

const std::vector<Node> kNodes = {
    {0, "Лотки и крышки", "", "", ""},                                        // 0
    {1, "ЛОТОК прокатный", "М", "LT-1", "501"},                               // 1
    {1, "Лента монтажная", "Рул", "LT-2", "502"},                             // 2
    {1, "Лоток WIRE", "Шт", "WIRE-3", "503"},                                 // 3
    {1, "Лоток: раздел", "", "LT-H", ""},                                     // 4 heading that has a code
    {2, "лоток лестничный", "Шт", "LD-5", "505"},                             // 5
    {1, "Анкер клиновой М8х75", "Шт", "ANKER-KLINOVOY-M8x75", "506"},         // 6: 20 characters
    {1, "Анкер клиновой М10х100", "Шт", "ANKER-KLINOVOY-M10x100-ZN", "507"},  // 7: 25 characters
    {1, "Гайка М6", "Шт", "GM6", "508"},                                      // 8
    {1, "Гайка М6 самоконтрящаяся", "Шт", "GM6", "509"},                      // 9: same code
    {1, "Шайба М6", "Шт", "SH6", "510"},                                      // 10
    {1, "Шайба М6", "Шт", "SH6-Z", "511"},                                    // 11: same name
    {1, "Комплект монтажный", "Компл", "KM", "512"},                          // 12
};

struct SearchTest : ::testing::Test {
    store::CatalogStore catalog;
    RecordingLoader loader;
    RecordingPrompter prompter;
    browser::Browser browser{catalog, loader};
    Pickers pickers;
    Search search{catalog, browser, pickers, prompter};

    void SetUp() override {
        fillCatalog(catalog, kNodes);
        const auto& units = catalog.list(store::List::TV_Izm);
        pickers.codes = BuildPicker(catalog.list(store::List::TV_Cod), units, 115);
        pickers.names = BuildPicker(catalog.list(store::List::TV_Name), units, 45);
    }
    void run(Area area, Mode mode, const char* keyword) {
        search.SetArea(area);
        search.SetMode(mode);
        search.SetKeyword(w(keyword));
        search.SearchKeyword();
    }
    void choose(Picker& picker, const std::string& text) {
        picker.show(text);
        ASSERT_TRUE(picker.selected) << text;
    }
};

TEST_F(SearchTest, ListingFindsAnyLetterCaseAndOnlyPiecesOrMetres) {
    struct Case {
        const char* name;
        Area area;
        const char* keyword;
        std::vector<int> nodes;
    };
    const Case cases[] = {
        {"Cyrillic capitals; a heading is not listed", Area::Name, "лоток", {1, 3, 5}},
        {"Latin capitals", Area::Name, "wire", {3}},
        {"rolls and a heading with a code are not listed", Area::Code, "lt", {1}},
        {"second code", Area::Code1, "50", {1, 3, 5, 6, 7, 8, 9}},
        {"another unit is not listed", Area::Code1, "512", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        run(c.area, Mode::Listing, c.keyword);
        std::vector<std::string> rows, virt;
        for (int k : c.nodes) {
            const std::string& name = catalog.list(store::List::TV_Name)[static_cast<size_t>(k)];
            rows.push_back(name);
            virt.push_back(text::padRight(catalog.list(store::List::TV_Cod)[static_cast<size_t>(k)], 20) +
                           name);
        }
        EXPECT_EQ(search.TV_Poisk(), rows);
        EXPECT_EQ(search.TV_Poisk_Virt(), virt);
        EXPECT_TRUE(search.resultsShown());
        EXPECT_TRUE(search.returnShown());
    }
    EXPECT_EQ(search.TV_Poisk_Virt().size(), 0u);
    run(Area::Name, Mode::Listing, "лоток");
    EXPECT_EQ(search.TV_Poisk_Virt()[0], "LT-1" + std::string(16, ' ') + w("ЛОТОК прокатный"));
}

TEST_F(SearchTest, SteppingShowsOneHitPerPressUntilRestarted) {
    run(Area::Name, Mode::Stepping, "лоток");
    std::vector<int> shown{browser.CurAbsIndex()};
    for (int press = 0; press < 3; ++press) {
        search.SearchKeyword();
        shown.push_back(browser.CurAbsIndex());
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 3, 5, 5}))
        << "three hits in list order, the heading skipped, then nothing";
    EXPECT_EQ(search.SeqSearchPos(), 14);
    EXPECT_EQ(browser.treeSelection(), 5);
    EXPECT_EQ(pickers.names.text(), w("лоток лестничный"));
    EXPECT_FALSE(search.resultsShown());

    search.SetArea(Area::Code);
    search.SetMode(Mode::Listing);
    search.SetMode(Mode::Stepping);
    search.SetKeyword(w("лоток"));
    EXPECT_EQ(search.SeqSearchPos(), 14) << "area, mode and the same keyword do not restart";
    search.SetKeyword(w("лото"));
    EXPECT_EQ(search.SeqSearchPos(), 1) << "editing the keyword restarts";
    search.SetArea(Area::Name);
    search.SearchKeyword();
    EXPECT_EQ(browser.CurAbsIndex(), 1);
    search.SearchKeyword();
    search.RestartStepping();
    search.SearchKeyword();
    EXPECT_EQ(browser.CurAbsIndex(), 1) << "the restart button starts from the top";
}

TEST_F(SearchTest, SteppingHitOnAHeadingInACodeAreaFillsTheCard) {
    run(Area::Code, Mode::Stepping, "LT-H");
    EXPECT_EQ(browser.CurAbsIndex(), 4);
    EXPECT_EQ(browser.card().Label_Cod, "LT-H");
    EXPECT_EQ(browser.card().Label_Name, w("Лоток: раздел"));
    EXPECT_FALSE(pickers.codes.selected) << "no picker entry has the heading's code";
    run(Area::Code1, Mode::Stepping, "507");
    EXPECT_EQ(pickers.codes.text(), "ANKER-KLINOVOY-M10x100-ZN") << "the code picker shows the article code";
}

TEST_F(SearchTest, SteppingPastAPageThatFailsToShow) {
    loader.broken.insert(textPath(3, 1));
    run(Area::Name, Mode::Stepping, "лоток");
    EXPECT_THROW(search.SearchKeyword(), FileError);
    search.SearchKeyword();
    EXPECT_EQ(browser.CurAbsIndex(), 5) << "the next press goes on after the failed hit";
}

TEST_F(SearchTest, MissingAreaOrKeywordIsReportedInTurn) {
    run(Area::Name, Mode::Listing, "лоток");
    search.SetArea(std::nullopt);
    search.SetKeyword("");
    search.SearchKeyword();
    search.SetArea(Area::Code);
    search.SearchKeyword();
    EXPECT_EQ(prompter.shown, (std::vector<std::string>{"message: Выберите область поиска !",
                                                        "message: Введите ключевое слово!",
                                                        "message: Введите ключевое слово!"}));
    EXPECT_EQ(search.TV_Poisk().size(), 3u) << "nothing else changes";
}

TEST_F(SearchTest, ResultRowOpensItsProductByTheFirstTwentyCharacters) {
    struct Case {
        const char* name;
        const char* keyword;
        int row;
        int expected;
    };
    const Case cases[] = {
        {"code of 20 characters", "ANKER", 0, 6},
        {"code of 25 characters opens nothing", "ANKER", 1, 2},
        {"two products with one code: the later", "GM6", 0, 9},
        {"… from either row", "GM6", 1, 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        browser.ShowNode(2);
        run(Area::Code, Mode::Listing, c.keyword);
        search.OpenResult(c.row);
        EXPECT_EQ(browser.CurAbsIndex(), c.expected);
        EXPECT_EQ(browser.card().Label_AbsIndex, std::to_string(c.expected));
        EXPECT_TRUE(search.resultsShown()) << "the result list stays";
    }
    browser.card().MarkAdded();
    search.OpenResult(std::nullopt);
    EXPECT_EQ(browser.card().addPicture, AddButtonPicture::Added) << "no selected row: nothing happens";
}

TEST_F(SearchTest, OpenResultKeepsTheMetreTextOfTheSameUnit) {
    browser.ShowNode(1);
    browser.card().SetMetres("12");
    run(Area::Name, Mode::Listing, "прокатный");
    search.OpenResult(0);
    EXPECT_EQ(browser.card().Ed_Input_Db, "12");
}

TEST_F(SearchTest, PickersShowTheProductTheyName) {
    run(Area::Name, Mode::Listing, "лоток");
    choose(pickers.codes, "GM6");
    search.PickCode();
    EXPECT_EQ(browser.CurAbsIndex(), 9) << "two products with one code: the later";
    EXPECT_EQ(browser.treeSelection(), 9);
    EXPECT_TRUE(search.TV_Poisk().empty());
    EXPECT_FALSE(search.resultsShown());
    EXPECT_FALSE(search.returnShown());
    EXPECT_TRUE(search.treeKeepsHighlight());

    choose(pickers.codes, "SH6");
    search.PickCode();
    EXPECT_EQ(browser.treeSelection(), 10) << "the tree keeps the node of the code";
    EXPECT_EQ(browser.CurAbsIndex(), 11) << "the last node carrying the product's name is shown";
    EXPECT_EQ(browser.card().Label_Cod, "SH6") << "with the picked code on the card";
    EXPECT_EQ(browser.card().Label_Cod1, "511");

    for (int time = 0; time < 2; ++time) {
        SCOPED_TRACE(time);
        choose(pickers.names, w("Шайба М6"));
        loader.calls.clear();
        search.PickName();
        EXPECT_EQ(browser.CurAbsIndex(), 11);
        EXPECT_EQ(browser.card().Label_Cod, "SH6-Z") << "its own article code";
        EXPECT_EQ(loader.calls.size(), 7u) << "shown once, also when already selected";
    }
}

TEST_F(SearchTest, ReturnToContentsKeepsTheRows) {
    run(Area::Name, Mode::Listing, "лоток");
    search.ReturnToContents();
    EXPECT_FALSE(search.resultsShown());
    EXPECT_FALSE(search.returnShown());
    EXPECT_EQ(search.TV_Poisk().size(), 3u);
    run(Area::Name, Mode::Stepping, "лоток");
    EXPECT_TRUE(search.TV_Poisk().empty()) << "the next search empties them";
}

TEST(KeywordIndex, AgreesWithContainsIgnoringCase) {
    const std::vector<std::string> entries = {"ab",  "cd",      w("ЖУК и жук"), "",
                                              "xAb", w("Ёлка"), "ab\ncd",       "abab"};
    const char* keywords[] = {"b\nc", "ab", "AB", "жук и", "Жук", "ёл", "abab", "ba", "bab", "d", "zzzz"};
    KeywordIndex index(entries);
    for (const char* k : keywords) {
        const std::string keyword = w(k);
        SCOPED_TRACE(k);
        const KeywordIndex::Keyword prepared(index, keyword);
        for (size_t from = 0; from <= entries.size(); ++from) {
            std::optional<size_t> expected;
            for (size_t e = from; e < entries.size() && !expected; ++e)
                if (text::containsIgnoringCase(entries[e], keyword)) expected = e;
            EXPECT_EQ(index.nextContaining(from, prepared), expected) << "from " << from;
        }
    }
}

}  // namespace
}  // namespace brenvoll::search
