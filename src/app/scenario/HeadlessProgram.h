#pragma once
// The whole program as the scenario harness and the program-level tests run it: every module on
// the headless toolkit, the simulated devices, an in-memory desktop and a data folder of the
// caller's, all on one clock (a VirtualClock, normally).

#include <memory>
#include <string>

#include "platform/Clock.h"
#include "platform/ForegroundApp.h"
#include "platform/MachineSettings.h"
#include "platform/MemoryPointerSettings.h"
#include "platform/sim/SimBackend.h"
#include "toolkit/headless/HeadlessToolkit.h"

namespace quillon::ui {
class Program;
}

namespace quillon::scenario {

class HeadlessProgram {
  public:
    // `programDir` and `dataDir` end with "/". The machine-wide settings file is "machine.ini" in
    // the data folder; it exists only when the caller puts it there.
    HeadlessProgram(Clock& clock, std::string programDir, std::string dataDir);
    ~HeadlessProgram();
    HeadlessProgram(const HeadlessProgram&) = delete;
    HeadlessProgram& operator=(const HeadlessProgram&) = delete;

    // Builds the program and shows it the first time; false when the main skin cannot be built
    // (toolkit().lastError() says why). Once only.
    bool start();
    bool started() const { return program_ != nullptr; }
    // Asks the program to end as the tray menu's "exit" does; the loop then carries it out.
    void requestExit();

    Clock& clock() { return clock_; }
    toolkit::headless::HeadlessToolkit& toolkit() { return *toolkit_; }
    SimBackend& sim() { return *sim_; }
    MemoryPointerSettings& desktop() { return *desktop_; }
    // The application in front, as the harness sets it.
    ScriptedForegroundApp& foreground() { return foreground_; }
    ui::Program& program() { return *program_; }
    // The main window; only after start().
    toolkit::headless::HeadlessWindow& mainWindow();
    const std::string& dataDir() const { return dataDir_; }

  private:
    Clock& clock_;
    std::string programDir_;
    std::string dataDir_;
    std::unique_ptr<toolkit::headless::HeadlessToolkit> toolkit_;
    std::unique_ptr<SimBackend> sim_;
    std::unique_ptr<MachineSettings> machine_;
    std::unique_ptr<MemoryPointerSettings> desktop_;
    ScriptedForegroundApp foreground_;
    std::unique_ptr<ui::Program> program_;
};

// What a message box shows: its text id, or its plain text when it was given one.
std::string messageBoxText(toolkit::Window& box);

}  // namespace quillon::scenario
