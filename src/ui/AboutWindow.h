#pragma once
// Ccopyright: the About window with the program's version and a link to the project's page.
// Each choice of the menu item opens another one; they close on their own.

#include <memory>

#include "toolkit/Toolkit.h"

namespace quillon::ui {

inline constexpr const char* kAboutSkin = "CopyRight.xml";

class Ccopyright final : public toolkit::WindowHandler {
  public:
    explicit Ccopyright(toolkit::Toolkit& toolkit) : toolkit_(toolkit) {}

    // Builds the window and shows it centred over `owner`. False when the skin is missing.
    bool open(toolkit::Window* owner);
    bool isOpen() const { return window_ && window_->isVisible(); }
    toolkit::Window* window() { return window_.get(); }

    void notify(const toolkit::Notification& notification) override;

  private:
    toolkit::Toolkit& toolkit_;
    std::unique_ptr<toolkit::Window> window_;
};

}  // namespace quillon::ui
