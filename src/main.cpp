// Brenvoll: the catalog, the project and the route wizard for a manufacturer's cable-support products.
#include <QApplication>
#include <QDir>

#include "app/ui/QtPrompter.h"
#include "app/ui/StartUp.h"
#include "app/ui/TMainForm.h"
#include "excel/ui/SpreadsheetFactory.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    brenvoll::ui::QtPrompter prompter;
    brenvoll::ui::SleepPause pause;
    try {
        brenvoll::ui::StartOptions options;
        options.appDir = QCoreApplication::applicationDirPath().toStdString();
        options.cwd = QDir::currentPath().toStdString();
        options.prompter = &prompter;
        options.pause = &pause;
        options.makeSpreadsheet = brenvoll::ui::realSpreadsheetFactory();
        auto program = brenvoll::ui::StartUp(options);
        return application.exec();
    } catch (const std::exception& e) {
        prompter.error(e.what());
        return 1;
    }
}
