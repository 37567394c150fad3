#include "project/ProjectFiles.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <system_error>

#include "store/HostFiles.h"
#include "text/Cp1251.h"
#include "text/Errors.h"
#include "text/ListFile.h"

namespace brenvoll::project {
namespace fs = std::filesystem;

namespace {

constexpr const char* kNameList = "ListNmPr";
constexpr size_t kMaxFileNameBytes = 255;

struct ProjectFile {
    const char* name;
    Column column;
};
// Write and read order.
constexpr ProjectFile kFiles[] = {{"TVSumm", Column::TVWirt},         {"TV_Name", Column::TVW_Name},
                                  {"TV_Kol", Column::TVW_Kol},        {"TV_Cod", Column::TVW_Cod},
                                  {"TV_Cod1", Column::TVW_Cod1},      {"TV_Izm", Column::TVW_Izm},
                                  {"TV_Index", Column::TVW_AbsIndex}, {"TV_Prim", Column::TVW_Prim}};
constexpr const char* kDeleteOrder[] = {"TV_Cod", "TV_Cod1", "TV_Index", "TV_Izm",
                                        "TV_Kol", "TV_Name", "TV_Prim",  "TVSumm"};

FileError cannotWrite(const fs::path& path) {
    return FileError(text::w("Не удаётся записать файл \"") + store::displayPath(path) + "\"");
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) throw cannotWrite(path);
}

void renameOrThrow(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::rename(from, to, ec);
    if (ec) throw cannotWrite(to);
}

bool isRealFolder(const fs::path& path) {
    std::error_code ec;
    return fs::is_directory(fs::symlink_status(path, ec));
}

bool existsAtAll(const fs::path& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

// A stable short tag of a name, so scratch folders stay short whatever the name's length.
std::uint64_t nameTag(std::string_view name) {
    std::uint64_t hash = 1469598103934665603ULL;
    for (unsigned char c : name) {
        hash ^= c;
        hash *= 1099511628211ULL;
    }
    return hash;
}

}  // namespace

const std::string& unholdableNameMessage() {
    static const std::string message =
        text::w("Имя проекта содержит символы, которых нет в кодировке Windows-1251. Задайте другое имя !");
    return message;
}

std::optional<std::string> projectNameProblem(std::string_view name) {
    if (name.empty()) return std::nullopt;
    if (name.front() == ' ' || name.front() == '\t')
        return text::w("Имя проекта не может начинаться с пробела или табуляции !");
    for (char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '/' || c == '\\' || c < 0x20 || c == 0x7F)
            return text::w("Имя проекта не может содержать символы «/», «\\» и управляющие символы !");
    }
    if (name == "." || name == "..") return text::w("Имена «.» и «..» нельзя дать проекту !");
    if (name == kNameList) return text::w("Имя «ListNmPr» занято списком проектов !");
    if (text::toUtf8(name).size() > kMaxFileNameBytes) return text::w("Имя проекта слишком длинное !");
    return std::nullopt;
}

std::vector<std::string> ProjectFiles::readNameList() const {
    return text::parseFlatList(store::readWholeFile(dir_ / kNameList));
}

void ProjectFiles::writeNameList(const std::vector<std::string>& names) const {
    store::writeWholeFileAtomically(dir_ / kNameList, text::writeFlatList(names));
}

fs::path ProjectFiles::folderOf(std::string_view name) const {
    if (auto problem = projectNameProblem(name)) throw AppError(*problem);
    if (name.empty()) throw AppError(text::w("Не задано имя проекта !"));
    return dir_ / text::toUtf8(name);
}

fs::path ProjectFiles::scratchFolder(std::string_view kind, std::string_view name) const {
    // A leading blank: no project name can take it.
    char tag[17];
    std::snprintf(tag, sizeof tag, "%016llx", static_cast<unsigned long long>(nameTag(name)));
    return dir_ / (" " + std::string(kind) + "-" + tag);
}

void ProjectFiles::recoverInterruptedSave(std::string_view name) const {
    const fs::path target = folderOf(name);
    const fs::path old = scratchFolder("old", name);
    std::error_code ec;
    // Stopped between moving the old folder away and moving the new one in: the old one comes back.
    if (!existsAtAll(target) && isRealFolder(old)) fs::rename(old, target, ec);
    fs::remove_all(scratchFolder("new", name), ec);
}

ProjectLists::Lists ProjectFiles::load(std::string_view name) const {
    const fs::path folder = folderOf(name);
    recoverInterruptedSave(name);
    ProjectLists::Lists lists;
    for (const auto& file : kFiles)
        lists[static_cast<size_t>(file.column)] =
            text::parseFlatList(store::readWholeFile(folder / file.name));
    const size_t rows = lists[static_cast<size_t>(kFiles[0].column)].size();
    for (const auto& file : kFiles) {
        const size_t lines = lists[static_cast<size_t>(file.column)].size();
        if (lines != rows)
            throw FileError(text::w("Число строк в файле \"") + store::displayPath(folder / file.name) +
                            "\" (" + std::to_string(lines) + text::w(") не равно числу строк в файле \"") +
                            store::displayPath(folder / kFiles[0].name) + "\" (" + std::to_string(rows) +
                            text::w("): проект повреждён и не открыт"));
    }
    return lists;
}

void ProjectFiles::save(std::string_view name, const ProjectLists& project) const {
    const fs::path target = folderOf(name);
    const fs::path fresh = scratchFolder("new", name);
    const fs::path old = scratchFolder("old", name);
    std::error_code ec;
    fs::create_directories(dir_, ec);
    recoverInterruptedSave(name);
    if (!fs::create_directory(fresh, ec) || ec) throw cannotWrite(fresh);
    try {
        for (const auto& file : kFiles)
            writeFile(fresh / file.name, text::writeFlatList(project.list(file.column)));
        if (existsAtAll(target)) {
            // Never move away a file or a link that merely carries the name.
            if (!isRealFolder(target)) throw cannotWrite(target);
            fs::remove_all(old, ec);
            renameOrThrow(target, old);
            try {
                renameOrThrow(fresh, target);
            } catch (const AppError&) {
                fs::rename(old, target, ec);
                throw;
            }
            fs::remove_all(old, ec);
        } else {
            renameOrThrow(fresh, target);
        }
    } catch (const AppError&) {
        fs::remove_all(fresh, ec);
        throw;
    }
}

void ProjectFiles::removeFiles(std::string_view name) const {
    if (name.empty() || projectNameProblem(name)) return;
    const fs::path folder = folderOf(name);
    std::error_code ec;
    fs::remove_all(scratchFolder("new", name), ec);
    fs::remove_all(scratchFolder("old", name), ec);
    if (!isRealFolder(folder)) return;
    for (const char* file : kDeleteOrder) fs::remove(folder / file, ec);
    fs::remove(folder, ec);
}

void ProjectFiles::beginOpen(SpecMesDialog& dialog) const {
    dialog.show(SpecMesMode::Open, readNameList());
}

void ProjectFiles::beginSave(SpecMesDialog& dialog, const ProjectLists& project) const {
    dialog.show(SpecMesMode::Save, readNameList());
    dialog.setEdit1(project.projectName());
}

void ProjectFiles::beginDelete(SpecMesDialog& dialog) const {
    dialog.show(SpecMesMode::Delete, readNameList());
}

void ProjectFiles::confirmOpen(ProjectLists& project, SpecMesDialog& dialog, Prompter& prompter) const {
    const auto selected = dialog.selected();
    if (!selected) {
        dialog.close();
        return;
    }
    const std::string name = dialog.names()[*selected];
    ProjectLists::Lists lists;
    try {
        lists = load(name);
    } catch (const AppError& e) {
        prompter.error(e.message());
        return;
    }
    try {
        writeNameList(dialog.names());
    } catch (const AppError&) {
        // The list is written back unchanged; failing to do so loses nothing.
    }
    project.replaceAll(std::move(lists));
    project.setProjectName(name);
    project.markUnmodified();
    dialog.close();
}

void ProjectFiles::confirmSave(ProjectLists& project, SpecMesDialog& dialog, Prompter& prompter) const {
    if (dialog.edit1Unholdable()) {
        prompter.message(unholdableNameMessage());
        return;
    }
    const std::string name = dialog.edit1();
    if (name.empty()) return;
    if (auto problem = projectNameProblem(name)) {
        prompter.message(*problem);
        return;
    }
    std::optional<bool> replace;  // the answer for the last equal entry decides
    for (const auto& entry : dialog.names())
        if (entry == name)
            replace = prompter.ask(text::w("Проект  ") + name + text::w("  уже существует. Заменить его ?"));
    if (replace && !*replace) return;

    const bool isNew = !replace;
    try {
        save(name, project);
        if (isNew) {
            auto names = dialog.names();
            names.push_back(name);
            writeNameList(names);
        }
    } catch (const AppError&) {
        prompter.message(isNew ? text::w("Невозможно сохранить файл  !")
                               : text::w("Невозможно сохранить файл !"));
        dialog.close();
        return;
    }
    project.markUnmodified();
    dialog.close();
}

void ProjectFiles::confirmDelete(SpecMesDialog& dialog) const {
    const auto selected = dialog.selected();
    if (!selected) return;
    removeFiles(dialog.names()[*selected]);
    auto names = dialog.names();
    names.erase(names.begin() + static_cast<std::ptrdiff_t>(*selected));
    writeNameList(names);
    dialog.setNames(std::move(names));
}

void closeProject(ProjectLists& project) {
    project.clear();
    project.setProjectName("");
    project.markUnmodified();
}

}  // namespace brenvoll::project
