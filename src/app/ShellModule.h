#pragma once
// The shell's own part of the routing: caption buttons, main and page tabs, the editing guard,
// menus, the tray icon, the repaint and progress timers and the shell's window messages.

#include <cstdint>
#include <string>

#include "app/Module.h"

namespace quillon::app {

class ShellModule final : public Module {
  public:
    void install(CMainWnd& main) override;

  private:
    void installWindowButtons(CMainWnd& main);
    void installTabs(CMainWnd& main);
    void installKeyboardTabs(CMainWnd& main);
    void installMouseTabs(CMainWnd& main);
    void installEditingGuard(CMainWnd& main);
    void installTimers(CMainWnd& main);
    void installMessages(CMainWnd& main);
    void installTrayAndMenus(CMainWnd& main);
    void onTray(CMainWnd& main, std::intptr_t event);
    void onMenuCommand(CMainWnd& main, const std::string& item, const std::string& text);
};

}  // namespace quillon::app
