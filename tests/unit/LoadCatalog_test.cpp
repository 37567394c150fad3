#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/LoadCatalog.h"
#include "text/Cp1251.h"
#include "text/Errors.h"

using namespace brenvoll;
using store::List;
using text::w;
namespace fs = std::filesystem;

namespace {

// Records what the progress window and the pauses were told, in one stream of events.
struct Recorder : ProgressSink, Pause {
    std::vector<std::string> events;
    int pausedMs = 0;
    void status(std::string_view text) override { events.push_back("status " + text::toUtf8(text)); }
    void step() override { events.push_back("step"); }
    void sleepMs(int ms) override {
        pausedMs += ms;
        events.push_back("pause " + std::to_string(ms));
    }
};

// A catalog folder of n nodes, every list file present; tweak files before loading.
struct CatalogFolder {
    fs::path app = fs::temp_directory_path() /
                   ("brenvoll-load-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    explicit CatalogFolder(std::vector<std::string> codes, std::vector<std::string> units) {
        fs::remove_all(app);
        std::vector<std::string> names, paths, counts;
        for (size_t i = 0; i < codes.size(); ++i) {
            names.push_back("Name " + codes[i]);
            paths.push_back("BLANK\\Text_BLANK.rtf");
            counts.push_back("1");
        }
        write("FileTreeView", names);
        for (const char* f : {"FileTVCod", "FileKod"}) write(f, codes);
        for (const char* f : {"FileTVName", "FileName"}) write(f, names);
        write("FileTVIzm", units);
        for (const char* f : {"FileTVCod1", "FileTVW", "FileTVL", "FileTVP", "FileTVVid", "FileTVVol", "FileTVL1",
                              "FileTVL2"})
            write(f, codes);
        for (int k = 1; k <= 6; ++k) {
            write("FileTVPT" + std::to_string(k), paths);
            write("FileTVPP" + std::to_string(k), paths);
            write(k == 1 ? "FileText.txt" : "FileText" + std::to_string(k) + ".txt", paths);
            write(k == 1 ? "FilePicture.txt" : "FilePicture" + std::to_string(k) + ".txt", paths);
        }
        write("FileTVNPict", counts);
        write("FileNFoto.txt", {"3"});
        write("FileEspecialy.txt", {"6"});
    }
    ~CatalogFolder() { fs::remove_all(app); }
    void write(const std::string& file, const std::vector<std::string>& lines) const {
        std::string bytes;
        for (const auto& l : lines) bytes += l + "\r\n";
        writeBytes(file, bytes);
    }
    void writeBytes(const std::string& file, const std::string& bytes) const {
        fs::create_directories(app / "0_TELVA" / "Structure");
        std::ofstream(app / "0_TELVA" / "Structure" / file, std::ios::binary) << bytes;
    }
    void remove(const std::string& file) const { fs::remove(app / "0_TELVA" / "Structure" / file); }
};

std::vector<std::string> numberedCodes(int n) {
    std::vector<std::string> codes;
    for (int i = 0; i < n; ++i) codes.push_back("C" + std::to_string(1000 + i));
    return codes;
}

}  // namespace

TEST(LoadCatalog, StatusStepsAndPausesComeInTheirFixedOrder) {
    CatalogFolder folder({"A", "B"}, {"", "Шт"});
    store::CatalogStore store(folder.app);
    search::Pickers pickers;
    Recorder rec;
    const auto result = app::LoadCatalog(store, pickers, rec, rec);
    EXPECT_EQ(rec.pausedMs, 4050) << "twenty pauses of 200 ms and one of 50 ms";
    const std::vector<std::string> head = {"pause 200",
                                           "status Загрузка списка имён и кодов .......",
                                           "step",
                                           "status Загрузка структуры каталога.......",
                                           "step",
                                           "pause 200",
                                           "status Загрузка файла кодов продуктов........",
                                           "step"};
    EXPECT_EQ(std::vector<std::string>(rec.events.begin(), rec.events.begin() + head.size()), head);
    const auto logic = std::find(rec.events.begin(), rec.events.end(), "status Загрузка файлов логики..........");
    ASSERT_NE(logic, rec.events.end());
    EXPECT_EQ(std::count(rec.events.begin(), logic, "step"), 6) << "the seventh loading step (8 of 8) follows";
    EXPECT_EQ(*(logic + 1), "step");
    EXPECT_EQ(std::count(rec.events.begin(), rec.events.end(), "step"), 7);
    EXPECT_EQ(result.initialPictureTabs, 3);
    EXPECT_EQ(store.pictureTabSetting(), 6);
    EXPECT_EQ(store.list(List::TV_N_Pict).size(), 2u);
    EXPECT_EQ(store.authoringList(11).size(), 2u);
}

TEST(LoadCatalog, MissingFileStopsLoadingAndKeepsWhatWasRead) {
    CatalogFolder folder({"A", "B"}, {"Шт", "Шт"});
    folder.remove("FileTVVid");
    store::CatalogStore store(folder.app);
    search::Pickers pickers;
    Recorder rec;
    try {
        app::LoadCatalog(store, pickers, rec, rec);
        FAIL() << "a missing list file must stop the loading";
    } catch (const FileError& e) {
        EXPECT_NE(e.message().find("FileTVVid"), std::string::npos) << text::toUtf8(e.message());
    }
    EXPECT_EQ(store.list(List::TV_Prise).size(), 2u);
    EXPECT_TRUE(store.list(List::TV_Vid).empty());
    EXPECT_TRUE(store.list(List::TV_Volume).empty());
    EXPECT_TRUE(pickers.codes.items.empty());
    EXPECT_TRUE(pickers.names.items.empty());
}

TEST(LoadCatalog, BadSettingsAndTreeFiles) {
    struct Case {
        const char* name;
        const char* file;
        std::string bytes;
        bool stops;
        std::optional<int> tabs;
    };
    const Case cases[] = {
        {"first line 3", "FileNFoto.txt", "3\r\n", false, 3},
        {"first line 0", "FileNFoto.txt", "0\r\n", false, std::nullopt},
        {"first line 7", "FileNFoto.txt", "7\r\n", false, std::nullopt},
        {"first line abc", "FileNFoto.txt", "abc\r\n6\r\n", false, std::nullopt},
        {"settings without a first line", "FileNFoto.txt", "", true, std::nullopt},
        {"catalog setting without a first line", "FileEspecialy.txt", "", true, std::nullopt},
        {"too deep a tree line", "FileTVIzm", w("Шт\r\n\t\tШт\r\n"), true, std::nullopt},
        {"NUL bytes end the text", "FileTVName", std::string("a\r\nb\0junk\xff\r\n", 13), false, 3},
        {"a 1 MB line", "FileTVW", std::string(1 << 20, 'x') + "\r\n1\r\n", false, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CatalogFolder folder({"A", "B"}, {"Шт", "Шт"});
        folder.writeBytes(c.file, c.bytes);
        store::CatalogStore store(folder.app);
        search::Pickers pickers;
        Recorder rec;
        if (c.stops) {
            EXPECT_THROW(app::LoadCatalog(store, pickers, rec, rec), AppError);
        } else {
            EXPECT_EQ(app::LoadCatalog(store, pickers, rec, rec).initialPictureTabs, c.tabs);
        }
    }
}

TEST(LoadCatalog, ProductListsShorterThanTheTreeFailOnlyWhereRead) {
    CatalogFolder folder({"A", "B", "C"}, {"Шт", "Шт", "Шт"});
    folder.write("FileTVIzm", {"Шт"});
    store::CatalogStore store(folder.app);
    search::Pickers pickers;
    Recorder rec;
    EXPECT_THROW(app::LoadCatalog(store, pickers, rec, rec), AppError)
        << "FileKod is longer than the unit list: the picker reads past its end";
    EXPECT_THROW(store.Entry(List::TV_Izm, 2), AppError);
}

TEST(LoadCatalog, PickersShowTheirInitialPositionsWhenLongEnough) {
    struct Case {
        int products;
        bool codeShown, nameShown;
    };
    for (const Case c : {Case{116, true, true}, Case{115, false, true}, Case{45, false, false}}) {
        SCOPED_TRACE(c.products);
        const auto codes = numberedCodes(c.products);
        CatalogFolder folder(codes, std::vector<std::string>(codes.size(), w("Шт")));
        store::CatalogStore store(folder.app);
        search::Pickers pickers;
        Recorder rec;
        app::LoadCatalog(store, pickers, rec, rec);
        EXPECT_EQ(pickers.codes.selected.has_value(), c.codeShown);
        EXPECT_EQ(pickers.names.selected.has_value(), c.nameShown);
        if (c.codeShown) {
            EXPECT_EQ(pickers.codes.text(), "C1115");
        }
    }
}

TEST(BuildPickers, SortedIgnoringCaseWithDuplicatesAndOnlyProducts) {
    const std::vector<std::string> source = {w("б"), "B", w("А"), "a", "b", w("заголовок"), "B"};
    const std::vector<std::string> units = {"x", "x", "x", "x", "x", "", "x"};
    const auto picker = search::BuildPicker(source, units, 1);
    EXPECT_EQ(picker.items, (std::vector<std::string>{"a", "B", "b", "B", w("А"), w("б")}));
    EXPECT_EQ(picker.text(), "B");
    EXPECT_THROW(search::BuildPicker(source, {"x", "x"}, 0), AppError) << "a source longer than the unit list";
    EXPECT_FALSE(search::BuildPicker(source, units, 6).selected) << "fewer entries than the initial position";
}
