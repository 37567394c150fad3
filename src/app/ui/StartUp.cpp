#include "app/ui/StartUp.h"

#include <QApplication>
#include <QScreen>

#include "app/ui/TForm1.h"
#include "app/ui/TMainForm.h"
#include "browser/ui/TFormShowPict.h"
#include "browser/ui/TTextForm.h"
#include "project/ui/TSpecMesForm.h"
#include "wizard/ui/TFormShowSpec.h"
#include "wizard/ui/TForm_Fnish.h"

namespace brenvoll::ui {

namespace {
void centreOnScreen(QWidget* window) {
    if (QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

// The progress window and an observer both hear every status and step.
class TeeProgress final : public ProgressSink {
public:
    TeeProgress(ProgressSink& window, ProgressSink* observer) : window_(window), observer_(observer) {}
    void status(std::string_view text) override {
        window_.status(text);
        if (observer_) observer_->status(text);
    }
    void step() override {
        window_.step();
        if (observer_) observer_->step();
    }

private:
    ProgressSink& window_;
    ProgressSink* observer_;
};
}  // namespace

Program::~Program() = default;

std::unique_ptr<Program> StartUp(const StartOptions& options) {
    auto program = std::make_unique<Program>();
    AppContext& context = program->context;
    context.appDir = options.appDir;
    context.cwd = options.cwd;
    context.store = store::CatalogStore(options.appDir);
    context.prompter = options.prompter;
    context.pause = options.pause;
    context.makeSpreadsheet = options.makeSpreadsheet;

    // The catalog's lists by their names, for the scenario driver.
    for (int k = 0; k < static_cast<int>(store::List::Count); ++k) {
        const auto list = static_cast<store::List>(k);
        context.named.addList(store::listName(list), [&context, list] { return context.store.list(list); });
    }

    program->progressWindow = std::make_unique<TForm1>();
    TeeProgress progress(*program->progressWindow, options.progressObserver);
    centreOnScreen(program->progressWindow.get());
    program->progressWindow->show();
    program->progressWindow->repaint();

    progress.step();
    context.pause->sleepMs(100);

    program->mainForm = std::make_unique<TMainForm>(context);
    QWidget* main = program->mainForm.get();
    context.dialogs.specMes = new TSpecMesForm(context, main);
    context.dialogs.text = new TTextForm(context, main);
    context.dialogs.showSpec = new TFormShowSpec(context, main);
    context.dialogs.showPict = new TFormShowPict(context, main);
    context.dialogs.finish = new TForm_Fnish(context, main);

    // Loading runs when the main window is first shown, before it appears.
    if (program->mainForm->loadCatalog(progress)) {
        program->progressWindow->hide();
        program->progressWindow->close();
    }
    centreOnScreen(program->mainForm.get());
    program->mainForm->show();
    return program;
}

}  // namespace brenvoll::ui
