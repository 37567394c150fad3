#include "excel/lo/OfficeProcess.h"

#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "excel/Spreadsheet.h"
#include "text/Cp1251.h"

extern char** environ;

namespace brenvoll::excel::lo {

OfficeProcess OfficeProcess::start(const std::vector<std::string>& argv) {
    // Everything the children need is made before fork: after it only async-signal-safe calls are allowed.
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    const pid_t child = ::fork();
    if (child < 0) {
        throw SpreadsheetError(text::w("Не удаётся запустить LibreOffice Calc: ") +
                               text::fromUtf8Lossy(std::strerror(errno)));
    }
    if (child == 0) {
        ::setsid();
        const pid_t office = ::fork();
        if (office == 0) {
            // The office must not hold our descriptors (bridge connections, files) for the rest of its life.
            ::close_range(3, ~0U, 0);
            ::execve(args[0], args.data(), environ);
            ::_exit(127);
        }
        ::_exit(office < 0 ? 1 : 0);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw SpreadsheetError(
            text::w("Не удаётся запустить LibreOffice Calc: нет ресурсов для нового процесса."));
    return OfficeProcess(child);
}

bool OfficeProcess::running() const {
    return group_ > 0 && ::kill(-group_, 0) == 0;
}

void OfficeProcess::kill() const {
    if (group_ > 0) ::kill(-group_, SIGKILL);
}

}  // namespace brenvoll::excel::lo
