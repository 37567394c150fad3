#pragma once
#include <QWidget>

#include "app/ui/AppContext.h"

namespace brenvoll::ui {

// The tab "Расчёт трассы": the route wizard.
class HelperTab : public QWidget {
    Q_OBJECT
public:
    HelperTab(AppContext& context, QWidget* sheet);

private:
    AppContext& context_;
};

}  // namespace brenvoll::ui
