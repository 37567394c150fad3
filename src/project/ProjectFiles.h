#pragma once
// Saved projects: the folder Projects with the name list ListNmPr and one folder of eight list files per
// project.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/Ports.h"
#include "project/ProjectLists.h"
#include "project/SpecMesDialog.h"

namespace brenvoll::project {

// Why a name cannot be a project folder inside Projects (a message for the user), none when it can.
// The empty name is the caller's business.
std::optional<std::string> projectNameProblem(std::string_view cp1251Name);
const std::string& unholdableNameMessage();

class ProjectFiles {
  public:
    explicit ProjectFiles(std::filesystem::path projectsDir) : dir_(std::move(projectsDir)) {}
    const std::filesystem::path& dir() const { return dir_; }

    // ListNmPr, read flat (leading blanks and tabs of a line dropped). FileError when it cannot be read.
    std::vector<std::string> readNameList() const;
    // Through a temporary file and a rename. FileError on failure.
    void writeNameList(const std::vector<std::string>& names) const;

    // The eight lists of a saved project, all read before any is used. FileError naming the file that is
    // missing or whose line count differs from the others; AppError for a name outside Projects.
    ProjectLists::Lists load(std::string_view name) const;
    // Writes a complete new folder beside the old one and swaps it into place, so that an interrupted save
    // leaves the old project or the new one. FileError on failure; AppError for a name outside Projects.
    void save(std::string_view name, const ProjectLists& project) const;
    // Deletes the eight files and the folder, passing over what is gone. A name that cannot be a project
    // folder touches nothing.
    void removeFiles(std::string_view name) const;

    // The dialog actions. Each begin reads ListNmPr first; FileError leaves the dialog closed.
    void beginOpen(SpecMesDialog& dialog) const;
    void beginSave(SpecMesDialog& dialog, const ProjectLists& project) const;  // Edit1 := Label36
    void beginDelete(SpecMesDialog& dialog) const;

    // OK_Open: replaces the project with the selected one. A failure is reported in an error box, the
    // project stays as it was and the dialog stays open.
    void confirmOpen(ProjectLists& project, SpecMesDialog& dialog, Prompter& prompter) const;
    // OK_Save: new, replace or refuse after the questions; an unusable name is refused with a message and
    // the dialog stays open.
    void confirmSave(ProjectLists& project, SpecMesDialog& dialog, Prompter& prompter) const;
    // But_IsmKol: the selected project leaves disk and name list; the dialog stays open.
    void confirmDelete(SpecMesDialog& dialog) const;

    // Where a save builds the new folder ("new") and parks the old one ("old") while it swaps them.
    std::filesystem::path scratchFolder(std::string_view kind, std::string_view name) const;

  private:
    std::filesystem::path folderOf(std::string_view name) const;
    void recoverInterruptedSave(std::string_view name) const;

    std::filesystem::path dir_;
};

// "Закрыть": the project is emptied and its name label cleared.
void closeProject(ProjectLists& project);

}  // namespace brenvoll::project
