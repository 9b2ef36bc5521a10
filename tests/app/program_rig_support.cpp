#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <utility>

#include "app/ProgramRig.h"

namespace quillon::apptest {

namespace fs = std::filesystem;
using toolkit::headless::HeadlessWindow;

std::string memoryFolder() {
    return ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "";
}

ProgramRig::ProgramRig(Clock* clock, std::string programFolder, const std::string& dataParent)
    : ownClock_(clock == nullptr ? std::make_unique<VirtualClock>() : nullptr),
      clock_(clock == nullptr ? ownClock_.get() : clock),
      data_(dataParent) {
    headless_ = std::make_unique<scenario::HeadlessProgram>(
        *clock_, programFolder.empty() ? programDir() : std::move(programFolder), data_.path());
    toolkit().setModalResponder([this](HeadlessWindow& w) { answerModal(w); });
}

ProgramRig::~ProgramRig() {
    headless_.reset();
}

void ProgramRig::start() {
    ASSERT_TRUE(headless_->start()) << toolkit().lastError();
    settle();
}

void ProgramRig::run(Millis ms) {
    toolkit().runFor(ms);
}

void ProgramRig::quit() {
    headless_->requestExit();
    run(12000);
}

HeadlessWindow& ProgramRig::window() {
    return headless_->mainWindow();
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
    const std::string shown = scenario::messageBoxText(w);
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
