#include "wizard/ui/HelperTab.h"

namespace brenvoll::ui {

HelperTab::HelperTab(AppContext& context, QWidget* sheet) : QWidget(sheet), context_(context) {}

}  // namespace brenvoll::ui
