#include "store/CatalogCheck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include "text/Cp1251.h"
#include "text/Fields.h"

namespace {
namespace fs = std::filesystem;
using brenvoll::store::CheckCatalog;
using brenvoll::store::CheckProblem;
using brenvoll::text::w;

// A kit line as the wizard reads it: code, "__", name, "_" to column 77, quantity right-aligned in 78-80.
std::string kitLine(const std::string& code, const std::string& name, const std::string& qty) {
    std::string left = code + "__" + name;
    left.append(77 - left.size(), '_');
    return left + std::string(3 - qty.size(), ' ') + qty + " " + w("Шт");
}

std::string logic(const std::string& code, const char* kind, const char* type, const std::string& keys = {}) {
    std::string record = brenvoll::text::padRight(code, 20) + brenvoll::text::padRight(w(kind), 20) +
                         brenvoll::text::padRight(w(type), 20);
    if (!keys.empty()) record = brenvoll::text::padRight(record, 80) + keys;
    return record;
}

using Files = std::map<std::string, std::vector<std::string>>;  // list file under 0_TELVA → entries

struct Node {
    std::string caption, code, unit, logic, picture = "Picture\\p.jpg", text = "Text\\p.rtf";
    std::string length = "0";
};

// The smallest catalog the check passes: a heading, a rolled tray, its connector and a bolt, the tray's
// compatibility list, the connection kit and every page file. A case changes one thing before writing.
struct MiniCatalog {
    std::vector<Node> nodes = {
        {w("Лотки"), "", "", "", "BLANK\\Pict_BLANK.jpg", "BLANK\\Text_BLANK.rtf"},
        {w("Лоток 100"), "T-100.50", w("М"), logic("T-100.50", "Лоток", "Прокатный", "P50  H50"),
         "Picture\\p.jpg", "Text\\p.rtf", "3"},
        {w("Соединитель"), "C-1", w("Шт"), logic("C-1", "Соединитель", "Прокатный")},
        {w("Болт"), "B-1", w("Шт"), logic("B-1", "Метиз", "")}};
    Files kits = {
        {"Structure/Svm/T-100.50", {"C-1__" + w("Соединитель")}},
        {"Structure/Krep/C-1_P50", {kitLine("C-1", w("Соединитель"), "2"), kitLine("B-1", w("Болт"), "8")}}};
    std::map<std::string, std::string> files = {{"BLANK/Text_BLANK.rtf", "{\\rtf1\\ansi }"},
                                                {"Text/p.rtf", "{\\rtf1\\ansi }"},
                                                {"BLANK/Pict_BLANK.jpg", "\xFF\xD8\xFF\xE0"},
                                                {"Picture/p.jpg", "\xFF\xD8\xFF\xE0"},
                                                {"Pictur0/p.jpg", "\xFF\xD8\xFF\xE0"}};

    Files lists() const {
        Files out = kits;
        auto add = [&](const std::string& file, const std::string& entry) {
            out["Structure/" + file].push_back(entry);
        };
        for (size_t k = 0; k < nodes.size(); ++k) {
            const Node& n = nodes[k];
            out["Structure/FileTreeView"].push_back((k ? "\t" : "") + n.caption);
            for (const char* f : {"FileTVCod", "FileKod"}) add(f, n.code);
            for (const char* f : {"FileTVName", "FileName"}) add(f, n.caption);
            add("FileTVCod1", n.code.empty() ? "" : "1" + std::to_string(k));
            add("FileTVIzm", n.unit);
            add("FileTVL", n.length);
            add("FileTVL1", n.logic);
            add("FileTVNPict", "1");
            for (const char* f : {"FileTVW", "FileTVP", "FileTVVid", "FileTVVol", "FileTVL2"}) add(f, "0");
            for (int t = 1; t <= 6; ++t) {
                const std::string tab = std::to_string(t), suffix = t == 1 ? "" : tab;
                add("FileTVPT" + tab, t == 1 ? n.text : "BLANK\\Text_BLANK.rtf");
                add("FileTVPP" + tab, t == 1 ? n.picture : "BLANK\\Pict_BLANK.jpg");
                add("FileText" + suffix + ".txt", "0_TELVA\\x");
                add("FilePicture" + suffix + ".txt", "0_TELVA\\x");
            }
        }
        add("FileEspecialy.txt", "6");
        add("FileNFoto.txt", "1");
        return out;
    }

    fs::path write(const std::function<void(Files&)>& patch = {}) const {
        const fs::path app =
            fs::temp_directory_path() /
            ("brenvoll-check-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(app);
        auto put = [&](const fs::path& file, const std::string& bytes) {
            fs::create_directories(file.parent_path());
            std::ofstream(file, std::ios::binary) << bytes;
        };
        Files all = lists();
        if (patch) patch(all);
        for (const auto& [name, entries] : all) {
            std::string bytes;
            for (const auto& e : entries) bytes += e + "\r\n";
            put(app / "0_TELVA" / name, bytes);
        }
        for (const auto& [name, bytes] : files) put(app / "0_TELVA" / name, bytes);
        return app;
    }
};

TEST(CatalogCheck, ConsistentCatalogHasNoProblems) {
    const auto problems = CheckCatalog(MiniCatalog().write());
    for (const auto& p : problems) ADD_FAILURE() << p.file << ":" << p.line << ": " << p.what;
}

TEST(CatalogCheck, ReportsEachFaultAtItsFileAndLine) {
    struct Case {
        const char* name;
        std::function<void(MiniCatalog&)> changeSource;  // or
        std::function<void(Files&)> changeFiles;
        CheckProblem expected;  // what: a part of the message
    };
    const Case cases[] = {
        {"list shorter than the tree",
         {},
         [](Files& f) { f["Structure/FileTVVid"].pop_back(); },
         {"Structure/FileTVVid", 0, "has 3 entries, the contents tree 4"}},
        {"missing list file",
         {},
         [](Files& f) { f.erase("Structure/FileTVVol"); },
         {"Structure/FileTVVol", 0, ""}},
        {"entry read as a level",
         {},
         [](Files& f) { f["Structure/FileTVCod1"][2] = " 200"; },
         {"Structure/FileTVCod1", 3, "starts with a blank"}},
        {"picture count out of range",
         {},
         [](Files& f) { f["Structure/FileTVNPict"][3] = "7"; },
         {"Structure/FileTVNPict", 4, "picture count \"7\""}},
        {"page text missing",
         [](MiniCatalog& c) { c.files.erase("Text/p.rtf"); },
         {},
         {"Structure/FileTVPT1", 2, "cannot be read"}},
        {"picture that is no picture",
         [](MiniCatalog& c) { c.files["Picture/p.jpg"] = "GIF89a"; },
         {},
         {"Structure/FileTVPP1", 2, "not a JPEG or BMP"}},
        {"logic code differs from the code",
         [](MiniCatalog& c) { c.nodes[3].logic = logic("B-2", "Метиз", ""); },
         {},
         {"Structure/FileTVL1", 4, "differs from the article code \"B-1\""}},
        {"picker code differs",
         {},
         [](Files& f) { f["Structure/FileKod"][2] = "C-9"; },
         {"Structure/FileKod", 3, "C-9"}},
        {"bad settings line",
         {},
         [](Files& f) { f["Structure/FileNFoto.txt"] = {"0"}; },
         {"Structure/FileNFoto.txt", 1, "picture tabs"}},
        {"kit quantity outside columns 78-80",
         {},
         [](Files& f) { f["Structure/Krep/C-1_P50"][1] = "B-1__" + w("Болт") + "   8"; },
         {"Structure/Krep/C-1_P50", 2, "columns 78-80"}},
        {"kit code not in the catalog",
         {},
         [](Files& f) { f["Structure/Krep/C-1_P50"][1] = kitLine("B-7", w("Болт"), "8"); },
         {"Structure/Krep/C-1_P50", 2, "\"B-7\" is not in the catalog"}},
        {"tray without compatibility list",
         {},
         [](Files& f) { f.erase("Structure/Svm/T-100.50"); },
         {"Structure/Svm/T-100.50", 0, "needed by tray \"T-100.50\""}},
        {"connection kit missing",
         {},
         [](Files& f) { f.erase("Structure/Krep/C-1_P50"); },
         {"Structure/Krep/C-1_P50", 0, "missing"}},
        {"wizard picture missing",
         [](MiniCatalog& c) { c.files.erase("Pictur0/p.jpg"); },
         {},
         {"Pictur0/p.jpg", 0, "picture of \"T-100.50\""}},
        {"wire tray without virtual-corner kits",
         [](MiniCatalog& c) { c.nodes[1].logic = logic("T-100.50", "Лоток", "Проволочный", "P50  H50"); },
         {},
         {"Structure/Krep/HRQ6_1", 0, "virtual corners"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MiniCatalog catalog;
        if (c.changeSource) c.changeSource(catalog);
        const auto problems = CheckCatalog(catalog.write(c.changeFiles));
        ASSERT_FALSE(problems.empty());
        const auto& p = problems.front();
        EXPECT_EQ(p.file, c.expected.file);
        EXPECT_EQ(p.line, c.expected.line);
        EXPECT_NE(p.what.find(c.expected.what), std::string::npos) << p.what;
    }
}

TEST(CatalogCheck, AssembledHangerVariantWithoutKitForLadderTrays) {
    MiniCatalog c;
    c.nodes[1].logic = logic("T-100.50", "Лоток", "Лестничный", "P50  H50");
    std::string base = brenvoll::text::padRight(logic("S-1", "Подвес", "Напольный") + w("Сборный"), 80);
    base = brenvoll::text::padRight(base + w("Основа"), 100) + w("Суппорт напольный");
    c.nodes.push_back({w("Основа суппорта"), "S-1", w("Шт"), base});
    c.kits["Structure/Svm/T-100.50"].push_back("S-1__" + w("Основа суппорта"));
    const auto problems = CheckCatalog(c.write());
    ASSERT_EQ(problems.size(), 1u) << problems.front().file << ": " << problems.front().what;
    EXPECT_EQ(problems[0].file, "Structure/Svm/T-100.50");
    EXPECT_NE(problems[0].what.find("no picture or kit for Лестничный trays"), std::string::npos)
        << problems[0].what;
}

}  // namespace
