#include "app/ui/TMainForm.h"

#include <QCloseEvent>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/LoadCatalog.h"
#include "app/ui/Qt1251.h"
#include "browser/ui/CatalogTab.h"
#include "excel/ui/ReferenceTab.h"
#include "project/ui/ProjectTab.h"
#include "wizard/ui/HelperTab.h"

namespace brenvoll::ui {

namespace {
constexpr int kClientWidth = 1002;
constexpr int kClientHeight = 696;
constexpr int kLogoHeight = 29;

// A tab's content fills its sheet.
template <typename Tab>
Tab* fillSheet(AppContext& context, QWidget* sheet) {
    auto* tab = new Tab(context, sheet);
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tab);
    return tab;
}

QWidget* addSheet(QTabWidget* pages, const char* name, const char* caption) {
    auto* sheet = new QWidget;
    sheet->setObjectName(name);
    pages->addTab(sheet, QString::fromUtf8(caption));
    return sheet;
}
}  // namespace

TMainForm::TMainForm(AppContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    setObjectName("TMainForm");
    setWindowTitle(QString::fromUtf8("     Brenvoll"));
    setFixedSize(kClientWidth, kClientHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    logo_ = new QLabel(this);
    logo_->setObjectName("Image_Logo");
    logo_->setFixedHeight(kLogoHeight);
    logo_->setText(QString::fromUtf8("  BRENVOLL   ·   кабеленесущие системы"));
    logo_->setStyleSheet("background-color: #1f3c78; color: white; font-weight: bold; font-size: 15px;");
    layout->addWidget(logo_);

    pageControlMain_ = new QTabWidget(this);
    pageControlMain_->setObjectName("PageControlMain");
    layout->addWidget(pageControlMain_);

    QWidget* helper = addSheet(pageControlMain_, "Helper", "    Расчёт  трассы    ");
    QWidget* project = addSheet(pageControlMain_, "Project", "        Проект     ");
    QWidget* catalog = addSheet(pageControlMain_, "Catalog", "           Каталог        ");
    QWidget* reference = addSheet(pageControlMain_, "TabSheet1", "      Справочник      ");

    helperTab_ = fillSheet<HelperTab>(context_, helper);
    projectTab_ = fillSheet<ProjectTab>(context_, project);
    catalogTab_ = fillSheet<CatalogTab>(context_, catalog);
    referenceTab_ = fillSheet<ReferenceTab>(context_, reference);

    connect(catalogTab_, &CatalogTab::addToProjectRequested, this,
            [this] { catalogTab_->applyAddOutcome(projectTab_->addFromCard(catalogTab_->cardFields())); });
    connect(projectTab_, &ProjectTab::showInCatalogRequested, this, [this](int absIndex) {
        catalogTab_->showFromProject(absIndex);
        pageControlMain_->setCurrentWidget(pageControlMain_->findChild<QWidget*>("Catalog"));
    });
    pageControlMain_->setCurrentIndex(0);
}

TMainForm::~TMainForm() = default;

bool TMainForm::loadCatalog(ProgressSink& progress) {
    bool complete = true;
    std::optional<int> pictureTabs;
    try {
        pictureTabs = app::LoadCatalog(context_.store, context_.pickers, progress, *context_.pause).initialPictureTabs;
    } catch (const AppError& e) {
        context_.prompter->error(e.message());
        complete = false;
    }
    catalogTab_->catalogLoaded(pictureTabs);
    return complete;
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (projectTab_->confirmLeaving()) event->accept();
    else event->ignore();
}

}  // namespace brenvoll::ui
