#pragma once
#include <QDialog>

namespace brenvoll::ui {

struct AppContext;

class TSpecMesForm : public QDialog {
    Q_OBJECT
public:
    explicit TSpecMesForm(AppContext& context, QWidget* parent = nullptr);

private:
    AppContext& context_;
};

}  // namespace brenvoll::ui
