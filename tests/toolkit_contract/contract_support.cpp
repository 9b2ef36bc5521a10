// The contract suite's fixture and recorder, shared by every group of contract tests.
#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "toolkit/Control.h"
#include "toolkit_contract/contract.h"

namespace quillon::toolkit::contract {

// A test program that has not registered a toolkit yet still builds and runs.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ContractWindows);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ContractProperties);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ContractSelection);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ContractItems);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ContractVisibility);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ContractUserActions);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ContractLoop);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ContractShell);

std::string contractSkinDir() {
    if (const char* source = std::getenv("QUILLON_SOURCE_DIR"); source != nullptr && *source) {
        return std::string(source) + "/tests/toolkit_contract/skin/";
    }
    return (std::filesystem::path(__FILE__).parent_path() / "skin").string() + "/";
}

void PrintTo(const ContractToolkit& toolkit, std::ostream* out) {
    *out << toolkit.name;
}

std::string contractTestName(const ::testing::TestParamInfo<ContractToolkit>& info) {
    return info.param.name;
}

void Recorder::notify(const Notification& notification) {
    if (notification.type == "windowexposed") {
        exposures.push_back(notification.selected);
        return;
    }
    notes.push_back(notification);
    if (onNotify) {
        onNotify(notification);
    }
}

void Recorder::onTimer(int id) {
    ticks.push_back(Tick{id, clock != nullptr ? clock->now() : 0});
    if (onTick) {
        onTick(id);
    }
}

bool Recorder::onMessage(const Message& message) {
    messages.push_back(message);
    messageThreads.push_back(std::this_thread::get_id());
    return true;
}

std::vector<std::string> Recorder::log() const {
    std::vector<std::string> lines;
    for (const Notification& n : notes) {
        lines.push_back(n.type + " " + n.sender);
    }
    return lines;
}

int Recorder::count(const std::string& type, const std::string& sender) const {
    int n = 0;
    for (const Notification& note : notes) {
        if (note.type == type && (sender.empty() || note.sender == sender)) {
            ++n;
        }
    }
    return n;
}

void Recorder::clear() {
    notes.clear();
    exposures.clear();
    ticks.clear();
    messages.clear();
    messageThreads.clear();
}

void ContractTest::SetUp() {
    driver_ = GetParam().factory();
    ASSERT_NE(driver_, nullptr);
}

void ContractTest::TearDown() {
    driver_.reset();
}

WindowSpec ContractTest::spec(const std::string& skin) {
    WindowSpec s;
    s.skin = skin;
    s.pageFile = [](std::string_view className) -> std::string {
        std::string lower(className);
        for (char& c : lower) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        return lower == "contract_page_ui" ? "contract_page.xml" : "";
    };
    return s;
}

std::unique_ptr<Window> ContractTest::open(Recorder& recorder, const std::string& skin) {
    std::unique_ptr<Window> window = toolkit().createWindow(spec(skin));
    if (window != nullptr) {
        recorder.clock = &toolkit().clock();
        window->setHandler(&recorder);
    }
    return window;
}

Control& ContractTest::at(Window& window, const std::string& name) {
    Control* control = window.find(name);
    if (control == nullptr) {
        ADD_FAILURE() << "the contract skin has no control \"" << name << "\"";
        std::abort();
    }
    return *control;
}

bool ContractTest::runUntil(const std::function<bool()>& done, Millis limit) {
    const Millis start = toolkit().clock().now();
    while (!done() && toolkit().clock().now() - start < limit) {
        driver().runFor(5);
    }
    return done();
}

}  // namespace quillon::toolkit::contract
