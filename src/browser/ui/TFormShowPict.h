#pragma once
#include <QDialog>

class QPixmap;

namespace brenvoll::ui {

struct AppContext;
class PictureBox;

// A picture enlarged in its own window, shown modally; a double-click on it closes the window.
class TFormShowPict : public QDialog {
    Q_OBJECT
  public:
    explicit TFormShowPict(AppContext& context, QWidget* parent = nullptr);

    // Shows a copy of the picture until the user closes the window. filePath (host path) names the file it
    // came from, when known.
    void ShowPictureWindow(const QPixmap& picture, const QString& filePath = {});

  private:
    AppContext& context_;
    PictureBox* Image_BigPict = nullptr;
};

}  // namespace brenvoll::ui
