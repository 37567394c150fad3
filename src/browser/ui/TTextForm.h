#pragma once
#include <QDialog>

namespace brenvoll::ui {

struct AppContext;

class TTextForm : public QDialog {
    Q_OBJECT
public:
    explicit TTextForm(AppContext& context, QWidget* parent = nullptr);

private:
    AppContext& context_;
};

}  // namespace brenvoll::ui
