#pragma once
#include <QWidget>

#include "app/ui/AppContext.h"

namespace brenvoll::ui {

// The tab "Проект": the project list, row editing, project files, summing and the export.
class ProjectTab : public QWidget {
    Q_OBJECT
public:
    ProjectTab(AppContext& context, QWidget* sheet);

    // The card's "Добавить в проект".
    void addFromCard();
    // Asked when the main window closes: true when it may close.
    bool confirmLeaving();

signals:
    void showInCatalogRequested(int absIndex);

private:
    AppContext& context_;
};

}  // namespace brenvoll::ui
