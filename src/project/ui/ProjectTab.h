#pragma once
#include <QWidget>
#include <functional>

#include "app/ui/AppContext.h"
#include "project/AddFromCard.h"
#include "project/ProjectFiles.h"
#include "project/RowEditing.h"

class QLabel;
class QLineEdit;
class QListView;
class QGroupBox;
class QPushButton;

namespace brenvoll::ui {

class ProjectListModel;

// The tab "Проект": the project list, row editing, project files, summing and the export.
class ProjectTab : public QWidget {
    Q_OBJECT
  public:
    ProjectTab(AppContext& context, QWidget* sheet);

    // The card's "Добавить в проект"; tells the card what to show afterwards.
    project::AddOutcome addFromCard(const project::CardFields& card);
    // Asked when the main window closes: true when it may close.
    bool confirmLeaving();
    // The rows changed outside this tab (the route wizard).
    void projectChanged() { sync(); }

  signals:
    void showInCatalogRequested(int absIndex);

  private:
    void buildProjectGroup(QWidget* parent);
    void buildRowGroup(QWidget* parent);
    void buildPanels(QWidget* parent);
    void registerNamedState();
    // Runs an operation; an error it throws is shown in the error box. The tab shows the new state after.
    void run(const std::function<void()>& operation);
    void sync();

    void openProject();
    void saveProject();
    void deleteProjects();
    void changeQuantity();
    void exportProject();

    AppContext& context_;
    project::ProjectFiles files_;
    project::EditingState editing_;
    ProjectListModel* model_ = nullptr;

    QLabel* Label36 = nullptr;
    QListView* TVWirt = nullptr;
    QGroupBox* Panel_Input_Koment = nullptr;
    QLineEdit* EdKoment = nullptr;
    QLabel* Kol_Simv = nullptr;
    QGroupBox* Panel_Input_Prim = nullptr;
    QLineEdit* EdPrim = nullptr;
    bool syncing_ = false;
};

}  // namespace brenvoll::ui
