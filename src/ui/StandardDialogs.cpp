#include "ui/StandardDialogs.h"

#include <algorithm>

#include "ui/MessageBox.h"

namespace quillon::ui {

int StandardDialogs::showMessageBox(const std::string& text, bool isTextId) {
    return ui::showMessageBox(toolkit_, owner_, text, isTextId);
}

void StandardDialogs::showNotice() {
    ui::showNotice(toolkit_, owner_);
}

void StandardDialogs::openAbout() {
    abouts_.erase(std::remove_if(abouts_.begin(), abouts_.end(),
                                 [](const auto& about) { return !about->isOpen(); }),
                  abouts_.end());
    auto about = std::make_unique<Ccopyright>(toolkit_);
    if (about->open(owner_)) {
        abouts_.push_back(std::move(about));
    }
}

int StandardDialogs::openAboutWindows() const {
    return static_cast<int>(std::count_if(abouts_.begin(), abouts_.end(),
                                          [](const auto& about) { return about->isOpen(); }));
}

}  // namespace quillon::ui
