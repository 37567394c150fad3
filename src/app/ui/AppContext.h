#pragma once
// What every window of the program shares: the catalog, the ports and the registry of named state.
#include <filesystem>
#include <functional>
#include <memory>

#include "app/Ports.h"
#include "app/ui/NamedState.h"
#include "excel/Spreadsheet.h"
#include "project/ProjectLists.h"
#include "project/SpecMesDialog.h"
#include "search/Pickers.h"
#include "store/CatalogStore.h"

namespace brenvoll::ui {

class TSpecMesForm;
class TTextForm;
class TFormShowSpec;
class TFormShowPict;
class TForm_Fnish;

// The dialogs, created once at start-up after the main window.
struct Dialogs {
    TSpecMesForm* specMes = nullptr;
    TTextForm* text = nullptr;
    TFormShowSpec* showSpec = nullptr;
    TFormShowPict* showPict = nullptr;
    TForm_Fnish* finish = nullptr;
};

struct AppContext {
    std::filesystem::path appDir;  // the executable's folder: 0_TELVA and Projects
    std::filesystem::path cwd;     // the process's current folder: the spreadsheet files
    store::CatalogStore store;
    search::Pickers pickers;
    Prompter* prompter = nullptr;
    Pause* pause = nullptr;
    std::function<std::unique_ptr<excel::Spreadsheet>()> makeSpreadsheet;
    NamedState named;
    Dialogs dialogs;
    // The project and the state of its dialog live for the program's run; the wizard merges into it too.
    project::ProjectLists project;
    project::SpecMesDialog specMes;
};

}  // namespace brenvoll::ui
