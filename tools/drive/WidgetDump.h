#pragma once
// What a user sees of a control, as the driver's dump lines (UTF-8).
#include <QModelIndex>
#include <filesystem>
#include <string>
#include <vector>

class QWidget;
class QAbstractItemView;

namespace brenvoll::drive {

// Visible within its window: neither the control nor a container up to the window is hidden. A sheet of a tab
// control counts as shown whichever sheet is current, as does a control inside a closed dialog.
bool isShownInWindow(const QWidget* widget);

// Row `row` of a list in display order: depth-first for a tree (a tree's row is the node's AbsIndex).
QModelIndex indexInDisplayOrder(const QAbstractItemView* view, int row);

std::vector<std::string> dumpWidget(const std::string& name, QWidget* widget, const std::filesystem::path& appDir);

// A list held by the logic (Windows-1251 entries).
std::vector<std::string> dumpList(const std::string& name, const std::vector<std::string>& entries);

}  // namespace brenvoll::drive
