#pragma once
// Plays a script of user actions against the real windows, one command per turn of the event loop, so that a
// command that opens a modal dialog leaves the next commands to run inside that dialog's own loop.
#include <QObject>
#include <QString>
#include <filesystem>
#include <string>
#include <vector>

#include "DriverPorts.h"

class QWidget;

namespace brenvoll::ui {
struct Program;
}

namespace brenvoll::drive {

class ScriptRunner : public QObject {
    Q_OBJECT
public:
    ScriptRunner(ui::Program& program, PrintingPrompter& prompter, std::vector<std::string> lines);
    void start();

    // Ends the run: prints the reason on standard error and leaves with status 1.
    [[noreturn]] void fail(const std::string& why);

private:
    void runNext();
    void run(const std::string& command, const std::string& rest);

    QWidget* find(const QString& name) const;
    QWidget* require(const std::string& name) const;
    bool clickable(QWidget* widget) const;
    void notClickable(const std::string& name) const;

    void click(const std::string& name);
    void select(const std::string& name, const std::string& item);
    void pick(const std::string& name, const std::string& row, bool byMouse);
    void doubleClick(const std::string& name);
    void type(const std::string& name, const std::string& text);
    void clear(const std::string& name);
    void spin(const std::string& name, const std::string& how);
    void tab(const std::string& name);
    void menu(const std::string& name, const std::string& item);
    void close(const std::string& name);
    void dump(const std::string& name);
    void state(const std::string& name);
    void shot(const std::string& file);

    ui::Program& program_;
    PrintingPrompter& prompter_;
    std::vector<std::string> lines_;
    size_t next_ = 0;
    size_t current_ = 0;  // 1-based number of the line being run
};

}  // namespace brenvoll::drive
