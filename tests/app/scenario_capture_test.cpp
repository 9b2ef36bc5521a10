// The harness's input capture lines (key, button, expect-hooks) and the key button properties,
// proven against the whole program through a test hook: a private message arms the capture as a
// page would, and the hook messages show on key buttons of a test page.
#include <gtest/gtest.h>

#include <cstdio>

#include "app/MainWindow.h"
#include "app/ProgramPages.h"
#include "app/ProgramRig.h"
#include "app/scenario/ScenarioRun.h"
#include "toolkit/InputCapture.h"
#include "ui/Program.h"

namespace quillon::apptest {
namespace {

using scenario::Outcome;
using scenario::Verdict;
using toolkit::CaptureMode;
using toolkit::Message;
using toolkit::Prop;

// wParam: the capture mode; lParam: 1 keyboard, 2 mouse, 3 both.
constexpr std::uint32_t kMsgTestArm = 0x7F01;

std::string hex(std::uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "%llx", static_cast<unsigned long long>(value));
    return text;
}

// What a page would do: arm on request; show each key message on "kb_key_0" (message, key
// message, virtual key and flags) and mark it remapped, each mouse message on "kb_key_1" and
// light it.
void installTestHook(scenario::HeadlessProgram& program) {
    app::CMainWnd& main = program.program().main();
    main.dispatch().addMessage(kMsgTestArm, [&main](const Message& m) {
        main.toolkit().inputCapture().arm(main.window(), static_cast<CaptureMode>(m.wParam),
                                          (m.lParam & 1) != 0, (m.lParam & 2) != 0);
    });
    for (std::uint32_t id : {toolkit::kMsgHookKeySingleKey, toolkit::kMsgHookMouseMacro}) {
        main.dispatch().addMessage(id, [&main](const Message& m) {
            const auto event = toolkit::keyEventOf(m);
            toolkit::Control* key = main.find("kb_key_0");
            key->setText(hex(m.id) + " " + hex(m.wParam) + " " + std::to_string(m.lParam) + " " +
                         hex(event ? event->flags : 0xFFFF));
            key->set(Prop::Remapped, true);
        });
    }
    main.dispatch().addMessage(toolkit::kMsgHookMouseMacroMouse, [&main](const Message& m) {
        toolkit::Control* key = main.find("kb_key_1");
        key->setText(hex(m.id) + " " + hex(m.wParam));
        key->set(Prop::Light, m.wParam == toolkit::kMouseLeftDown);
    });
}

class ScenarioCapture : public ::testing::Test {
  protected:
    Outcome run(const std::string& text) {
        std::vector<scenario::ScriptLine> lines;
        scenario::ScriptError error;
        EXPECT_TRUE(scenario::parseScript(text, lines, error)) << error.message;
        scenario::HarnessOptions options;
        options.programDir = folder.path();
        options.afterStart = installTestHook;
        scenario::ScenarioRun run(options, "capture.scn");
        return run.run(lines);
    }

    ProgramWithPages folder{
        {{"keyboard_key.xml", page("DeviceKeyButton", {"kb_key_0", "kb_key_1"})}}};
};

TEST_F(ScenarioCapture, KeysAndButtonsReachTheProgramWhileArmed) {
    const Outcome outcome = run(R"(
start
expect-hooks none
expect kb_key_0 remapped false
expect kb_key_1 light false
message 0x7F01 0x01 1
expect-hooks keyboard
key down 13 0x01
expect kb_key_0 text "801 100 13 1"
expect kb_key_0 remapped true
key up 13 0x01
expect kb_key_0 text "801 101 13 81"
key down 0x41
expect kb_key_0 text "801 100 65 0"
message 0x7F01 0x40 3
expect-hooks both
button down left
expect kb_key_1 text "813 201"
expect kb_key_1 light true
button up left
expect kb_key_1 light false
button down middle
expect kb_key_1 text "813 207"
key down 0xA3 1
expect kb_key_0 text "812 100 163 1"
message 0x7F01 0x40 2
expect-hooks mouse
)");
    EXPECT_EQ(outcome.verdict, Verdict::Passed) << outcome.message;
}

TEST_F(ScenarioCapture, APageSwitchDeactivationAndExitEndTheCapture) {
    const Outcome outcome = run(R"(
device plug mouse
device plug keyboard
start
wait 2000
select ms_tab
message 0x7F01 0x10 1
expect-hooks keyboard
select kb_tab
expect-hooks none
message 0x7F01 0x04 3
expect-hooks both
message 0x0006 0
expect-hooks none
message 0x7F01 0x01 1
message 0x0006 1
expect-hooks keyboard
quit
)");
    EXPECT_EQ(outcome.verdict, Verdict::Passed) << outcome.message;
}

TEST_F(ScenarioCapture, EventsWithoutCaptureFailTheirLine) {
    Outcome outcome = run("start\nkey down 65\n");
    EXPECT_EQ(outcome.verdict, Verdict::Failed);
    EXPECT_EQ(outcome.message, "capture.scn:2: expected the keyboard to be captured, got none");

    outcome = run("message 0x7F01 0x01 1\nbutton down right\n");
    EXPECT_EQ(outcome.verdict, Verdict::Failed);
    EXPECT_EQ(outcome.message, "capture.scn:2: expected the mouse to be captured, got keyboard");

    outcome = run("message 0x7F01 0x01 1\nexpect-hooks mouse\n");
    EXPECT_EQ(outcome.verdict, Verdict::Failed);
    EXPECT_EQ(outcome.message, "capture.scn:2: expected hooks mouse, got hooks keyboard");
}

TEST_F(ScenarioCapture, MalformedCaptureLinesAreInvalid) {
    for (const char* line :
         {"key down", "key sideways 65", "key down 0", "key down 0x10000", "key down 65 0x100",
          "key down 65 1 2", "key up x", "button down", "button down back", "button press left",
          "expect-hooks all", "expect kb_key_0 remapped yes"}) {
        const Outcome outcome = run(std::string("start\n") + line + "\n");
        EXPECT_EQ(outcome.verdict, Verdict::Invalid) << line;
    }
}

}  // namespace
}  // namespace quillon::apptest
