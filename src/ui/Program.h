#pragma once
// The whole program on whatever it runs on: the main window with every subsystem installed, and
// the dialogs. The `quillon` entry runs it on Qt and the hidraw devices; the scenario harness on
// the headless toolkit, the simulated devices and virtual time.

#include <memory>

#include "app/MainWindow.h"
#include "ui/StandardDialogs.h"

namespace quillon::ui {

class Program {
  public:
    explicit Program(app::ShellPorts ports);
    ~Program();

    // Builds the main window and shows it the first time (which sets it up and hides it in the
    // tray). False when the main skin cannot be loaded.
    bool start();
    // What a second instance asks for.
    void showRequest();

    app::CMainWnd& main() { return *main_; }
    StandardDialogs& dialogs() { return dialogs_; }

  private:
    StandardDialogs dialogs_;
    std::unique_ptr<app::CMainWnd> main_;
};

}  // namespace quillon::ui
