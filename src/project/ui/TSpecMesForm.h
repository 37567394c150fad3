#pragma once
#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace brenvoll::ui {

struct AppContext;
class CountSpinner;

// What the caller does on each button of the dialog; the dialog itself only shows the logic's state.
struct SpecMesActions {
    std::function<void()> okOpen = {};
    std::function<void()> okSave = {};
    std::function<void()> deleteSelected = {};
    std::function<void()> okQuantity = {};
    std::function<void()> cancel = {};  // "Отмена" and the title bar
};

// The small modal dialog of open, save, delete and the quantity change.
class TSpecMesForm : public QDialog {
    Q_OBJECT
  public:
    explicit TSpecMesForm(AppContext& context, QWidget* parent = nullptr);

    // Shows the dialog modally in the mode the logic was put into; returns when it closes.
    void runModal(SpecMesActions actions);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void act(const std::function<void()>& action);
    void sync();

    AppContext& context_;
    SpecMesActions actions_;
    QLabel* Label1 = nullptr;
    QListWidget* TV_Name_Project = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* OK_Save = nullptr;
    QPushButton* OK_Open = nullptr;
    QPushButton* But_IsmKol = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* OK_Kol = nullptr;
    QLineEdit* Ed_IzmKol = nullptr;
    CountSpinner* UpD1 = nullptr;
    QLineEdit* Mask_IzmKol = nullptr;
    QPushButton* But_Cancel = nullptr;
    bool syncing_ = false;
};

}  // namespace brenvoll::ui
