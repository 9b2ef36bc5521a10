#pragma once
// One scenario file run against the real program: the main window and every subsystem on the
// headless toolkit, the simulated devices and virtual time, with a data folder of its own.

#include <deque>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/scenario/HeadlessProgram.h"
#include "app/scenario/ScenarioScript.h"
#include "platform/VirtualClock.h"
#include "platform/sim/SimBackend.h"
#include "toolkit/headless/HeadlessToolkit.h"

namespace quillon::scenario {

struct HarnessOptions {
    std::string dataDir;     // empty: a fresh temporary folder per file
    std::string programDir;  // skins, language files, default files
    std::string traceFile;   // empty: no trace
    bool verbose = false;
    // Tests only: runs once the program has started, before the next line.
    std::function<void(HeadlessProgram&)> afterStart;
};

enum class Verdict { Passed, Failed, Invalid };

struct Outcome {
    Verdict verdict = Verdict::Passed;
    std::string message;  // "FILE:LINE: ..." for a failed or invalid file
};

class ScenarioRun {
  public:
    ScenarioRun(const HarnessOptions& options, std::string fileName);
    ~ScenarioRun();
    ScenarioRun(const ScenarioRun&) = delete;
    ScenarioRun& operator=(const ScenarioRun&) = delete;

    Outcome run(const std::vector<ScriptLine>& lines);

  private:
    // The result of one line: empty for success, else the failure text.
    struct Step {
        Verdict verdict = Verdict::Passed;
        std::string text;
        static Step ok() { return {}; }
        static Step fail(std::string text) { return {Verdict::Failed, std::move(text)}; }
        static Step invalid(std::string text) { return {Verdict::Invalid, std::move(text)}; }
        static Step expected(const std::string& want, const std::string& got) {
            return fail("expected " + want + ", got " + got);
        }
    };
    using Args = std::vector<std::string>;
    using Command = std::function<Step(const Args&)>;

    void registerCommands();
    void registerProgramCommands();
    void registerControlCommands();
    void registerAnswerCommands();
    void registerDeviceCommands();
    void registerExpectCommands();
    void registerFileCommands();
    Step checkOrder(const ScriptLine& line, bool hasStart, std::size_t index,
                    std::size_t startIndex);
    Step execute(const ScriptLine& line);

    // Program and time.
    Step start();
    void settle();
    void advance(Millis ms);
    bool started() const { return headless_->started(); }

    // Controls.
    toolkit::headless::HeadlessWindow* windowWith(const std::string& name) const;
    toolkit::headless::HeadlessWindow* mainWindow() const;
    Step userAction(const std::string& name, const std::function<toolkit::headless::ActionResult(
                                                 toolkit::headless::HeadlessWindow&)>& action);
    void answerModal(toolkit::headless::HeadlessWindow& window);
    std::optional<std::string> answerFileDialog(const toolkit::FileDialogSpec& spec);

    // Input capture.
    Step captureKey(const Args& args);
    Step captureButton(const Args& args);
    std::string hooksText() const;

    // Expectations.
    Step expectProperty(const Args& args);
    Step expectItem(toolkit::Control& control, const Args& args);

    // Files in the data folder.
    std::optional<std::string> dataPath(const std::string& relative) const;
    void writeTrace(const std::string& line);

    HarnessOptions options_;
    std::string fileName_;
    std::string dataDir_;
    bool ownsDataDir_ = false;
    VirtualClock clock_;
    std::unique_ptr<HeadlessProgram> headless_;
    bool quit_ = false;
    std::map<std::string, Command> commands_;
    std::deque<bool> boxAnswers_;                         // true: confirm
    std::deque<std::optional<std::string>> fileAnswers_;  // nullopt: cancel
    std::deque<std::optional<std::uint32_t>> paletteAnswers_;
    std::deque<std::string> messages_;  // shown and not yet expected
    std::ofstream trace_;
};

}  // namespace quillon::scenario
