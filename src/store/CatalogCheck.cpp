#include "store/CatalogCheck.h"

#include <algorithm>
#include <fstream>

#include "store/CatalogCheckInternal.h"
#include "text/Cp1251.h"
#include "text/Errors.h"
#include "text/Fields.h"

namespace brenvoll::store {
namespace fs = std::filesystem;

namespace check {

std::string shown(const std::string& relative) {
    std::string out = text::toUtf8(relative);
    std::replace(out.begin(), out.end(), '\\', '/');
    return out;
}

std::string kitEntryCode(const std::string& entry) {
    return entry.substr(0, entry.find('_'));
}

void Checker::report(const std::string& relative, int line, const std::string& what) {
    problems.push_back({shown(relative), line, what});
}

bool Checker::fileExists(const std::string& relative) {
    auto found = exists_.find(relative);
    if (found != exists_.end()) return found->second;
    bool ok = false;
    try {
        std::ifstream in(store.HostPath(relative), std::ios::binary);
        ok = in.good() && fs::is_regular_file(store.HostPath(relative));
    } catch (const AppError&) {
    }
    return exists_[relative] = ok;
}

bool Checker::requireFile(const std::string& relative, const std::string& neededBy) {
    if (fileExists(relative)) return true;
    if (reportedMissing_.insert(relative).second) report(relative, 0, "missing; needed by " + neededBy);
    return false;
}

const std::vector<std::string>* Checker::kitFile(const std::string& relative, const std::string& neededBy) {
    auto found = kits_.find(relative);
    if (found == kits_.end()) {
        std::optional<std::vector<std::string>> entries;
        if (requireFile(relative, neededBy)) {
            try {
                auto lines = store.LoadTreeFile(relative);
                entries.emplace();
                for (size_t i = 0; i < lines.size(); ++i) {
                    if (lines[i].level > 0)
                        report(relative, static_cast<int>(i + 1), "entry starts with a blank or TAB");
                    entries->push_back(lines[i].text);
                }
            } catch (const AppError& e) {
                report(relative, 0, text::toUtf8(e.message()));
            }
        }
        found = kits_.emplace(relative, std::move(entries)).first;
    }
    return found->second ? &*found->second : nullptr;
}

std::optional<int> Checker::byLogicCode(const std::string& code) const {
    auto found = lastByLogicCode.find(code);
    if (code.empty() || found == lastByLogicCode.end()) return std::nullopt;
    return found->second;
}

namespace {

struct ListFile {
    List list;
    const char* file;
};

// In the order start-up reads them.
const ListFile kProductLists[] = {
    {List::TV_Cod, "FileTVCod"},     {List::TV_Cod1, "FileTVCod1"},   {List::TV_Name, "FileTVName"},
    {List::TV_Izm, "FileTVIzm"},     {List::TV_Ves, "FileTVW"},       {List::TV_Dlina, "FileTVL"},
    {List::TV_Prise, "FileTVP"},     {List::TV_Vid, "FileTVVid"},     {List::TV_Volume, "FileTVVol"},
    {List::TV_Path_T1, "FileTVPT1"}, {List::TV_Path_T2, "FileTVPT2"}, {List::TV_Path_T3, "FileTVPT3"},
    {List::TV_Path_T4, "FileTVPT4"}, {List::TV_Path_T5, "FileTVPT5"}, {List::TV_Path_T6, "FileTVPT6"},
    {List::TV_Path_P1, "FileTVPP1"}, {List::TV_Path_P2, "FileTVPP2"}, {List::TV_Path_P3, "FileTVPP3"},
    {List::TV_Path_P4, "FileTVPP4"}, {List::TV_Path_P5, "FileTVPP5"}, {List::TV_Path_P6, "FileTVPP6"},
    {List::TV_Logik1, "FileTVL1"},   {List::TV_Logik2, "FileTVL2"},   {List::TV_N_Pict, "FileTVNPict"}};

std::string structure(const std::string& name) {
    return "Structure\\" + name;
}
std::string q(const std::string& cp1251) {
    return "\"" + text::toUtf8(cp1251) + "\"";
}

// Every product list has one entry per contents node; a list of another length is reported and then
// padded or cut so that the later passes can read every node.
void loadLists(Checker& c) {
    const int n = c.store.nodeCount();
    for (const auto& [list, file] : kProductLists) {
        std::vector<std::string> entries;
        try {
            auto lines = c.store.LoadTreeFile(structure(file));
            for (size_t i = 0; i < lines.size(); ++i) {
                if (lines[i].level > 0)
                    c.report(structure(file), static_cast<int>(i + 1),
                             "entry starts with a blank or TAB (read as a nesting level)");
                entries.push_back(lines[i].text);
            }
            if (static_cast<int>(entries.size()) != n)
                c.report(structure(file), 0,
                         "has " + std::to_string(entries.size()) + " entries, the contents tree " +
                             std::to_string(n));
        } catch (const AppError& e) {
            c.report(structure(file), 0, text::toUtf8(e.message()));
        }
        entries.resize(static_cast<size_t>(n));
        c.store.setList(list, std::move(entries));
    }
    for (int k = 0; k < n; ++k) {
        const std::string logicCode = text::fixedField(c.store.Entry(List::TV_Logik1, k), 1, 20);
        if (!logicCode.empty()) c.lastByLogicCode[logicCode] = k;
    }
}

void checkPickerSources(Checker& c) {
    const int n = c.store.nodeCount();
    for (const char* file : {"FileKod", "FileName"}) {
        std::vector<std::string> entries;
        try {
            entries = c.store.LoadPlainFile(structure(file));
        } catch (const AppError& e) {
            c.report(structure(file), 0, text::toUtf8(e.message()));
            continue;
        }
        if (static_cast<int>(entries.size()) > n)
            c.report(structure(file), 0, "is longer than the contents tree");
        const bool codes = std::string(file) == "FileKod";
        for (int k = 0; k < std::min(n, static_cast<int>(entries.size())); ++k) {
            if (!c.store.IsProduct(k)) continue;
            const std::string& expected = codes ? c.code(k) : c.store.caption(k);
            if (entries[k] != expected)
                c.report(
                    structure(file), k + 1,
                    q(entries[k]) + " differs from " + (codes ? "the code " : "the caption ") + q(expected));
        }
    }
    for (int t = 1; t <= 6; ++t) {
        const std::string suffix = t == 1 ? "" : std::to_string(t);
        for (const std::string stem : {"FileText", "FilePicture"}) {
            const std::string file = structure(stem + suffix + ".txt");
            try {
                if (static_cast<int>(c.store.LoadPlainFile(file).size()) != n)
                    c.report(file, 0, "is not as long as the contents tree");
            } catch (const AppError& e) {
                c.report(file, 0, text::toUtf8(e.message()));
            }
        }
    }
    for (const char* file : {"FileEspecialy.txt", "FileNFoto.txt"}) {
        try {
            auto lines = c.store.LoadPlainFile(structure(file));
            if (lines.empty() || lines[0].size() != 1 || lines[0][0] < '1' || lines[0][0] > '6')
                c.report(structure(file), 1, "first line is not a number of picture tabs 1 to 6");
        } catch (const AppError& e) {
            c.report(structure(file), 0, text::toUtf8(e.message()));
        }
    }
}

void checkNodes(Checker& c) {
    const int n = c.store.nodeCount();
    for (int k = 0; k < n; ++k) {
        const std::string& count = c.store.Entry(List::TV_N_Pict, k);
        if (count.size() != 1 || count[0] < '1' || count[0] > '6')
            c.report(structure("FileTVNPict"), k + 1, "picture count " + q(count) + " is not 1 to 6");
        const std::string logicCode = text::fixedField(c.store.Entry(List::TV_Logik1, k), 1, 20);
        if (logicCode != c.code(k))
            c.report(structure("FileTVL1"), k + 1,
                     "logic code " + q(logicCode) + " differs from the article code " + q(c.code(k)));
        if (c.store.IsProduct(k) && c.store.Entry(List::TV_Name, k) != c.store.caption(k))
            c.report(structure("FileTVName"), k + 1,
                     "name differs from the caption " + q(c.store.caption(k)));
    }
}

// What a page file must start with to be shown: RTF for texts, JPEG or BMP for pictures.
std::string pageFileProblem(Checker& c, const std::string& path, bool picture) {
    if (!c.fileExists(path)) return "names " + q(path) + ", which cannot be read";
    std::ifstream in(c.store.HostPath(path), std::ios::binary);
    char head[5] = {};
    in.read(head, 5);
    const std::string start(head, static_cast<size_t>(in.gcount()));
    if (picture) {
        const bool jpeg = start.size() >= 2 && static_cast<unsigned char>(start[0]) == 0xFF &&
                          static_cast<unsigned char>(start[1]) == 0xD8;
        const bool bmp = start.rfind("BM", 0) == 0;
        if (!jpeg && !bmp) return "names " + q(path) + ", which is not a JPEG or BMP picture";
    } else if (start != "{\\rtf") {
        return "names " + q(path) + ", which is not an RTF text";
    }
    return {};
}

void checkPages(Checker& c) {
    const int n = c.store.nodeCount();
    std::map<std::string, std::string> verdicts;
    for (const auto& [list, file] : kProductLists) {
        const bool text = list >= List::TV_Path_T1 && list <= List::TV_Path_T6;
        const bool picture = list >= List::TV_Path_P1 && list <= List::TV_Path_P6;
        if (!text && !picture) continue;
        std::set<std::string> reported;
        for (int k = 0; k < n; ++k) {
            const std::string& path = c.store.Entry(list, k);
            const std::string key = (picture ? "P" : "T") + path;
            auto found = verdicts.find(key);
            if (found == verdicts.end())
                found = verdicts.emplace(key, pageFileProblem(c, path, picture)).first;
            // One report per file and list is enough to find the fault.
            if (!found->second.empty() && reported.insert(path).second)
                c.report(structure(file), k + 1, found->second);
        }
    }
}

void checkKitFolders(Checker& c) {
    for (const char* folder : {"Svm", "Krep", "Akses", "Podv", "Kmpl"}) {
        const fs::path dir = c.store.HostPath(structure(folder));
        if (!fs::is_directory(dir)) continue;
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir))
            if (entry.is_regular_file()) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        const bool isList = std::string(folder) == "Svm";
        for (const auto& name : names) {
            const std::string relative = structure(folder) + "\\" + text::fromUtf8Lossy(name);
            const auto* entries = c.kitFile(relative, "");
            if (!entries) continue;
            for (size_t i = 0; i < entries->size(); ++i) {
                const std::string& entry = (*entries)[i];
                const int line = static_cast<int>(i + 1);
                const std::string code = kitEntryCode(entry);
                if (code.empty()) {
                    c.report(relative, line, "entry without a code");
                    continue;
                }
                if (isList ? !c.byLogicCode(code) : !c.store.FindByCode(code))
                    c.report(relative, line, "code " + q(code) + " is not in the catalog");
                if (isList) continue;
                const std::string quantity = text::fixedField(entry, 78, 3);
                if (quantity.empty() || quantity.find_first_not_of("0123456789") != std::string::npos)
                    c.report(relative, line, "no whole per-unit quantity in columns 78-80");
            }
        }
    }
}

}  // namespace
}  // namespace check

std::vector<CheckProblem> CheckCatalog(const fs::path& appDir) {
    check::Checker c(appDir);
    try {
        c.store.setTree(c.store.LoadTreeFile("Structure\\FileTreeView"));
    } catch (const AppError& e) {
        c.report("Structure\\FileTreeView", 0, text::toUtf8(e.message()));
        return c.problems;
    }
    check::loadLists(c);
    check::checkPickerSources(c);
    check::checkNodes(c);
    check::checkPages(c);
    check::checkKitFolders(c);
    check::checkWizardFiles(c);
    return c.problems;
}

}  // namespace brenvoll::store
