#pragma once
// Shared pieces of the lighting tests: temporary folders, the build's program folder, and the
// main window with the lighting module alone on the headless toolkit, simulated devices, virtual
// time and an in-memory desktop.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "common/TestFolders.h"
#include "lighting/LightingModule.h"
#include "platform/ForegroundApp.h"
#include "platform/MachineSettings.h"
#include "platform/MemoryPointerSettings.h"
#include "platform/VirtualClock.h"
#include "platform/sim/SimBackend.h"
#include "toolkit/headless/HeadlessToolkit.h"

namespace quillon::lighting::testing {

using test::programDir;
using test::TempFolder;

struct SilentDialogs final : app::Dialogs {
    int showMessageBox(const std::string&, bool) override { return 0; }
    void showNotice() override {}
    void openAbout() override {}
};

using SavedList = std::pair<DeviceKind, SyncHooks::ProfileList>;

class LightingRig {
  public:
    // `speed` and `lines`: what the desktop reports when the program starts.
    explicit LightingRig(int speed = 10, int lines = 3);
    ~LightingRig();
    LightingRig(const LightingRig&) = delete;
    LightingRig& operator=(const LightingRig&) = delete;

    app::CMainWnd& main() { return *main_; }
    LightingModule& module() { return *module_; }
    toolkit::headless::HeadlessWindow& window();
    toolkit::Control& control(const std::string& name);
    // Delivers a notification as the named control would send it.
    void send(const std::string& type, const std::string& sender,
              toolkit::Notification details = {});
    // Lets the interface loop and the workers run.
    void runFor(Millis ms);

    VirtualClock clock;
    TempFolder data;
    std::unique_ptr<toolkit::headless::HeadlessToolkit> toolkit;
    std::unique_ptr<SimBackend> sim;
    std::unique_ptr<MachineSettings> machine;
    std::unique_ptr<MemoryPointerSettings> desktop;
    ScriptedForegroundApp foreground;
    SilentDialogs dialogs;
    std::vector<SavedList> saved;  // every profile save asked for, in order

  private:
    void showMousePerformancePage();

    std::unique_ptr<app::CMainWnd> main_;
    LightingModule* module_ = nullptr;
};

}  // namespace quillon::lighting::testing
