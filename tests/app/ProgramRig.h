#pragma once
// The whole program for a test, as the scenario harness builds it: the main window with every
// module on the headless toolkit and the simulated devices, a data folder of its own, and a
// clock (virtual unless the test brings another). Message boxes are answered from a queue and
// recorded.

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "app/MainWindow.h"
#include "app/scenario/HeadlessProgram.h"
#include "common/TestFolders.h"
#include "platform/VirtualClock.h"
#include "ui/Program.h"

namespace quillon::apptest {

using test::programDir;
using test::TempFolder;

// A folder in memory for data that is written very often ("/dev/shm"), or "" when there is none:
// every profile save syncs its file to the disk.
std::string memoryFolder();

// How the next message box is closed: by a button, or left to close itself (the notice).
enum class BoxAnswer { Confirm, Cancel, CloseButton, Leave };

class ProgramRig {
  public:
    // `clock` null: a VirtualClock of the rig's own. `programFolder` empty: the staged one.
    // `dataParent`: where the data folder is made (empty: the system's temporary folder).
    explicit ProgramRig(Clock* clock = nullptr, std::string programFolder = {},
                        const std::string& dataParent = {});
    ~ProgramRig();
    ProgramRig(const ProgramRig&) = delete;
    ProgramRig& operator=(const ProgramRig&) = delete;

    // Builds the program and runs its first show; what is due at once is handled.
    void start();
    // Runs the interface thread's loop for `ms` of the clock's time.
    void run(Millis ms);
    void settle() { run(0); }
    // Ends the program as the tray menu's "exit" does.
    void quit();

    Clock& clock() { return *clock_; }
    SimBackend& sim() { return headless_->sim(); }
    toolkit::headless::HeadlessToolkit& toolkit() { return headless_->toolkit(); }
    ui::Program& program() { return headless_->program(); }
    app::CMainWnd& main() { return program().main(); }
    toolkit::headless::HeadlessWindow& window();
    toolkit::Control* find(const std::string& name) { return main().find(name); }
    const std::string& dataDir() const { return data_.path(); }

    void answer(BoxAnswer answer) { answers_.push_back(answer); }
    // Texts (text ids) of the message boxes shown since the last call.
    std::vector<std::string> takeMessages();

    void notify(const std::string& type, const std::string& sender, bool selected = true);
    void post(std::uint32_t id, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);

  private:
    void answerModal(toolkit::headless::HeadlessWindow& window);

    std::unique_ptr<VirtualClock> ownClock_;
    Clock* clock_;
    TempFolder data_;
    std::unique_ptr<scenario::HeadlessProgram> headless_;
    std::deque<BoxAnswer> answers_;
    std::vector<std::string> messages_;
};

}  // namespace quillon::apptest
