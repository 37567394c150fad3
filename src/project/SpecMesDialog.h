#pragma once
// State of the small modal dialog TSpecMesForm shared by open, save, delete and the quantity change.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brenvoll::project {

enum class SpecMesMode { Closed, Open, Save, Delete, Quantity };

class SpecMesDialog {
  public:
    // Every control whose visibility the modes switch, by objectName.
    static const std::vector<std::string_view>& controlNames();

    SpecMesMode mode() const { return mode_; }
    bool isOpen() const { return mode_ != SpecMesMode::Closed; }
    bool visible(std::string_view control) const;

    // Shows the dialog in a mode with the saved names; Ed_IzmKol is emptied on every showing.
    void show(SpecMesMode mode, std::vector<std::string> names = {});
    // Any button or the title bar: the name list is emptied, the open/save/delete controls hidden.
    void close();
    // The quantity controls are hidden by the quantity change itself when it ends.
    void showQuantityControls(bool metres);
    void hideQuantityControls();

    // TV_Name_Project and its selection.
    const std::vector<std::string>& names() const { return TV_Name_Project; }
    std::optional<size_t> selected() const { return selected_; }
    // Clicking a name; in save mode it is copied into Edit1.
    void pick(std::optional<size_t> index);
    void setNames(std::vector<std::string> names);

    // Edit1 as typed by the user (UTF-8 from the window): a text Windows-1251 cannot hold is kept lossily
    // and flagged, so that saving refuses it instead of writing a mangled name.
    void setEdit1Utf8(std::string_view utf8);
    void setEdit1(std::string cp1251) {
        Edit1 = std::move(cp1251);
        edit1Unholdable_ = false;
    }
    const std::string& edit1() const { return Edit1; }
    bool edit1Unholdable() const { return edit1Unholdable_; }

    // Fields of the quantity mode (Windows-1251 text as typed).
    std::string Ed_IzmKol;    // whole-number count with its spinner UpD1
    std::string Mask_IzmKol;  // metres; keeps the value last typed

  private:
    void setVisible(std::string_view control, bool visible);

    SpecMesMode mode_ = SpecMesMode::Closed;
    std::vector<std::string> TV_Name_Project;
    std::optional<size_t> selected_;
    std::string Edit1;
    bool edit1Unholdable_ = false;
    std::vector<bool> visible_ = std::vector<bool>(controlNames().size(), false);
};

}  // namespace brenvoll::project
