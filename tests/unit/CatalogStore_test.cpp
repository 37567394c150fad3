#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "store/CatalogStore.h"
#include "text/Cp1251.h"
#include "text/Errors.h"

using namespace brenvoll;
using store::CatalogStore;
using store::List;
using text::w;
namespace fs = std::filesystem;

namespace {

struct TempDir {
    fs::path path = fs::temp_directory_path() / ("brenvoll-store-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                                 "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    TempDir() { fs::create_directories(path); }
    ~TempDir() { fs::remove_all(path); }
};

void writeFile(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

CatalogStore storeWithCodes(std::vector<std::string> codes) {
    CatalogStore store;
    std::vector<text::TreeLine> tree;
    for (const auto& c : codes) tree.push_back({0, c.empty() ? "heading" : "name " + c});
    store.setTree(tree);
    store.setList(List::TV_Cod, codes);
    return store;
}

}  // namespace

TEST(CatalogStore, FindByCodeReturnsTheLastMatch) {
    const auto store = storeWithCodes({"A", "", "B", "A", "a"});
    EXPECT_EQ(store.FindByCode("A"), 3) << "two nodes with one code: the later wins";
    EXPECT_EQ(store.FindByCode("a"), 4) << "codes compare case-sensitively";
    EXPECT_EQ(store.FindByCode(""), std::nullopt) << "an empty key finds nothing, not the heading";
    EXPECT_EQ(store.FindByCode("C"), std::nullopt);
    EXPECT_EQ(store.FindNodeByCaption("name A"), 3);
    EXPECT_EQ(store.FindNodeByCaption(""), std::nullopt);
}

TEST(CatalogStore, EntryPastTheEndIsAnErrorNotACrash) {
    auto store = storeWithCodes({"A", "B"});
    store.setList(List::TV_Izm, {"Шт"});
    EXPECT_NO_THROW(store.Entry(List::TV_Izm, 0));
    EXPECT_THROW(store.Entry(List::TV_Izm, 1), AppError);
    EXPECT_THROW(store.IsProduct(5), AppError);
    EXPECT_THROW(store.Entry(List::TV_Cod, -1), AppError);
}

TEST(CatalogStore, TreeLinksFollowTheLevels) {
    CatalogStore store;
    store.setTree({{0, "S"}, {1, "P"}, {2, "x"}, {2, "y"}, {1, "Q"}, {0, "T"}});
    EXPECT_EQ(store.nodes()[0].children, (std::vector<int>{1, 4}));
    EXPECT_EQ(store.nodes()[1].children, (std::vector<int>{2, 3}));
    EXPECT_EQ(store.nodes()[4].parent, 0);
    EXPECT_EQ(store.nodes()[5].parent, -1);
}

TEST(CatalogStore, LogicFieldReadsFixedColumns) {
    CatalogStore store;
    store.setTree({{0, "n"}});
    store.setList(List::TV_Logik1, {std::string("QZN-100") + std::string(13, ' ') + w("Лоток")});
    EXPECT_EQ(store.LogicField(0, 1, 20), "QZN-100");
    EXPECT_EQ(store.LogicField(0, 21, 20), w("Лоток"));
    EXPECT_EQ(store.LogicField(0, 151, 5), "");
}

TEST(CatalogStore, CatalogPathsMapOntoHostFiles) {
    TempDir dir;
    const fs::path root = dir.path / "0_TELVA";
    writeFile(root / "Text" / "Лотки.rtf", "{\\rtf1}");
    writeFile(root / "Picture" / "Tray.JPG", "jpeg");
    const CatalogStore store(dir.path);
    EXPECT_EQ(store.ReadFile(w("Text\\Лотки.rtf")), "{\\rtf1}") << "Windows-1251 names become UTF-8 names";
    EXPECT_EQ(store.ReadFile("picture\\tray.jpg"), "jpeg") << "letter case of Windows-authored paths";
    EXPECT_THROW(store.ReadFile("Text\\missing.rtf"), FileError);
    EXPECT_THROW(store.ReadFile("Text"), FileError) << "a folder is not a readable file";
    for (const char* escaping : {"..\\Projects\\ListNmPr", "Text\\..\\..\\x", "\\etc\\passwd", "C:\\x"}) {
        SCOPED_TRACE(escaping);
        EXPECT_THROW(store.HostPath(escaping), AppError);
    }
}

TEST(CatalogStore, MissingFileErrorNamesTheFile) {
    TempDir dir;
    const CatalogStore store(dir.path);
    try {
        store.LoadTreeFile("Structure\\FileTVVid");
        FAIL();
    } catch (const FileError& e) {
        EXPECT_NE(e.message().find("FileTVVid"), std::string::npos) << e.message();
    }
}
