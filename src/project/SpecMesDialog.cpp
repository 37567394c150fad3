#include "project/SpecMesDialog.h"

#include <algorithm>

#include "text/Cp1251.h"

namespace brenvoll::project {
namespace {

const std::vector<std::string_view> kControls = {
    "Label1", "TV_Name_Project", "Label2",    "Edit1", "OK_Save",     "OK_Open",   "But_IsmKol",
    "Label3", "OK_Kol",          "Ed_IzmKol", "UpD1",  "Mask_IzmKol", "But_Cancel"};

// The controls each file mode makes visible; close hides them all again.
const std::vector<std::string_view> kOpenControls = {"Label1", "TV_Name_Project", "OK_Open"};
const std::vector<std::string_view> kSaveControls = {"TV_Name_Project", "Label2", "Edit1", "OK_Save"};
const std::vector<std::string_view> kDeleteControls = {"Label1", "TV_Name_Project", "But_IsmKol"};
const std::vector<std::string_view> kFileControls = {"Label1",  "TV_Name_Project", "Label2",    "Edit1",
                                                     "OK_Save", "OK_Open",         "But_IsmKol"};
const std::vector<std::string_view> kQuantityControls = {"Label3", "OK_Kol", "Ed_IzmKol", "UpD1",
                                                         "Mask_IzmKol"};

}  // namespace

const std::vector<std::string_view>& SpecMesDialog::controlNames() {
    return kControls;
}

bool SpecMesDialog::visible(std::string_view control) const {
    if (control == "But_Cancel") return true;
    auto it = std::find(kControls.begin(), kControls.end(), control);
    return it != kControls.end() && visible_[static_cast<size_t>(it - kControls.begin())];
}

void SpecMesDialog::setVisible(std::string_view control, bool visible) {
    auto it = std::find(kControls.begin(), kControls.end(), control);
    if (it != kControls.end()) visible_[static_cast<size_t>(it - kControls.begin())] = visible;
}

void SpecMesDialog::show(SpecMesMode mode, std::vector<std::string> names) {
    mode_ = mode;
    setNames(std::move(names));
    const std::vector<std::string_view>* controls = nullptr;
    if (mode == SpecMesMode::Open) controls = &kOpenControls;
    if (mode == SpecMesMode::Save) controls = &kSaveControls;
    if (mode == SpecMesMode::Delete) controls = &kDeleteControls;
    if (controls)
        for (auto c : *controls) setVisible(c, true);
    Ed_IzmKol.clear();
}

void SpecMesDialog::close() {
    mode_ = SpecMesMode::Closed;
    TV_Name_Project.clear();
    selected_.reset();
    for (auto c : kFileControls) setVisible(c, false);
}

void SpecMesDialog::showQuantityControls(bool metres) {
    setVisible("Label3", true);
    setVisible("OK_Kol", true);
    setVisible("Ed_IzmKol", !metres);
    setVisible("UpD1", !metres);
    setVisible("Mask_IzmKol", metres);
}

void SpecMesDialog::hideQuantityControls() {
    // Label3 and OK_Kol go too, so that a later file mode never offers the quantity's OK.
    for (auto c : kQuantityControls) setVisible(c, false);
}

void SpecMesDialog::pick(std::optional<size_t> index) {
    selected_ = index && *index < TV_Name_Project.size() ? index : std::nullopt;
    if (selected_ && mode_ == SpecMesMode::Save) setEdit1(TV_Name_Project[*selected_]);
}

void SpecMesDialog::setNames(std::vector<std::string> names) {
    TV_Name_Project = std::move(names);
    selected_.reset();
}

void SpecMesDialog::setEdit1Utf8(std::string_view utf8) {
    auto converted = text::fromUtf8(utf8);
    Edit1 = converted ? *converted : text::fromUtf8Lossy(utf8);
    edit1Unholdable_ = !converted;
}

}  // namespace brenvoll::project
