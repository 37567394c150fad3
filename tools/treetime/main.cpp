// Times the contents tree of a large catalog: filling the tree and pickers after loading, and showing the
// "Каталог" tab with the tree painted once the main window is up. Prints its figures.
//   brenvoll-treetime [APP_DIR]   (default: a synthetic catalog made with brenvoll-gencat --synthetic 50000)
#include <QApplication>
#include <QTabWidget>
#include <QTreeView>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/ui/StartUp.h"
#include "app/ui/TMainForm.h"
#include "browser/ui/CatalogTab.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

class Quiet final : public brenvoll::Prompter, public brenvoll::ProgressSink {
  public:
    void message(std::string_view) override {}
    void error(std::string_view text) override {
        std::fprintf(stderr, "error: %.*s\n", int(text.size()), text.data());
    }
    bool ask(std::string_view) override { return false; }
    void beep() override {}
    void status(std::string_view) override {}
    void step() override {}
};

}  // namespace

int main(int argc, char* argv[]) {
    fs::path app;
    if (argc > 1) {
        app = argv[1];
    } else {
        app = fs::temp_directory_path() / "brenvoll-bench-50000";
        const fs::path gencat =
            fs::canonical("/proc/self/exe").parent_path().parent_path() / "gencat/brenvoll-gencat";
        if (!fs::exists(app / "0_TELVA/Structure/FileTreeView")) {
            const std::string command = "QT_QPA_PLATFORM=offscreen '" + gencat.string() +
                                        "' --synthetic 50000 '" + app.string() + "' > /dev/null";
            if (std::system(command.c_str()) != 0) {
                std::fprintf(stderr, "cannot generate the synthetic catalog with %s\n", gencat.c_str());
                return 1;
            }
        }
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    Quiet quiet;
    brenvoll::NoPause noPause;
    brenvoll::ui::StartOptions options;
    options.appDir = fs::absolute(app);
    options.cwd = options.appDir;
    options.prompter = &quiet;
    options.pause = &noPause;
    options.progressObserver = &quiet;

    const auto start = Clock::now();
    auto program = brenvoll::ui::StartUp(options);
    const double startUp = msSince(start);
    brenvoll::ui::TMainForm& main = *program->mainForm;
    main.grab();  // the main window's first paint, on the route wizard's tab

    // The user opens the catalog tab: layout and the first paint of the tree.
    const auto open = Clock::now();
    main.pageControl()->setCurrentWidget(main.pageControl()->findChild<QWidget*>("Catalog"));
    main.grab();
    const double shown = msSince(open);

    // What the tab does after loading (the tree model and both pickers), timed alone.
    const auto refill = Clock::now();
    main.catalogTab()->catalogLoaded(std::nullopt);
    const double filled = msSince(refill);
    const auto repaint = Clock::now();
    main.grab();
    const double painted = msSince(repaint);

    const auto* tree = main.findChild<QTreeView*>("TreeView1");
    std::printf("nodes: %d, top-level rows: %d\n", program->context.store.nodeCount(),
                tree->model()->rowCount());
    std::printf("start-up with loading, no pauses:           %8.1f ms\n", startUp);
    std::printf("tree and pickers filled after loading:      %8.1f ms\n", filled);
    std::printf("catalog tab opened, tree painted:           %8.1f ms\n", shown);
    std::printf("tab painted again after refilling:          %8.1f ms\n", painted);
    return 0;
}
