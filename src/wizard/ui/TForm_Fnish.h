#pragma once
#include <QDialog>

namespace brenvoll::ui {

struct AppContext;

class TForm_Fnish : public QDialog {
    Q_OBJECT
public:
    explicit TForm_Fnish(AppContext& context, QWidget* parent = nullptr);

private:
    AppContext& context_;
};

}  // namespace brenvoll::ui
