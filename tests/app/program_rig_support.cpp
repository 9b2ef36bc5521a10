#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <utility>

#include "app/ProgramRig.h"

namespace quillon::apptest {

namespace fs = std::filesystem;
using toolkit::headless::HeadlessWindow;

std::string programDir() {
    if (const char* dir = std::getenv("QUILLON_PROGRAM_DIR"); dir != nullptr && *dir != '\0') {
        std::string path(dir);
        return path.back() == '/' ? path : path + "/";
    }
    // Run by hand from the build tree: the test program lives in <build>/tests/.
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return (exe.parent_path().parent_path() / "program").string() + "/";
}

std::string memoryFolder() {
    return ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "";
}

TempFolder::TempFolder(const std::string& parent) {
    const fs::path base = parent.empty() ? fs::temp_directory_path() : fs::path(parent);
    std::string pattern = (base / "quillon-apptest-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) {
        path_ = pattern + "/";
    }
}

TempFolder::~TempFolder() {
    if (!path_.empty()) {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
}

ProgramRig::ProgramRig(Clock* clock, std::string programFolder, const std::string& dataParent)
    : ownClock_(clock == nullptr ? std::make_unique<VirtualClock>() : nullptr),
      clock_(clock == nullptr ? ownClock_.get() : clock),
      data_(dataParent),
      programDir_(programFolder.empty() ? programDir() : std::move(programFolder)) {
    toolkit_ = std::make_unique<toolkit::headless::HeadlessToolkit>(*clock_, programDir_ + "skin/");
    toolkit_->setModalResponder([this](HeadlessWindow& w) { answerModal(w); });
    sim_ = std::make_unique<SimBackend>(*clock_);
    machine_ = std::make_unique<MachineSettings>(data_.path() + "machine.ini");
    pointer_ = std::make_unique<MemoryPointerSettings>(*clock_);
}

ProgramRig::~ProgramRig() {
    program_.reset();
    toolkit_.reset();
    sim_.reset();
}

void ProgramRig::start() {
    Paths paths;
    paths.dataDir = data_.path();
    paths.programDir = programDir_;
    program_ = std::make_unique<ui::Program>(
        app::ShellPorts{*toolkit_, *sim_, paths, *machine_, "C", *pointer_});
    ASSERT_TRUE(program_->start()) << toolkit_->lastError();
    settle();
}

void ProgramRig::run(Millis ms) {
    toolkit_->runFor(ms);
}

void ProgramRig::quit() {
    toolkit::Message exit;
    exit.id = toolkit::kMsgMenuCommand;
    exit.data = toolkit::MenuChoice{"exit", "", "Close"};
    window().post(std::move(exit));
    run(12000);
}

HeadlessWindow& ProgramRig::window() {
    return static_cast<HeadlessWindow&>(main().window());
}

std::vector<std::string> ProgramRig::takeMessages() {
    return std::exchange(messages_, {});
}

void ProgramRig::notify(const std::string& type, const std::string& sender, bool selected) {
    toolkit::Notification n;
    n.type = type;
    n.sender = sender;
    n.control = main().find(sender);
    n.selected = selected;
    main().notify(n);
}

void ProgramRig::post(std::uint32_t id, std::uintptr_t wParam, std::intptr_t lParam) {
    window().post(toolkit::messageOf(id, wParam, lParam));
    settle();
}

void ProgramRig::answerModal(HeadlessWindow& w) {
    if (w.skin() != "XML_MSG") {
        if (!w.click("closebtn")) {
            w.close(0);
        }
        return;
    }
    toolkit::Control* text = w.find("MessageText");
    std::string shown;
    if (text != nullptr) {
        shown = text->getString(toolkit::Prop::TextId);
        if (shown.empty()) {
            shown = text->getString(toolkit::Prop::Text);
        }
    }
    messages_.push_back(shown);
    BoxAnswer answer = BoxAnswer::Cancel;
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    switch (answer) {
        case BoxAnswer::Confirm:
            w.click("confirm_btn");
            break;
        case BoxAnswer::Cancel:
            w.click("cancel_btn");
            break;
        case BoxAnswer::CloseButton:
            w.click("closebtn");
            break;
        case BoxAnswer::Leave:
            break;
    }
}

}  // namespace quillon::apptest
