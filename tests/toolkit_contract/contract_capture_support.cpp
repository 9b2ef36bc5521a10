// Contract: key and mouse capture. Arming takes the keyboard for a window, each key reaches it at
// once as the mode's message with its virtual key and flags, mouse buttons follow as posted
// messages in the recording modes, and removal (or a new arm) ends what was taken.
#include "toolkit_contract/contract.h"

namespace quillon::toolkit::contract {
namespace {

// evdev codes of the keys the tests press.
constexpr std::uint32_t kEvdevA = 30;
constexpr std::uint32_t kEvdevCapsLock = 58;
constexpr std::uint32_t kEvdevKeypadEnter = 96;
constexpr std::uint32_t kEvdevRightCtrl = 97;

std::vector<const Message*> captured(const Recorder& recorder) {
    std::vector<const Message*> found;
    for (const Message& m : recorder.messages) {
        if (m.id >= kMsgHookKeySingleKey && m.id <= kMsgHookMouseMacroMouse) {
            found.push_back(&m);
        }
    }
    return found;
}

}  // namespace

TEST_P(ContractCapture, NothingIsTakenUntilArmedAndKeysThenArriveAtOnceWithTheirFlags) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    w->show();
    InputCapture& capture = toolkit().inputCapture();
    EXPECT_FALSE(capture.keyboardArmed());
    EXPECT_FALSE(capture.mouseArmed());
    EXPECT_EQ(capture.mode(), CaptureMode::None);
    driver().pressKey(*w, kEvdevA, true);
    driver().pressKey(*w, kEvdevA, false);
    EXPECT_TRUE(captured(recorder).empty());

    ASSERT_TRUE(capture.arm(*w, CaptureMode::KeyboardSingleKey, true, false));
    EXPECT_TRUE(capture.keyboardArmed());
    EXPECT_FALSE(capture.mouseArmed());
    EXPECT_EQ(capture.mode(), CaptureMode::KeyboardSingleKey);

    // Sent, not posted: the receiver has run before the key event returns.
    driver().pressKey(*w, kEvdevKeypadEnter, true);
    auto messages = captured(recorder);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0]->id, kMsgHookKeySingleKey);
    EXPECT_EQ(messages[0]->wParam, kKeyDown);
    EXPECT_EQ(messages[0]->lParam, 13);
    auto event = keyEventOf(*messages[0]);
    ASSERT_TRUE(event.has_value());
    EXPECT_EQ(event->vk, 13u);
    EXPECT_EQ(event->flags, kKeyFlagExtended);
    EXPECT_EQ(event->scanCode, kEvdevKeypadEnter);
    EXPECT_TRUE(event->down());

    driver().pressKey(*w, kEvdevKeypadEnter, false);
    messages = captured(recorder);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1]->wParam, kKeyUp);
    EXPECT_EQ(keyEventOf(*messages[1])->flags, kKeyFlagExtended | kKeyFlagUp);
    EXPECT_FALSE(keyEventOf(*messages[1])->down());

    // Lock keys are reported like any other key.
    driver().pressKey(*w, kEvdevCapsLock, true);
    messages = captured(recorder);
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(keyEventOf(*messages[2])->vk, kVkCapsLock);
    EXPECT_EQ(keyEventOf(*messages[2])->flags, 0u);
}

TEST_P(ContractCapture, EachModeSendsItsOwnMessagesAndSingleKeyCaptureIgnoresTheMouse) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    w->show();
    InputCapture& capture = toolkit().inputCapture();

    ASSERT_TRUE(capture.arm(*w, CaptureMode::MouseSingleKey, true, false));
    driver().pressKey(*w, kEvdevRightCtrl, true);
    driver().pressButton(*w, MouseButton::Left, true);
    driver().pressButton(*w, MouseButton::Left, false);
    driver().runFor(20);
    auto messages = captured(recorder);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0]->id, kMsgHookMouseSingleKey);
    EXPECT_EQ(keyEventOf(*messages[0])->vk, 0xA3u);
    EXPECT_EQ(keyEventOf(*messages[0])->flags, kKeyFlagExtended);

    // Recording on the mouse page with both kinds of input.
    recorder.messages.clear();
    ASSERT_TRUE(capture.arm(*w, CaptureMode::MouseMacro, true, true));
    EXPECT_TRUE(capture.keyboardArmed());
    EXPECT_TRUE(capture.mouseArmed());
    driver().pressButton(*w, MouseButton::Right, true);
    driver().pressButton(*w, MouseButton::Right, false);
    driver().pressKey(*w, kEvdevA, true);
    ASSERT_TRUE(runUntil([&] { return captured(recorder).size() == 3; }));
    std::vector<std::pair<std::uint32_t, std::uintptr_t>> seen;
    for (const Message* m : captured(recorder)) {
        seen.emplace_back(m->id, m->wParam);
    }
    // The key was sent and so came first; the buttons were posted and follow in order.
    EXPECT_EQ(seen, (std::vector<std::pair<std::uint32_t, std::uintptr_t>>{
                        {kMsgHookMouseMacro, kKeyDown},
                        {kMsgHookMouseMacroMouse, kMouseRightDown},
                        {kMsgHookMouseMacroMouse, kMouseRightUp}}));

    // Recording on the keyboard page with the mouse only: keys are not taken.
    recorder.messages.clear();
    ASSERT_TRUE(capture.arm(*w, CaptureMode::KeyboardMacro, false, true));
    EXPECT_FALSE(capture.keyboardArmed());
    driver().pressKey(*w, kEvdevA, true);
    driver().pressButton(*w, MouseButton::Middle, true);
    ASSERT_TRUE(runUntil([&] { return !captured(recorder).empty(); }));
    driver().runFor(20);
    messages = captured(recorder);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0]->id, kMsgHookKeyMacroMouse);
    EXPECT_EQ(messages[0]->wParam, kMouseMiddleDown);
}

TEST_P(ContractCapture, RemovalAndAnEmptyArmGiveEverythingBack) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    w->show();
    InputCapture& capture = toolkit().inputCapture();
    ASSERT_TRUE(capture.arm(*w, CaptureMode::KeyboardMacro, true, true));
    capture.remove();
    EXPECT_FALSE(capture.keyboardArmed());
    EXPECT_FALSE(capture.mouseArmed());
    EXPECT_EQ(capture.mode(), CaptureMode::None);
    driver().pressKey(*w, kEvdevA, true);
    driver().pressButton(*w, MouseButton::Left, true);
    driver().pressButton(*w, MouseButton::Left, false);
    driver().runFor(20);
    EXPECT_TRUE(captured(recorder).empty());
    capture.remove();  // twice is harmless

    // Asking for nothing arms nothing, and ends what was armed before.
    ASSERT_TRUE(capture.arm(*w, CaptureMode::KeyboardSingleKey, true, false));
    EXPECT_FALSE(capture.arm(*w, CaptureMode::KeyboardSingleKey, false, false));
    EXPECT_FALSE(capture.keyboardArmed());
    EXPECT_EQ(capture.mode(), CaptureMode::None);
}

TEST_P(ContractCapture, AWindowThatGoesAwayLosesItsCapture) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    w->show();
    InputCapture& capture = toolkit().inputCapture();
    ASSERT_TRUE(capture.arm(*w, CaptureMode::KeyboardSingleKey, true, true));
    w.reset();
    EXPECT_FALSE(capture.keyboardArmed());
    EXPECT_FALSE(capture.mouseArmed());

    Recorder other;
    auto next = open(other);
    ASSERT_NE(next, nullptr);
    next->show();
    driver().pressKey(*next, kEvdevA, true);
    driver().runFor(20);
    EXPECT_TRUE(captured(other).empty());
}

}  // namespace quillon::toolkit::contract
