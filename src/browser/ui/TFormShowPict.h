#pragma once
#include <QDialog>

namespace brenvoll::ui {

struct AppContext;

class TFormShowPict : public QDialog {
    Q_OBJECT
public:
    explicit TFormShowPict(AppContext& context, QWidget* parent = nullptr);

private:
    AppContext& context_;
};

}  // namespace brenvoll::ui
