#include "WidgetDump.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>
#include <functional>

#include "text/Cp1251.h"

namespace brenvoll::drive {

namespace {

std::string u(const QString& text) { return text.toStdString(); }

// A file a control shows, relative to the app folder, with '/' separators.
std::string relativeFile(const QWidget* widget, const std::filesystem::path& appDir) {
    const QString file = widget->property("filePath").toString();
    if (file.isEmpty()) return {};
    std::filesystem::path path(file.toStdString());
    std::error_code ec;
    auto relative = std::filesystem::relative(path, appDir, ec);
    if (ec || relative.empty() || relative.native().starts_with("..")) relative = path;
    return relative.generic_string();
}

// Visits every item depth-first; returns false to stop.
void walk(const QAbstractItemModel* model, const QModelIndex& parent, int depth,
          const std::function<bool(const QModelIndex&, int)>& visit, bool& stop) {
    const int rows = model->rowCount(parent);
    for (int r = 0; r < rows && !stop; ++r) {
        const QModelIndex index = model->index(r, 0, parent);
        if (!visit(index, depth)) {
            stop = true;
            return;
        }
        if (model->hasChildren(index)) walk(model, index, depth + 1, visit, stop);
    }
}

}  // namespace

bool isShownInWindow(const QWidget* widget) {
    if (widget->isWindow()) return widget->isVisible();
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const bool tabSheet = qobject_cast<const QStackedWidget*>(w->parentWidget()) &&
                              qobject_cast<const QTabWidget*>(w->parentWidget()->parentWidget());
        if (w->isHidden() && !tabSheet && !w->isWindow()) return false;
        if (w->isWindow()) break;
    }
    return true;
}

QModelIndex indexInDisplayOrder(const QAbstractItemView* view, int row) {
    QModelIndex found;
    int counter = 0;
    bool stop = false;
    walk(view->model(), view->rootIndex(), 0,
         [&](const QModelIndex& index, int) {
             if (counter++ == row) {
                 found = index;
                 return false;
             }
             return true;
         },
         stop);
    return found;
}

std::vector<std::string> dumpList(const std::string& name, const std::vector<std::string>& entries) {
    if (entries.empty()) return {name + ": empty"};
    std::vector<std::string> lines;
    lines.reserve(entries.size());
    for (size_t i = 0; i < entries.size(); ++i)
        lines.push_back(name + "[" + std::to_string(i) + "] = " + text::toUtf8(entries[i]));
    return lines;
}

std::vector<std::string> dumpWidget(const std::string& name, QWidget* widget, const std::filesystem::path& appDir) {
    std::vector<std::string> lines;
    if (auto* view = qobject_cast<QAbstractItemView*>(widget)) {
        int counter = 0;
        bool stop = false;
        walk(view->model(), view->rootIndex(), 0,
             [&](const QModelIndex& index, int depth) {
                 lines.push_back(name + "[" + std::to_string(counter++) + "] = " + std::string(2 * depth, ' ') +
                                 u(index.data(Qt::DisplayRole).toString()));
                 return true;
             },
             stop);
        if (lines.empty()) lines.push_back(name + ": empty");
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        lines.push_back(name + " = " + u(combo->currentText()));
        for (int i = 0; i < combo->count(); ++i)
            lines.push_back(name + "[" + std::to_string(i) + "] = " + u(combo->itemText(i)));
    } else if (auto* check = qobject_cast<QAbstractButton*>(widget); check && check->isCheckable() &&
                                                                     (qobject_cast<QRadioButton*>(widget) ||
                                                                      qobject_cast<QCheckBox*>(widget))) {
        lines.push_back(name + " = " + (check->isChecked() ? "checked" : "unchecked"));
    } else if (auto* pages = qobject_cast<QTabWidget*>(widget)) {
        lines.push_back(name + " = " + u(pages->currentWidget() ? pages->currentWidget()->objectName() : QString()));
        for (int i = 0; i < pages->count(); ++i)
            lines.push_back(name + "[" + std::to_string(i) + "] = " + u(pages->widget(i)->objectName()) +
                            (pages->isTabVisible(i) ? " visible" : " hidden"));
    } else if (auto* rich = qobject_cast<QTextEdit*>(widget)) {
        lines.push_back(name + ".file = " + relativeFile(widget, appDir));
        const QString plain = rich->toPlainText();
        if (!plain.isEmpty()) {
            int i = 0;
            for (const QString& line : plain.split(QChar('\n')))
                lines.push_back(name + "[" + std::to_string(i++) + "] = " + u(line));
        }
    } else if (widget->property("filePath").isValid()) {
        lines.push_back(name + " = " + relativeFile(widget, appDir));
    } else if (auto* bar = qobject_cast<QProgressBar*>(widget)) {
        lines.push_back(name + " = " + std::to_string(bar->value()));
    } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) {
        lines.push_back(name + " = " + u(spin->text()));
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        lines.push_back(name + " = " + u(edit->text()));
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        lines.push_back(name + " = " + u(label->text()));
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        lines.push_back(name + " = " + u(button->text()));
    } else {
        lines.push_back(name + " = " + u(widget->windowTitle()));
    }
    return lines;
}

}  // namespace brenvoll::drive
