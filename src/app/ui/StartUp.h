#pragma once
#include <memory>

#include "app/ui/AppContext.h"

namespace brenvoll::ui {

class TForm1;
class TMainForm;

// Everything that lives for the program's run.
struct Program {
    AppContext context;
    std::unique_ptr<TForm1> progressWindow;
    std::unique_ptr<TMainForm> mainForm;
    ~Program();
};

struct StartOptions {
    std::filesystem::path appDir;
    std::filesystem::path cwd;
    Prompter* prompter = nullptr;
    Pause* pause = nullptr;
    std::function<std::unique_ptr<excel::Spreadsheet>()> makeSpreadsheet;
    ProgressSink* progressObserver = nullptr;  // also told every status and step (the scenario driver)
};

// The start-up sequence up to the running event loop: progress window, windows, catalog, main window shown.
std::unique_ptr<Program> StartUp(const StartOptions& options);

}  // namespace brenvoll::ui
