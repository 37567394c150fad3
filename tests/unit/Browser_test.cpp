#include <gtest/gtest.h>

#include <optional>

#include "BrowserFixture_test.h"
#include "browser/CatalogBrowser.h"

namespace brenvoll::browser {
namespace {
using namespace fixture;

using Tabs = std::array<bool, 6>;
constexpr Tabs kOnlyFirst{true, false, false, false, false, false};
constexpr Tabs kAll{true, true, true, true, true, true};

const std::vector<Node> kNodes = {
    {0, "Раздел", "", "", "", "1"},                // 0 heading
    {1, "Лоток 100", "М", "L-100", "101", "2"},    // 1
    {1, "Крышка 100", "Шт", "K-100", "102", "6"},  // 2
    {1, "Гайка М6", "Шт", "GM6", "103", "3"},      // 3
    {1, "Лента", "Рул", "T-1", "104", "0"},        // 4
    {1, "Комплект", "Компл", "KM", "105", "9"},    // 5
    {1, "Провод", "М", "P-1", "106", "x"},         // 6
    {1, "Анкер", "Шт", "A-1", "107", ""},          // 7
    {1, "Кабель", "М", "C-1", "108", "1"},         // 8
};

struct BrowserTest : ::testing::Test {
    store::CatalogStore catalog;
    RecordingLoader loader;
    Browser browser{catalog, loader};
    void SetUp() override { fillCatalog(catalog, kNodes); }
};

TEST_F(BrowserTest, ShowNodeFillsCardThenLoadsTextAndAllSixPictures) {
    browser.ShowNode(1);
    const ProductCard& card = browser.card();
    EXPECT_EQ(browser.CurAbsIndex(), 1);
    EXPECT_EQ(card.Label_Cod, "L-100");
    EXPECT_EQ(card.Label_Cod1, "101");
    EXPECT_EQ(card.Label_Name, w("Лоток 100"));
    EXPECT_EQ(card.Label_EdIzm, w("М"));
    EXPECT_EQ(card.Ed_Izm, w("М"));
    EXPECT_EQ(card.Label_AbsIndex, "1");
    const std::vector<std::string> expected = {
        "text " + textPath(1, 1),         "picture 1 " + picturePath(1, 1), "picture 2 " + picturePath(1, 2),
        "picture 3 " + picturePath(1, 3), "picture 4 " + picturePath(1, 4), "picture 5 " + picturePath(1, 5),
        "picture 6 " + picturePath(1, 6)};
    EXPECT_EQ(loader.calls, expected) << "a count of 2 still loads all six pictures";
    EXPECT_EQ(browser.page().tabVisible, (Tabs{true, true, false, false, false, false}));
    EXPECT_EQ(browser.page().activeTab, 0);
    EXPECT_EQ(browser.page().textFile, textPath(1, 1));
}

TEST_F(BrowserTest, OnlyCountsOneToSixChangeTabVisibility) {
    struct Case {
        const char* name;
        int node;
        Tabs expected;
    };
    const Case cases[] = {
        {"count 3", 3, {true, true, true, false, false, false}},
        {"count 0 keeps the tabs of the node before", 4, kAll},
        {"count 9 keeps the tabs of the node before", 5, kAll},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        browser.ShowNode(2);
        ASSERT_EQ(browser.page().tabVisible, kAll);
        browser.ShowTabText(3);
        browser.ShowNode(c.node);
        EXPECT_EQ(browser.page().tabVisible, c.expected);
        EXPECT_EQ(browser.page().activeTab, 0) << "tab 1 is made active for any count";
        EXPECT_EQ(loader.text, textPath(c.node, 1));
    }
}

TEST_F(BrowserTest, CountThatIsNotAnIntegerStopsRightAfterCurAbsIndex) {
    for (int node : {6, 7}) {  // "x" and ""
        SCOPED_TRACE(node);
        browser.ShowNode(2);
        browser.card().MarkAdded();
        const ProductCard before = browser.card();
        const PageDisplay page = browser.page();
        loader.calls.clear();
        EXPECT_THROW(browser.ShowNode(node), ConversionError);
        EXPECT_EQ(browser.CurAbsIndex(), node);
        EXPECT_EQ(browser.card().addPicture, AddButtonPicture::Normal);
        EXPECT_EQ(browser.card().Label_Cod, before.Label_Cod) << "the card is not updated";
        EXPECT_EQ(browser.card().Label_AbsIndex, before.Label_AbsIndex);
        EXPECT_TRUE(loader.calls.empty());
        EXPECT_EQ(browser.page().tabVisible, page.tabVisible);
    }
}

TEST_F(BrowserTest, UnreadableFileStopsAtThatFile) {
    struct Case {
        const char* name;
        std::string broken;
        int newPictures;  // slots already showing the new node
    };
    const Case cases[] = {
        {"text", textPath(1, 1), 0},
        {"picture 3", picturePath(1, 3), 2},
        {"picture 6", picturePath(1, 6), 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        loader.broken.clear();
        browser.ShowNode(2);
        browser.ShowTabText(4);
        loader.broken.insert(c.broken);
        EXPECT_THROW(browser.ShowNode(1), FileError);
        EXPECT_EQ(browser.card().Label_Cod, "L-100") << "the card comes before the files";
        EXPECT_EQ(loader.text, c.newPictures == 0 ? textPath(2, 5) : textPath(1, 1));
        for (int slot = 0; slot < 6; ++slot)
            EXPECT_EQ(loader.pictures[slot], picturePath(slot < c.newPictures ? 1 : 2, slot + 1)) << slot;
        EXPECT_EQ(browser.page().activeTab, 4) << "the tab selection is not updated";
        EXPECT_EQ(browser.page().tabVisible, kAll) << "nor the tab visibility";
    }
}

TEST_F(BrowserTest, HeadingEmptiesCodesAndNameButShowsItsPage) {
    browser.ShowNode(2);
    browser.ShowNode(0);
    EXPECT_EQ(browser.card().Label_Cod, "");
    EXPECT_EQ(browser.card().Label_Cod1, "");
    EXPECT_EQ(browser.card().Label_Name, "");
    EXPECT_EQ(browser.card().Label_AbsIndex, "0");
    EXPECT_EQ(loader.text, textPath(0, 1));
    EXPECT_EQ(loader.pictures[5], picturePath(0, 6));

    browser.ShowNode(0, {.cardFilledForHeading = true, .emptyMetres = true});
    EXPECT_EQ(browser.card().Label_Name, w("Раздел")) << "a search hit fills the card also for a heading";
}

TEST_F(BrowserTest, TabClickShowsThatTabsTextUntilAnotherNodeIsShown) {
    browser.ShowNode(2);
    loader.calls.clear();
    browser.ShowTabText(2);
    EXPECT_EQ(loader.calls, std::vector<std::string>{"text " + textPath(2, 3)})
        << "pictures are not reloaded";
    EXPECT_EQ(browser.page().activeTab, 2);
    browser.ShowNode(3);
    EXPECT_EQ(loader.text, textPath(3, 1));
    EXPECT_EQ(browser.page().activeTab, 0);
}

TEST_F(BrowserTest, TreeSelectionShowsOnlyWhenItChanges) {
    EXPECT_TRUE(browser.SelectTreeNode(2));
    EXPECT_EQ(browser.CurAbsIndex(), 2);
    loader.calls.clear();
    EXPECT_FALSE(browser.SelectTreeNode(2));
    EXPECT_TRUE(loader.calls.empty());
    browser.TreeSelectionChanged(3);
    EXPECT_EQ(browser.treeSelection(), 3);
    EXPECT_EQ(browser.CurAbsIndex(), 3);
}

TEST_F(BrowserTest, InitialPictureTabs) {
    struct Case {
        std::optional<int> n;
        Tabs expected;
    };
    const Case cases[] = {{3, {true, true, true, false, false, false}},
                          {0, kOnlyFirst},
                          {7, kOnlyFirst},
                          {std::nullopt, kOnlyFirst}};
    for (const auto& c : cases) {
        Browser fresh(catalog, loader);
        fresh.SetInitialPictureTabs(c.n);
        EXPECT_EQ(fresh.page().tabVisible, c.expected) << c.n.value_or(-1);
    }
}

TEST_F(BrowserTest, QuantityInputFollowsTheUnit) {
    struct Step {
        int node;
        const char* typedCount;  // typed into Edit_Kol after showing, or nullptr
        bool count, metres, enabled;
        const char* countText;
    };
    const Step steps[] = {
        {0, nullptr, false, false, false, ""},
        {2, "5", true, false, true, ""},       // "Шт" after a heading: empty, enabled
        {3, nullptr, true, false, true, "5"},  // another "Шт": the typed number stays
        {4, "7", true, false, true, ""},       // "Рул" is another unit text: emptied
        {5, nullptr, true, false, true, "7"},  // an unknown unit keeps the input shown before
        {0, nullptr, false, false, false, "7"},
        {5, nullptr, false, false, false, "7"},  // … also a heading's: nothing shown, disabled
        {1, nullptr, false, true, true, "7"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.node);
        browser.ShowNode(s.node);
        const ProductCard& card = browser.card();
        EXPECT_EQ(card.countVisible, s.count);
        EXPECT_EQ(card.metresVisible, s.metres);
        EXPECT_EQ(card.quantityCaptionVisible, s.count || s.metres);
        EXPECT_EQ(card.addEnabled, s.enabled);
        EXPECT_EQ(card.Edit_Kol, s.countText);
        if (s.typedCount) browser.card().SetCount(s.typedCount);
    }
}

TEST_F(BrowserTest, MetreInputIsEmptiedByEveryShowUnlessTheCallerKeepsIt) {
    browser.ShowNode(1);
    browser.card().SetMetres("2,5");
    browser.ShowNode(8);
    EXPECT_EQ(browser.card().Ed_Input_Db, "") << "a second metre product";
    browser.card().SetMetres("4");
    browser.ShowNode(8, {.cardFilledForHeading = true, .emptyMetres = false});
    EXPECT_EQ(browser.card().Ed_Input_Db, "4");
}

TEST(ProductCard, MetreKeyFilter) {
    struct Case {
        const char* typed;
        const char* text;
        int beeps;
    };
    const Case cases[] = {
        {"1,5,", "1,5", 1}, {"a", "", 1}, {",,9", ",9", 1}, {"12.5", "125", 1}, {"0", "0", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        std::string field;
        int beeps = 0;
        for (const char* p = c.typed; *p; ++p) {
            if (ProductCard::FilterMetreKey(*p, field))
                field += *p;
            else
                ++beeps;
        }
        EXPECT_EQ(field, c.text);
        EXPECT_EQ(beeps, c.beeps);
    }
    EXPECT_TRUE(ProductCard::FilterMetreKey('\b', "1,5")) << "backspace";
    EXPECT_FALSE(ProductCard::FilterMetreKey(w("ж")[0], ""));
}

TEST(ProductCard, SpinnerStepsWithinItsLimitsAndGroupsDigits) {
    struct Case {
        const char* start;
        int delta;
        const char* expected;
    };
    const Case cases[] = {
        {"", 1, "1"},         {"", -1, "0"},           {"0", -3, "0"},           {"31999", 5, "32 000"},
        {"1499", 1, "1 500"}, {"999999", 1, "32 000"}, {"32 000", -1, "31 999"}, {"005", 1, "6"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        ProductCard card;
        card.SetCount(c.start);
        card.StepCount(c.delta);
        EXPECT_EQ(card.Edit_Kol, c.expected);
    }
}

TEST_F(BrowserTest, AddButtonPicture) {
    browser.ShowNode(2);
    ProductCard& card = browser.card();
    card.SetCount("3");
    card.MarkAdded();
    EXPECT_EQ(card.addPicture, AddButtonPicture::Added);
    EXPECT_EQ(card.Edit_Kol, "") << "the count is emptied after an addition";
    card.SetCount("4");
    card.StepCount(1);
    EXPECT_EQ(card.addPicture, AddButtonPicture::Added) << "editing the count keeps the picture";
    card.SetMetres("1");
    EXPECT_EQ(card.addPicture, AddButtonPicture::Normal) << "editing the length resets it";
    card.MarkAdded();
    browser.ShowNode(3);
    EXPECT_EQ(card.addPicture, AddButtonPicture::Normal) << "showing a node resets it";
}

}  // namespace
}  // namespace brenvoll::browser
