#include "project/ui/ProjectTab.h"

namespace brenvoll::ui {

ProjectTab::ProjectTab(AppContext& context, QWidget* sheet) : QWidget(sheet), context_(context) {}

void ProjectTab::addFromCard() {}

bool ProjectTab::confirmLeaving() { return true; }

}  // namespace brenvoll::ui
