// brenvoll-drive: plays a script of user actions against the program's real windows without a screen and
// prints what a user would see.
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "DriverPorts.h"
#include "ScriptRunner.h"
#include "app/ui/StartUp.h"
#include "excel/SpreadsheetRecorder.h"
#include "excel/ui/SpreadsheetFactory.h"

namespace {

int usage(const char* why) {
    std::fprintf(stderr, "brenvoll-drive: %s\nusage: brenvoll-drive --app-dir DIR [--cwd DIR] [--real-spreadsheet] SCRIPT\n", why);
    return 2;
}

std::vector<std::string> readLines(std::istream& in) {
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

}  // namespace

int main(int argc, char* argv[]) {
    std::string appDir, cwd, script;
    bool realSpreadsheet = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--app-dir" || arg == "--cwd") && i + 1 < argc) (arg == "--app-dir" ? appDir : cwd) = argv[++i];
        // For checking by hand against the real spreadsheet application instead of the recorder.
        else if (arg == "--real-spreadsheet") realSpreadsheet = true;
        else if (script.empty() && (arg == "-" || !arg.starts_with("--"))) script = arg;
        else return usage(("unexpected argument " + arg).c_str());
    }
    if (appDir.empty() || script.empty()) return usage("--app-dir and SCRIPT are required");
    if (!std::filesystem::is_directory(appDir)) return usage("the --app-dir folder does not exist");
    if (cwd.empty()) cwd = appDir;

    std::vector<std::string> lines;
    if (script == "-") {
        lines = readLines(std::cin);
    } else {
        std::ifstream in(script);
        if (!in) return usage("cannot read the script");
        lines = readLines(in);
    }

    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    brenvoll::drive::PrintingPrompter prompter;
    brenvoll::drive::PrintingProgress progress;
    brenvoll::NoPause noPause;
    brenvoll::ui::StartOptions options;
    options.appDir = std::filesystem::absolute(appDir);
    options.cwd = std::filesystem::absolute(cwd);
    options.prompter = &prompter;
    options.pause = &noPause;
    options.progressObserver = &progress;
    const std::filesystem::path recorderCwd = options.cwd;
    options.makeSpreadsheet = [recorderCwd] {
        return std::make_unique<brenvoll::excel::SpreadsheetRecorder>(
            recorderCwd, [](const std::string& line) { brenvoll::drive::printLine("sheet: " + line); });
    };
    if (realSpreadsheet) options.makeSpreadsheet = brenvoll::ui::realSpreadsheetFactory();
    auto program = brenvoll::ui::StartUp(options);

    brenvoll::drive::ScriptRunner runner(*program, prompter, std::move(lines));
    runner.start();
    return application.exec();
}
