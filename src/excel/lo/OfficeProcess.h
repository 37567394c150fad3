#pragma once
// Starting the office as a process of its own and stopping it when it never answers.
#include <string>
#include <vector>

namespace brenvoll::excel::lo {

// The office's launcher forks the office itself, so the whole process group is what gets stopped. The
// group is detached from ours (its own session, reaped by the system), so the office outlives the program.
class OfficeProcess {
  public:
    // Throws SpreadsheetError when the process cannot be created.
    static OfficeProcess start(const std::vector<std::string>& argv);

    bool running() const;
    void kill() const;
    int groupId() const { return group_; }

    explicit OfficeProcess(int group) : group_(group) {}

  private:
    int group_ = 0;
};

}  // namespace brenvoll::excel::lo
