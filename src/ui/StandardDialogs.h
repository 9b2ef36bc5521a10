#pragma once
// The program's message box, notice and About windows, offered to the shell as app::Dialogs.

#include <memory>
#include <vector>

#include "app/Dialogs.h"
#include "ui/AboutWindow.h"

namespace quillon::ui {

class StandardDialogs final : public app::Dialogs {
  public:
    explicit StandardDialogs(toolkit::Toolkit& toolkit) : toolkit_(toolkit) {}
    // The owner of the boxes (the main window, once it exists).
    void setOwner(toolkit::Window* owner) { owner_ = owner; }

    int showMessageBox(const std::string& text, bool isTextId) override;
    void showNotice() override;
    void openAbout() override;
    // About windows still open (closed ones are let go on the next opening).
    int openAboutWindows() const;

  private:
    toolkit::Toolkit& toolkit_;
    toolkit::Window* owner_ = nullptr;
    std::vector<std::unique_ptr<Ccopyright>> abouts_;
};

}  // namespace quillon::ui
