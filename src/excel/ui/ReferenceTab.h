#pragma once
#include <QWidget>

#include "app/ui/AppContext.h"

namespace brenvoll::ui {

// The tab "Справочник": four reference tables, each opened in the spreadsheet application.
class ReferenceTab : public QWidget {
    Q_OBJECT
public:
    ReferenceTab(AppContext& context, QWidget* sheet);

private:
    void openTable(const char* fileName);
    AppContext& context_;
};

}  // namespace brenvoll::ui
