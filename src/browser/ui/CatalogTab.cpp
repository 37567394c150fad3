#include "browser/ui/CatalogTab.h"

namespace brenvoll::ui {

CatalogTab::CatalogTab(AppContext& context, QWidget* sheet) : QWidget(sheet), context_(context) {}

void CatalogTab::catalogLoaded(std::optional<int>) {}

void CatalogTab::showFromProject(int) {}

}  // namespace brenvoll::ui
