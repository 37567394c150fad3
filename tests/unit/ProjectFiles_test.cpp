#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include "ProjectFixture_test.h"
#include "project/ProjectFiles.h"
#include "store/HostFiles.h"
#include "text/Errors.h"

namespace brenvoll::project {
namespace {
using namespace fixture;
namespace fs = std::filesystem;

class ProjectFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "brenvoll-projects-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root = pattern;
        fs::create_directory(root / "Projects");
        writeFile(root / "Projects" / "ListNmPr", "");
        files = ProjectFiles(root / "Projects");
    }
    void TearDown() override { fs::remove_all(root); }

    static void writeFile(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string readFile(const fs::path& path) { return store::readWholeFile(path); }
    std::string nameList() const { return readFile(root / "Projects" / "ListNmPr"); }
    std::set<std::string> entries(const fs::path& dir) const {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
        return names;
    }

    void fillSample() {
        project.clear();
        project.append(productRow("T3", "Лоток", "12", "М", "1", "  слово"));
        project.append(commentRow(w("Этаж 2")));
        project.append(productRow("B8", "Болт", "5", "Шт", "3"));
    }
    // "Сохранить" with a typed name (UTF-8) and the queued answers.
    void saveAs(const std::string& utf8Name, std::deque<bool> answers = {}) {
        files.beginSave(dialog, project);
        dialog.setEdit1Utf8(utf8Name);
        prompter.answers = std::move(answers);
        files.confirmSave(project, dialog, prompter);
    }
    void pickName(const std::string& utf8Name) {
        const auto& names = dialog.names();
        auto it = std::find(names.begin(), names.end(), w(utf8Name));
        ASSERT_NE(it, names.end()) << utf8Name;
        dialog.pick(static_cast<size_t>(it - names.begin()));
    }
    void openByName(const std::string& utf8Name) {
        files.beginOpen(dialog);
        pickName(utf8Name);
        files.confirmOpen(project, dialog, prompter);
    }
    void deleteByName(const std::string& utf8Name) {
        files.beginDelete(dialog);
        pickName(utf8Name);
        files.confirmDelete(dialog);
    }

    fs::path root;
    ProjectFiles files{fs::path()};
    ProjectLists project;
    SpecMesDialog dialog;
    RecordingPrompter prompter;
};

TEST_F(ProjectFilesTest, SaveOpenRoundTripDropsLeadingBlanks) {
    fillSample();
    saveAs("Объект 1");
    EXPECT_FALSE(dialog.isOpen());
    EXPECT_FALSE(project.modified());
    EXPECT_EQ(nameList(), w("Объект 1") + "\r\n");
    const fs::path folder = root / "Projects" / "Объект 1";
    EXPECT_EQ(readFile(folder / "TV_Kol"), "12\r\n--------------\r\n5\r\n");
    EXPECT_EQ(entries(root / "Projects"), (std::set<std::string>{"ListNmPr", "Объект 1"}))
        << "no scratch left";

    const auto saved = project.lists();
    closeProject(project);
    EXPECT_TRUE(project.empty());
    EXPECT_EQ(project.projectName(), "");
    EXPECT_FALSE(project.modified());

    openByName("Объект 1");
    EXPECT_FALSE(dialog.isOpen());
    EXPECT_EQ(project.projectName(), w("Объект 1"));
    EXPECT_FALSE(project.modified());
    auto expected = saved;
    expected[static_cast<size_t>(Column::TVW_Prim)] = {w("слово"), "", ""};
    EXPECT_EQ(project.lists(), expected) << "equal entry for entry except leading blanks";
}

TEST_F(ProjectFilesTest, EmptyProjectAndEmptyNameAndNoSelection) {
    saveAs("");
    EXPECT_TRUE(dialog.isOpen()) << "an empty name does nothing";
    EXPECT_EQ(nameList(), "");
    dialog.close();

    saveAs("Пустой");
    for (const char* file :
         {"TVSumm", "TV_Name", "TV_Kol", "TV_Cod", "TV_Cod1", "TV_Izm", "TV_Index", "TV_Prim"})
        EXPECT_EQ(readFile(root / "Projects" / "Пустой" / file), "") << file;

    fillSample();
    files.beginOpen(dialog);
    files.confirmOpen(project, dialog, prompter);
    EXPECT_FALSE(dialog.isOpen()) << "open without a selection closes the dialog";
    EXPECT_EQ(project.size(), 3u);
}

TEST_F(ProjectFilesTest, ReplaceAsksForEveryEqualEntryAndTheLastAnswerDecides) {
    fillSample();
    saveAs("P");
    const std::string firstKol = readFile(root / "Projects" / "P" / "TV_Kol");
    project.setQuantity(0, "99");

    saveAs("P", {false});
    EXPECT_TRUE(dialog.isOpen()) << "No leaves the dialog open";
    EXPECT_EQ(dialog.edit1(), "P");
    EXPECT_EQ(prompter.questions, std::vector<std::string>{"Проект  P  уже существует. Заменить его ?"});
    EXPECT_EQ(readFile(root / "Projects" / "P" / "TV_Kol"), firstKol);
    EXPECT_TRUE(project.modified());
    dialog.close();

    saveAs("P", {true});
    EXPECT_FALSE(dialog.isOpen());
    EXPECT_EQ(readFile(root / "Projects" / "P" / "TV_Kol"), "99\r\n--------------\r\n5\r\n");
    EXPECT_EQ(nameList(), "P\r\n") << "the name list stays as it was";

    writeFile(root / "Projects" / "ListNmPr", "P\r\nP\r\n");
    struct Case {
        std::deque<bool> answers;
        bool replaced;
    };
    for (const auto& c : {Case{{true, false}, false}, Case{{false, true}, true}}) {
        project.setQuantity(0, c.replaced ? "7" : "8");
        prompter.questions.clear();
        saveAs("P", c.answers);
        EXPECT_EQ(prompter.questions.size(), 2u);
        EXPECT_EQ(readFile(root / "Projects" / "P" / "TV_Kol").substr(0, 1), c.replaced ? "7" : "9");
        dialog.close();
    }
}

TEST_F(ProjectFilesTest, DeleteRemovesFolderAndEntryAndStaysOpen) {
    fillSample();
    saveAs("A");
    saveAs("B");
    saveAs("C");
    fs::remove_all(root / "Projects" / "B");  // removed by hand
    deleteByName("A");
    EXPECT_TRUE(dialog.isOpen());
    EXPECT_EQ(dialog.names(), (std::vector<std::string>{"B", "C"}));
    pickName("B");
    files.confirmDelete(dialog);
    EXPECT_EQ(dialog.names(), std::vector<std::string>{"C"});
    EXPECT_EQ(nameList(), "C\r\n");
    EXPECT_EQ(entries(root / "Projects"), (std::set<std::string>{"ListNmPr", "C"}));
    EXPECT_EQ(project.size(), 3u) << "the open project is not touched";
}

TEST_F(ProjectFilesTest, UnusableNamesAreRefusedBeforeAnythingIsWritten) {
    fillSample();
    const std::string cases[] = {" lead",
                                 "\tlead",
                                 "a/b",
                                 "a\\b",
                                 ".",
                                 "..",
                                 "ListNmPr",
                                 "a\x01z",
                                 std::string(256, 'x'),
                                 [] {
                                     std::string s;
                                     for (int i = 0; i < 128; ++i) s += "ж";  // 256 bytes as a file name
                                     return s;
                                 }(),
                                 "日本"};
    for (const auto& name : cases) {
        SCOPED_TRACE(name);
        prompter.messages.clear();
        saveAs(name);
        EXPECT_EQ(prompter.messages.size(), 1u);
        EXPECT_TRUE(dialog.isOpen());
        EXPECT_EQ(entries(root / "Projects"), std::set<std::string>{"ListNmPr"});
        EXPECT_EQ(nameList(), "");
        dialog.close();
    }
    std::string longest;
    for (int i = 0; i < 127; ++i) longest += "ж";
    prompter.messages.clear();
    saveAs(longest + "x");
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_TRUE(fs::is_directory(root / "Projects" / (longest + "x"))) << "255 bytes are allowed";
}

TEST_F(ProjectFilesTest, ListedNamesNeverReachOutsideProjects) {
    // Files a careless open or delete of ".." would read or remove.
    for (const char* file :
         {"TVSumm", "TV_Name", "TV_Kol", "TV_Cod", "TV_Cod1", "TV_Izm", "TV_Index", "TV_Prim"}) {
        writeFile(root / file, "x\r\n");
        fs::create_directories(root / "elsewhere");
        writeFile(root / "elsewhere" / file, "x\r\n");
    }
    fs::create_directory_symlink(root / "elsewhere", root / "Projects" / "link");
    writeFile(root / "Projects" / "ListNmPr", "..\r\nsub/..\r\nListNmPr\r\nlink\r\n");
    fillSample();
    const auto before = project.lists();

    openByName("..");
    EXPECT_EQ(prompter.errors.size(), 1u);
    EXPECT_EQ(project.lists(), before);
    EXPECT_TRUE(dialog.isOpen());
    dialog.close();

    for (const char* name : {"..", "sub/..", "ListNmPr", "link"}) deleteByName(name);
    EXPECT_TRUE(dialog.names().empty());
    EXPECT_EQ(nameList(), "");
    EXPECT_EQ(entries(root), (std::set<std::string>{"Projects", "elsewhere", "TVSumm", "TV_Name", "TV_Kol",
                                                    "TV_Cod", "TV_Cod1", "TV_Izm", "TV_Index", "TV_Prim"}));
    EXPECT_EQ(entries(root / "elsewhere").size(), 8u) << "a linked folder is not followed";
}

TEST_F(ProjectFilesTest, OpenKeepsListsInStepOrRefuses) {
    fillSample();
    saveAs("P");
    const fs::path folder = root / "Projects" / "P";
    struct Case {
        const char* name;
        void (*spoil)(const fs::path&);
        const char* file;
    };
    const Case cases[] = {
        {"a missing file", [](const fs::path& f) { fs::remove(f / "TV_Prim"); }, "TV_Prim"},
        {"a line too many", [](const fs::path& f) { std::ofstream(f / "TV_Kol", std::ios::app) << "1\r\n"; },
         "TV_Kol"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        saveAs("P", {true});
        c.spoil(folder);
        ProjectLists other;
        other.append(commentRow("keep"));
        prompter.errors.clear();
        files.beginOpen(dialog);
        pickName("P");
        files.confirmOpen(other, dialog, prompter);
        ASSERT_EQ(prompter.errors.size(), 1u);
        EXPECT_NE(prompter.errors[0].find(c.file), std::string::npos) << prompter.errors[0];
        EXPECT_EQ(other.size(), 1u);
        EXPECT_TRUE(dialog.isOpen());
        dialog.close();
    }
}

TEST_F(ProjectFilesTest, InterruptedSaveLeavesTheOldOrTheNewProject) {
    fillSample();
    saveAs("P");
    const auto saved = project.lists();
    const fs::path folder = root / "Projects" / "P";

    // Stopped after the old folder was moved away, before the new one came in.
    fs::create_directory(files.scratchFolder("new", "P"));
    writeFile(files.scratchFolder("new", "P") / "TVSumm", "half");
    fs::rename(folder, files.scratchFolder("old", "P"));
    project.clear();
    openByName("P");
    EXPECT_TRUE(prompter.errors.empty());
    EXPECT_EQ(project.list(Column::TVW_Cod), saved[static_cast<size_t>(Column::TVW_Cod)]);
    EXPECT_EQ(entries(root / "Projects"), (std::set<std::string>{"ListNmPr", "P"}));

    // Stopped while the new folder was written: the next save starts afresh.
    fs::create_directory(files.scratchFolder("new", "P"));
    project.setQuantity(0, "24");
    saveAs("P", {true});
    EXPECT_EQ(readFile(folder / "TV_Kol").substr(0, 4), "24\r\n");
    EXPECT_EQ(entries(root / "Projects"), (std::set<std::string>{"ListNmPr", "P"}));
}

TEST_F(ProjectFilesTest, FailedSavesKeepWhatWasThereAndSayWhich) {
    fillSample();
    // Replace, where the name is taken by a plain file: it is neither moved nor overwritten.
    writeFile(root / "Projects" / "F", "keep");
    writeFile(root / "Projects" / "ListNmPr", "F\r\n");
    saveAs("F", {true});
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"Невозможно сохранить файл !"});
    EXPECT_FALSE(dialog.isOpen());
    EXPECT_EQ(readFile(root / "Projects" / "F"), "keep");
    EXPECT_TRUE(project.modified());

    // New, where the name list cannot be replaced: it stays as it was.
    fs::create_directories(root / "Projects" / "ListNmPr.tmp~" / "x");
    prompter.messages.clear();
    saveAs("N");
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"Невозможно сохранить файл  !"});
    EXPECT_EQ(nameList(), "F\r\n");
}

TEST_F(ProjectFilesTest, MissingNameListStopsBeforeTheDialog) {
    fs::remove(root / "Projects" / "ListNmPr");
    EXPECT_THROW(files.beginOpen(dialog), FileError);
    EXPECT_THROW(files.beginSave(dialog, project), FileError);
    EXPECT_THROW(files.beginDelete(dialog), FileError);
    EXPECT_FALSE(dialog.isOpen());
}

TEST_F(ProjectFilesTest, DialogModesShowTheirControls) {
    writeFile(root / "Projects" / "ListNmPr", "A\r\n  B\r\n");
    project.setProjectName("A");
    files.beginSave(dialog, project);
    EXPECT_EQ(dialog.names(), (std::vector<std::string>{"A", "B"})) << "the list is read flat";
    EXPECT_EQ(dialog.edit1(), "A") << "Edit1 starts with the open project's name";
    dialog.pick(1);
    EXPECT_EQ(dialog.edit1(), "B");
    std::vector<std::string_view> shown;
    for (auto c : SpecMesDialog::controlNames())
        if (dialog.visible(c)) shown.push_back(c);
    EXPECT_EQ(shown,
              (std::vector<std::string_view>{"TV_Name_Project", "Label2", "Edit1", "OK_Save", "But_Cancel"}));
    dialog.close();
    EXPECT_TRUE(dialog.names().empty());
    files.beginDelete(dialog);
    EXPECT_TRUE(dialog.visible("But_IsmKol"));
    EXPECT_FALSE(dialog.visible("Edit1"));
}

}  // namespace
}  // namespace brenvoll::project
