#pragma once
#include <QDialog>

namespace brenvoll::ui {

struct AppContext;

class TFormShowSpec : public QDialog {
    Q_OBJECT
public:
    explicit TFormShowSpec(AppContext& context, QWidget* parent = nullptr);

private:
    AppContext& context_;
};

}  // namespace brenvoll::ui
