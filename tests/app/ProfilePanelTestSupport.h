#pragma once
// The main window with the shell, the device wiring and the profile panels, on the headless
// toolkit, simulated devices and virtual time, over a data folder and a program folder of its
// own. The program folder holds the skins and the default profile files; a test may take a
// default file away or replace it before the program starts. Message boxes are recorded and
// answered from a queue; hooks the pages would set can be recorded by the test.

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "lighting/HostSettings.h"
#include "lighting/KeyboardLightingStore.h"
#include "platform/ForegroundApp.h"
#include "platform/MachineSettings.h"
#include "platform/MemoryPointerSettings.h"
#include "platform/VirtualClock.h"
#include "platform/sim/SimBackend.h"
#include "toolkit/headless/HeadlessToolkit.h"

namespace quillon::testing {

class RecordingDialogs final : public app::Dialogs {
  public:
    std::vector<std::string> shown;
    std::deque<bool> confirms;  // answers of the next boxes; cancel when empty

    int showMessageBox(const std::string& text, bool) override;
    void showNotice() override {}
    void openAbout() override {}
};

struct StubDesktop final : PointerSettingsSource {
    int pointerSpeed() const override { return 12; }
    int wheelLines() const override { return 4; }
};

class ProfileProgram {
  public:
    ProfileProgram();
    ~ProfileProgram();
    ProfileProgram(const ProfileProgram&) = delete;
    ProfileProgram& operator=(const ProfileProgram&) = delete;

    const std::string& dataDir() const { return dataDir_; }
    const std::string& programDir() const { return programDir_; }
    void removeDefault(const std::string& fileName);
    void replaceDefault(const std::string& fileName, const std::vector<std::uint8_t>& bytes);

    // Builds the window and runs its first show; false when the skin cannot be loaded.
    bool start();
    void runFor(Millis ms);
    // Plugs a simulated device and waits until its connect steps have run.
    void plug(SimKind kind);

    app::CMainWnd& main() { return *main_; }
    toolkit::headless::HeadlessWindow& window();
    toolkit::Control& control(const std::string& name);
    std::vector<std::string> comboItems(const std::string& name);
    // Every file chooser the program opened.
    const std::vector<toolkit::FileDialogSpec>& fileDialogs() const {
        return toolkit_->fileDialogs();
    }
    // Every hook call the profile panels make, as text ("refreshPage mouse", ...).
    void recordHooks();

    VirtualClock clock;
    RecordingDialogs dialogs;
    std::deque<std::optional<std::string>> files;  // answers of the next file dialogs
    std::vector<std::string> hookCalls;
    HostSettings host;
    KeyboardLightingStore keyboardLighting;
    StubDesktop desktop;

  private:
    std::string dataDir_;
    std::string programDir_;
    std::unique_ptr<toolkit::headless::HeadlessToolkit> toolkit_;
    std::unique_ptr<SimBackend> sim_;
    std::unique_ptr<MachineSettings> machine_;
    std::unique_ptr<MemoryPointerSettings> pointer_;
    ScriptedForegroundApp foreground_;
    std::unique_ptr<app::CMainWnd> main_;
};

std::vector<std::uint8_t> fileBytes(const std::string& path);

}  // namespace quillon::testing
