#include "app/scenario/ScenarioRun.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "app/MainWindow.h"
#include "ui/Program.h"

namespace quillon::scenario {

namespace fs = std::filesystem;
using toolkit::headless::ActionResult;
using toolkit::headless::HeadlessWindow;

namespace {

std::string makeTemporaryFolder() {
    std::string pattern = (fs::temp_directory_path() / "quillon-scenario-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        return {};
    }
    return pattern + "/";
}

bool allowedBeforeStart(const std::string& command) {
    return command == "device" || command == "put-file" || command == "put-ini" ||
           command == "wait" || command == "start";
}

bool allowedAfterQuit(const std::string& command, const std::vector<std::string>& args) {
    if (command == "expect-ini" || command == "expect-file" || command == "expect-no-file" ||
        command == "expect-file-size") {
        return true;
    }
    return command == "device" && args.size() > 1 && args[1] == "expect";
}

}  // namespace

ScenarioRun::ScenarioRun(const HarnessOptions& options, std::string fileName)
    : options_(options), fileName_(std::move(fileName)) {
    if (options_.dataDir.empty()) {
        dataDir_ = makeTemporaryFolder();
        ownsDataDir_ = !dataDir_.empty();
    } else {
        dataDir_ = options_.dataDir;
        if (dataDir_.back() != '/') {
            dataDir_ += '/';
        }
        std::error_code ignored;
        fs::create_directories(dataDir_, ignored);
    }
    if (!options_.traceFile.empty()) {
        trace_.open(options_.traceFile, std::ios::app);
    }
    headless_ = std::make_unique<HeadlessProgram>(clock_, options_.programDir, dataDir_);
    headless_->toolkit().setModalResponder([this](HeadlessWindow& window) { answerModal(window); });
    headless_->toolkit().setFileDialogResponder(
        [this](const toolkit::FileDialogSpec& spec) { return answerFileDialog(spec); });
    if (trace_.is_open()) {
        headless_->sim().setTraceSink(
            [this](const SimReport& report) { writeTrace(formatTraceLine(report)); });
    }
    registerCommands();
}

ScenarioRun::~ScenarioRun() {
    headless_.reset();
    if (ownsDataDir_) {
        std::error_code ignored;
        fs::remove_all(dataDir_, ignored);
    }
}

void ScenarioRun::writeTrace(const std::string& line) {
    trace_ << line << '\n';
}

Outcome ScenarioRun::run(const std::vector<ScriptLine>& lines) {
    auto where = [this](const ScriptLine& line) {
        return fileName_ + ":" + std::to_string(line.number) + ": ";
    };
    std::size_t startIndex = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].args[0] == "start") {
            startIndex = i;
            break;
        }
    }
    const bool hasStart = startIndex < lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ScriptLine& line = lines[i];
        Step step = checkOrder(line, hasStart, i, startIndex);
        if (step.verdict == Verdict::Passed) {
            if (options_.verbose) {
                std::cerr << where(line) << line.args[0] << '\n';
            }
            step = execute(line);
        }
        if (step.verdict != Verdict::Passed) {
            return {step.verdict, where(line) + step.text};
        }
    }
    return {};
}

ScenarioRun::Step ScenarioRun::checkOrder(const ScriptLine& line, bool hasStart, std::size_t index,
                                          std::size_t startIndex) {
    const std::string& command = line.args[0];
    if (commands_.find(command) == commands_.end()) {
        return Step::invalid("unknown command \"" + command + "\"");
    }
    if (command == "start" && index != startIndex) {
        return Step::invalid("the program is started only once");
    }
    if (hasStart && index < startIndex && !allowedBeforeStart(command)) {
        return Step::invalid("\"" + command + "\" before \"start\"");
    }
    if (quit_ && !allowedAfterQuit(command, line.args)) {
        return Step::invalid("\"" + command + "\" after \"quit\"");
    }
    if (!started() && !allowedBeforeStart(command)) {
        const Step implicitStart = start();
        if (implicitStart.verdict != Verdict::Passed) {
            return implicitStart;
        }
    }
    return Step::ok();
}

ScenarioRun::Step ScenarioRun::execute(const ScriptLine& line) {
    return commands_.at(line.args[0])(line.args);
}

ScenarioRun::Step ScenarioRun::start() {
    if (started()) {
        return Step::invalid("the program is already running");
    }
    if (!headless_->start()) {
        return Step::fail("the main window could not be built: " +
                          headless_->toolkit().lastError());
    }
    if (options_.afterStart) {
        options_.afterStart(*headless_);
    }
    settle();
    return Step::ok();
}

// Handles what is already due without letting time pass.
void ScenarioRun::settle() {
    if (started() && !quit_) {
        headless_->toolkit().runUntil(clock_.now());
    }
}

void ScenarioRun::advance(Millis ms) {
    if (!started() || quit_) {
        clock_.sleepFor(ms);
        return;
    }
    headless_->toolkit().runFor(ms);
}

HeadlessWindow* ScenarioRun::mainWindow() const {
    return started() ? &headless_->mainWindow() : nullptr;
}

// The newest shown window that has the control (the one a user would reach), else the main
// window.
HeadlessWindow* ScenarioRun::windowWith(const std::string& name) const {
    const auto& windows = headless_->toolkit().windows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if ((*it)->isVisible() && (*it) != mainWindow() && (*it)->control(name) != nullptr) {
            return *it;
        }
    }
    return mainWindow();
}

ScenarioRun::Step ScenarioRun::userAction(
    const std::string& name, const std::function<ActionResult(HeadlessWindow&)>& action) {
    HeadlessWindow* window = windowWith(name);
    if (window == nullptr) {
        return Step::fail("no window");
    }
    const ActionResult result = action(*window);
    if (!result) {
        return Step::fail(name + ": " + result.error);
    }
    settle();
    return Step::ok();
}

void ScenarioRun::answerModal(HeadlessWindow& window) {
    const std::string skin = window.skin();
    if (skin == "XML_MSG") {
        const std::string shown = messageBoxText(window);
        messages_.push_back(shown);
        bool confirm = false;
        if (!boxAnswers_.empty()) {
            confirm = boxAnswers_.front();
            boxAnswers_.pop_front();
        }
        window.click(confirm ? "confirm_btn" : "cancel_btn");
        return;
    }
    if (skin == "GmPalletDialog.xml") {
        std::optional<std::uint32_t> colour;
        if (!paletteAnswers_.empty()) {
            colour = paletteAnswers_.front();
            paletteAnswers_.pop_front();
        }
        if (colour) {
            window.chooseColour("Pallet", *colour);
            window.click("okbtn");
        } else {
            window.click("closebtn");
        }
        return;
    }
    if (!window.click("closebtn")) {
        window.close(0);
    }
}

std::optional<std::string> ScenarioRun::answerFileDialog(const toolkit::FileDialogSpec&) {
    if (fileAnswers_.empty()) {
        return std::nullopt;
    }
    auto answer = fileAnswers_.front();
    fileAnswers_.pop_front();
    if (answer && !answer->empty() && answer->front() != '/') {
        return dataDir_ + *answer;
    }
    return answer;
}

std::optional<std::string> ScenarioRun::dataPath(const std::string& relative) const {
    const fs::path path(relative);
    if (relative.empty() || path.is_absolute()) {
        return std::nullopt;
    }
    for (const auto& part : path) {
        if (part == "..") {
            return std::nullopt;
        }
    }
    return dataDir_ + relative;
}

}  // namespace quillon::scenario
