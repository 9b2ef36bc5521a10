#pragma once
// A subsystem's part in the main window: its routes, its workers and its share of the first-show
// set-up. The program's assembly installs every module once, in a fixed order.

namespace quillon::app {

class CMainWnd;

class Module {
  public:
    virtual ~Module() = default;
    // Registers routes, timers, messages and worker slots.
    virtual void install(CMainWnd& main) = 0;
    // Part of the first-show set-up: pages and profile lists, before the workers start.
    virtual void setUpPages(CMainWnd&) {}
    // The window is going away; the workers have already been stopped.
    virtual void shutDown(CMainWnd&) {}
};

}  // namespace quillon::app
