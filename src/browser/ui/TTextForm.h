#pragma once
#include <QDialog>
#include <QStringList>

class QTextEdit;

namespace brenvoll::ui {

struct AppContext;

// The page text enlarged: plain lines in a large read-only box, shown modally.
class TTextForm : public QDialog {
    Q_OBJECT
  public:
    explicit TTextForm(AppContext& context, QWidget* parent = nullptr);

    // Replaces the box's text with these lines and shows the window until the user closes it.
    void showLines(const QStringList& lines);

  private:
    AppContext& context_;
    QTextEdit* Ed_BigText = nullptr;
};

}  // namespace brenvoll::ui
