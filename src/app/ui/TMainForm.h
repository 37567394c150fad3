#pragma once
#include <QWidget>

#include "app/ui/AppContext.h"

class QTabWidget;
class QLabel;

namespace brenvoll::ui {

class CatalogTab;
class ProjectTab;
class HelperTab;
class ReferenceTab;

// The main window: logo band and the four tabs. It owns the tabs and routes requests between them.
class TMainForm : public QWidget {
    Q_OBJECT
public:
    explicit TMainForm(AppContext& context, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Loads the catalog and fills the pickers; shows the error box and keeps what was read when a file fails.
    // Returns false when loading stopped.
    bool loadCatalog(ProgressSink& progress);

    QTabWidget* pageControl() const { return pageControlMain_; }
    CatalogTab* catalogTab() const { return catalogTab_; }
    ProjectTab* projectTab() const { return projectTab_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    AppContext& context_;
    QLabel* logo_ = nullptr;
    QTabWidget* pageControlMain_ = nullptr;
    HelperTab* helperTab_ = nullptr;
    ProjectTab* projectTab_ = nullptr;
    CatalogTab* catalogTab_ = nullptr;
    ReferenceTab* referenceTab_ = nullptr;
};

}  // namespace brenvoll::ui
