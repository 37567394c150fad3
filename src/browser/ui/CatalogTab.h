#pragma once
#include <QWidget>
#include <optional>

#include "app/ui/AppContext.h"

namespace brenvoll::ui {

// The tab "Каталог": contents tree, page text and pictures, product card, pickers and keyword search.
class CatalogTab : public QWidget {
    Q_OBJECT
public:
    CatalogTab(AppContext& context, QWidget* sheet);

    // After loading: fill the tree and pickers, set the initial picture tabs.
    void catalogLoaded(std::optional<int> initialPictureTabs);
    // "Найти в Кат" of the project tab: select and show the node as a tree click does.
    void showFromProject(int absIndex);

signals:
    void addToProjectRequested();

private:
    AppContext& context_;
};

}  // namespace brenvoll::ui
