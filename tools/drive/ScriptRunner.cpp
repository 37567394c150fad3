#include "ScriptRunner.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QTreeView>
#include <cstdio>
#include <functional>
#include <unistd.h>

#include "WidgetDump.h"
#include "app/ui/StartUp.h"
#include "app/ui/TForm1.h"
#include "app/ui/TMainForm.h"
#include "text/Cp1251.h"

namespace brenvoll::drive {

namespace {

QString q(const std::string& utf8) { return QString::fromStdString(utf8); }

// Splits "NAME REST" at the first blank; REST is kept exactly.
std::pair<std::string, std::string> firstWord(const std::string& text) {
    const auto blank = text.find(' ');
    if (blank == std::string::npos) return {text, {}};
    return {text.substr(0, blank), text.substr(blank + 1)};
}

bool wholeNumber(const std::string& text, long long& value) {
    if (text.empty() || text.size() > 12) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    value = std::stoll(text);
    return true;
}

void sendKey(QWidget* widget, int key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

int keyFor(QChar c) {
    if (c >= '0' && c <= '9') return Qt::Key_0 + (c.unicode() - '0');
    if (c >= 'a' && c <= 'z') return Qt::Key_A + (c.unicode() - 'a');
    if (c >= 'A' && c <= 'Z') return Qt::Key_A + (c.unicode() - 'A');
    if (c == ' ') return Qt::Key_Space;
    if (c.unicode() < 0x80) return c.unicode();
    return Qt::Key_unknown;
}

}  // namespace

ScriptRunner::ScriptRunner(ui::Program& program, PrintingPrompter& prompter, std::vector<std::string> lines)
    : program_(program), prompter_(prompter), lines_(std::move(lines)) {
    prompter_.onScriptError = [this](const std::string& why) { fail(why); };
}

void ScriptRunner::start() {
    // The program ends when its main window closes; a command left then would never run, so the script did
    // not run to its end.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        for (size_t i = next_; i < lines_.size(); ++i) {
            const std::string& line = lines_[i];
            if (line.empty() || line[0] == '#' || line == "\r") continue;
            current_ = i + 1;
            fail("the program has ended before this command");
        }
    });
    QTimer::singleShot(0, this, &ScriptRunner::runNext);
}

void ScriptRunner::fail(const std::string& why) {
    std::fflush(stdout);
    std::fprintf(stderr, "script error at line %zu: %s\n", current_, why.c_str());
    std::fflush(stderr);
    _exit(1);
}

void ScriptRunner::runNext() {
    while (next_ < lines_.size()) {
        std::string line = lines_[next_++];
        current_ = next_;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        // The next command is queued before this one runs: if this one opens a modal dialog, the next one
        // runs inside the dialog's own event loop.
        QTimer::singleShot(0, this, &ScriptRunner::runNext);
        auto [command, rest] = firstWord(line);
        run(command, rest);
        return;
    }
    std::fflush(stdout);
    _exit(0);
}

void ScriptRunner::run(const std::string& command, const std::string& rest) {
    if (command == "answer") {
        // "cancel" answers a question that also offers Отмена.
        if (rest != "yes" && rest != "no" && rest != "cancel") fail("answer takes yes, no or cancel");
        prompter_.queueAnswer(rest == "yes"  ? Prompter::Answer::Yes
                              : rest == "no" ? Prompter::Answer::No
                                             : Prompter::Answer::Cancel);
    } else if (command == "click") {
        click(rest);
    } else if (command == "select") {
        auto [name, item] = firstWord(rest);
        select(name, item);
    } else if (command == "pick" || command == "key") {
        auto [name, row] = firstWord(rest);
        pick(name, row, command == "pick");
    } else if (command == "dblclick") {
        doubleClick(rest);
    } else if (command == "type") {
        auto [name, text] = firstWord(rest);
        type(name, text);
    } else if (command == "clear") {
        clear(rest);
    } else if (command == "spin") {
        auto [name, how] = firstWord(rest);
        spin(name, how);
    } else if (command == "tab") {
        tab(rest);
    } else if (command == "menu") {
        auto [name, item] = firstWord(rest);
        menu(name, item);
    } else if (command == "close") {
        close(rest);
    } else if (command == "dump") {
        dump(rest);
    } else if (command == "state") {
        state(rest);
    } else if (command == "shot") {
        shot(rest);
    } else {
        fail("unknown command: " + command);
    }
}

QWidget* ScriptRunner::find(const QString& name) const {
    // Inside a modal dialog the user acts in that dialog first; then the main window; then the other windows,
    // shown ones before hidden ones, in the order start-up created them.
    std::vector<QWidget*> windows;
    if (QWidget* modal = QApplication::activeModalWidget()) windows.push_back(modal);
    windows.push_back(program_.mainForm.get());
    std::vector<QWidget*> others = {static_cast<QWidget*>(program_.progressWindow.get())};
    for (QObject* child : program_.mainForm->children())
        if (auto* window = qobject_cast<QWidget*>(child); window && window->isWindow()) others.push_back(window);
    for (bool shown : {true, false})
        for (QWidget* window : others)
            if (window->isVisible() == shown) windows.push_back(window);
    for (QWidget* window : windows) {
        if (window->objectName() == name) return window;
        // A control belongs to the window it shows in, not to a dialog parented to that window.
        for (QWidget* control : window->findChildren<QWidget*>(name))
            if (control->window() == window) return control;
    }
    return nullptr;
}

QWidget* ScriptRunner::require(const std::string& name) const {
    QWidget* widget = find(q(name));
    if (!widget) const_cast<ScriptRunner*>(this)->fail("no control named " + name);
    return widget;
}

bool ScriptRunner::clickable(QWidget* widget) const { return isShownInWindow(widget) && widget->isEnabled(); }

void ScriptRunner::notClickable(const std::string& name) const { printLine("not clickable: " + name); }

void ScriptRunner::click(const std::string& name) {
    QWidget* widget = require(name);
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (!button) fail(name + " is not a button");
    if (!clickable(button)) return notClickable(name);
    button->click();
}

void ScriptRunner::select(const std::string& name, const std::string& item) {
    QWidget* widget = require(name);
    if (auto* radio = qobject_cast<QAbstractButton*>(widget)) {
        if (item != "checked") fail("a radio button or check box takes: checked");
        if (!clickable(radio)) return notClickable(name);
        radio->click();
        return;
    }
    auto* combo = qobject_cast<QComboBox*>(widget);
    if (!combo) fail(name + " is not a drop-down list");
    const int index = combo->findText(q(item), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) fail("no item \"" + item + "\" in " + name);
    if (!clickable(combo)) return notClickable(name);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void ScriptRunner::pick(const std::string& name, const std::string& rowText, bool byMouse) {
    auto* view = qobject_cast<QAbstractItemView*>(require(name));
    if (!view) fail(name + " is not a list");
    long long row = 0;
    if (!wholeNumber(rowText, row)) fail("row must be a whole number: " + rowText);
    const QModelIndex index = indexInDisplayOrder(view, static_cast<int>(row));
    if (!index.isValid()) fail("no row " + rowText + " in " + name);
    if (!clickable(view)) return notClickable(name);
    if (auto* tree = qobject_cast<QTreeView*>(view))
        for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent()) tree->expand(parent);
    view->scrollTo(index);
    view->setFocus();
    view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    if (byMouse) {
        emit view->pressed(index);
        emit view->clicked(index);
    }
}

void ScriptRunner::doubleClick(const std::string& name) {
    QWidget* widget = require(name);
    if (!clickable(widget)) return notClickable(name);
    if (auto* view = qobject_cast<QAbstractItemView*>(widget)) {
        emit view->doubleClicked(view->currentIndex());
        return;
    }
    const QPointF centre(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent event(QEvent::MouseButtonDblClick, centre, widget->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void ScriptRunner::type(const std::string& name, const std::string& text) {
    QWidget* widget = require(name);
    if (!qobject_cast<QLineEdit*>(widget) && !qobject_cast<QAbstractSpinBox*>(widget) &&
        !qobject_cast<QTextEdit*>(widget))
        fail(name + " is not an edit box");
    if (!clickable(widget)) return notClickable(name);
    widget->setFocus();
    for (QChar c : q(text)) sendKey(widget, keyFor(c), QString(c));
}

void ScriptRunner::clear(const std::string& name) {
    QWidget* widget = require(name);
    QLineEdit* edit = qobject_cast<QLineEdit*>(widget);
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) edit = spin->findChild<QLineEdit*>();
    if (!edit) fail(name + " is not an edit box");
    if (!clickable(widget)) return notClickable(name);
    widget->setFocus();
    edit->selectAll();
    sendKey(widget, Qt::Key_Delete, QString());
}

void ScriptRunner::spin(const std::string& name, const std::string& how) {
    QWidget* widget = require(name);
    auto* spinner = qobject_cast<QAbstractSpinBox*>(widget);
    // A numeric field may name the arrows that step it.
    if (!spinner) {
        const QString buddy = widget->property("spinner").toString();
        if (!buddy.isEmpty()) spinner = qobject_cast<QAbstractSpinBox*>(find(buddy));
    }
    if (!spinner) fail(name + " is not a spinner");
    auto [direction, countText] = firstWord(how);
    long long count = 0;
    if ((direction != "up" && direction != "down") || !wholeNumber(countText, count))
        fail("spin takes: up N or down N");
    if (!clickable(spinner)) return notClickable(name);
    for (long long k = 0; k < count; ++k) spinner->stepBy(direction == "up" ? 1 : -1);
}

void ScriptRunner::tab(const std::string& name) {
    QWidget* sheet = require(name);
    auto* stack = qobject_cast<QStackedWidget*>(sheet->parentWidget());
    auto* pages = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    if (!pages) fail(name + " is not a tab sheet");
    const int index = pages->indexOf(sheet);
    if (!pages->isTabVisible(index) || !pages->isTabEnabled(index) || !clickable(pages))
        return notClickable(name);
    // A real click tells the bar first, then the page changes.
    emit pages->tabBarClicked(index);
    pages->setCurrentIndex(index);
}

void ScriptRunner::menu(const std::string& name, const std::string& item) {
    QWidget* widget = require(name);
    for (QAction* action : widget->actions()) {
        if (action->text() == q(item)) {
            if (!clickable(widget) || !action->isEnabled() || !action->isVisible()) return notClickable(name);
            action->trigger();
            return;
        }
    }
    fail("no menu item \"" + item + "\" for " + name);
}

void ScriptRunner::close(const std::string& name) {
    QWidget* widget = require(name);
    if (!widget->isWindow()) fail(name + " is not a window");
    widget->close();
}

void ScriptRunner::dump(const std::string& name) {
    if (QWidget* widget = find(q(name))) {
        for (const auto& line : dumpWidget(name, widget, program_.context.appDir)) printLine(line);
        return;
    }
    if (auto* source = program_.context.named.list(name)) {
        for (const auto& line : dumpList(name, (*source)())) printLine(line);
        return;
    }
    if (auto* source = program_.context.named.value(name)) {
        printLine(name + " = " + text::toUtf8((*source)()));
        return;
    }
    fail("no control, list or variable named " + name);
}

void ScriptRunner::state(const std::string& name) {
    QWidget* widget = require(name);
    printLine(name + ": " + (isShownInWindow(widget) ? "visible" : "hidden") + " " +
              (widget->isEnabled() ? "enabled" : "disabled"));
}

void ScriptRunner::shot(const std::string& file) {
    QWidget* window = QApplication::activeModalWidget();
    if (!window) window = program_.mainForm.get();
    if (!window->grab().save(q(file), "PNG")) fail("cannot write " + file);
}

}  // namespace brenvoll::drive
