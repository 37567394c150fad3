#pragma once
// The group "    Панель поиска": code and name pickers, keyword, area, mode, the search buttons, and the
// place that shows either the contents tree or the result list.
#include <QGroupBox>
#include <functional>

#include "search/KeywordSearch.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QRadioButton;
class QStringListModel;
class QToolButton;
class QTreeView;

namespace brenvoll::ui {

struct AppContext;

class SearchPanel : public QGroupBox {
    Q_OBJECT
  public:
    // run(operation) runs a user operation, reports its error and shows the resulting state.
    using Runner = std::function<void(const std::function<void()>&)>;
    SearchPanel(AppContext& context, search::Search& search, QTreeView* tree, Runner run, QWidget* parent);

    // The pickers' entries were built.
    void fillPickers();
    // Copies the search state onto the controls.
    void sync();

  private:
    void build();
    void connectOperations();
    void keywordEdited(const QString& text);

    AppContext& context_;
    search::Search& search_;
    QTreeView* tree_;
    Runner run_;

    QComboBox* ComBoxCod = nullptr;
    QComboBox* ComBoxName = nullptr;
    QLineEdit* RedPoisk = nullptr;
    QComboBox* ComBox_Obl_Poiska = nullptr;
    QRadioButton* But_Poisk1 = nullptr;
    QRadioButton* But_Poisk2 = nullptr;
    QToolButton* RzToolButton34 = nullptr;
    QToolButton* RzToolButton33 = nullptr;
    QLabel* contentsCaption_ = nullptr;
    QListView* TV_Poisk = nullptr;
    QStringListModel* resultsModel_ = nullptr;
    unsigned shownResultsVersion_ = 0;
};

}  // namespace brenvoll::ui
