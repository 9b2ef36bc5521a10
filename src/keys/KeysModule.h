#pragma once
// The keys subsystem in the main window: the mouse's button page and the keyboard's key page,
// the labels and markers other subsystems ask for, and the names of macros in labels.

#include <memory>

#include "app/Module.h"

namespace quillon::keys {

class MouseButtonPage;
class KeyboardKeyPage;

class KeysModule final : public app::Module {
  public:
    KeysModule();
    ~KeysModule() override;

    void install(app::CMainWnd& main) override;
    void setUpPages(app::CMainWnd& main) override;

    MouseButtonPage* mousePage() { return mouse_.get(); }
    KeyboardKeyPage* keyboardPage() { return keyboard_.get(); }

  private:
    void installHooks(app::CMainWnd& main);
    void installHover(app::CMainWnd& main);

    std::unique_ptr<MouseButtonPage> mouse_;
    std::unique_ptr<KeyboardKeyPage> keyboard_;
};

}  // namespace quillon::keys
