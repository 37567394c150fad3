#pragma once
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "app/ui/AppContext.h"
#include "project/AddFromCard.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTextEdit;
class QTreeView;

namespace brenvoll::browser {
class Browser;
}
namespace brenvoll::search {
class Search;
}

namespace brenvoll::ui {

class ContentsTreeModel;
class CountSpinner;
class PageViewLoader;
class PictureBox;
class SearchPanel;

// The tab "Каталог": contents tree, page text and pictures, product card, pickers and keyword search.
class CatalogTab : public QWidget {
    Q_OBJECT
  public:
    CatalogTab(AppContext& context, QWidget* sheet);
    ~CatalogTab() override;

    // After loading: fill the tree and pickers, set the initial picture tabs.
    void catalogLoaded(std::optional<int> initialPictureTabs);
    // "Найти в Кат" of the project tab: select and show the node as a tree click does.
    void showFromProject(int absIndex);

    // The card as "Добавить в проект" reads it.
    project::CardFields cardFields() const;
    // What the addition left on the card: the button's picture, and the count field emptied after an
    // addition.
    void applyAddOutcome(const project::AddOutcome& outcome);

  signals:
    void addToProjectRequested();

  private:
    void buildCard(QGroupBox* group);
    void buildPage();
    void registerNamedState();
    void connectOperations();
    // Runs a user operation: its error goes to the error box, and the window shows the state it left.
    void run(const std::function<void()>& operation);
    void sync();
    void syncTree();
    void showTextWindow();

    AppContext& context_;

    QTreeView* TreeView1 = nullptr;
    ContentsTreeModel* treeModel_ = nullptr;
    SearchPanel* searchPanel_ = nullptr;

    QLabel* Label_Cod1 = nullptr;
    QLabel* Label_Cod = nullptr;
    QLabel* Label_Name = nullptr;
    QLabel* Label_EdIzm = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit_Kol = nullptr;
    CountSpinner* UpD = nullptr;
    QLineEdit* Ed_Input_Db = nullptr;
    QPushButton* But_ToPrj = nullptr;
    QPushButton* But_ToSoderg = nullptr;

    QTabWidget* RzPageControl2 = nullptr;
    std::array<PictureBox*, 6> images_{};
    QTextEdit* REdMain = nullptr;

    std::unique_ptr<PageViewLoader> loader_;
    std::unique_ptr<browser::Browser> browser_;
    std::unique_ptr<search::Search> search_;
    bool highlightKept_ = false;
};

}  // namespace brenvoll::ui
