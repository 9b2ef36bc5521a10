// What the headless capture adds for the harness: played events are refused unless their kind is
// taken, keys are withheld from the system except the lock keys, virtual keys are played as
// given, and the up flag follows the direction.
#include <gtest/gtest.h>

#include "platform/VirtualClock.h"
#include "toolkit/headless/HeadlessToolkit.h"
#include "toolkit_contract/ToolkitDriver.h"

namespace quillon::toolkit::headless {
namespace {

class Messages : public WindowHandler {
  public:
    void notify(const Notification&) override {}
    bool onMessage(const Message& m) override {
        received.push_back(m);
        return true;
    }
    std::vector<Message> received;
};

class HeadlessCapture : public ::testing::Test {
  protected:
    void SetUp() override {
        WindowSpec spec;
        spec.skin = "XML_CONTRACT";
        window = toolkit.createWindow(spec);
        ASSERT_NE(window, nullptr);
        window->setHandler(&messages);
    }

    VirtualClock clock;
    HeadlessToolkit toolkit{clock, contract::contractSkinDir()};
    std::unique_ptr<Window> window;
    Messages messages;
    HeadlessInputCapture& capture = toolkit.inputCapture();
};

TEST_F(HeadlessCapture, EventsOfAKindThatIsNotTakenAreRefused) {
    EXPECT_FALSE(capture.key(13, 0, true));
    EXPECT_FALSE(capture.button(MouseButton::Left, true));
    ASSERT_TRUE(capture.arm(*window, CaptureMode::MouseSingleKey, true, false));
    EXPECT_EQ(static_cast<Window*>(capture.target()), window.get());
    EXPECT_TRUE(capture.key(13, 0, true));
    const ActionResult refused = capture.button(MouseButton::Left, true);
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.error, "the mouse is not captured");
    ASSERT_TRUE(capture.arm(*window, CaptureMode::KeyboardMacro, false, true));
    EXPECT_FALSE(capture.key(13, 0, true));
    EXPECT_TRUE(capture.button(MouseButton::Left, true));
    EXPECT_EQ(capture.armCount(), 2);
}

TEST_F(HeadlessCapture, KeysAreWithheldExceptTheLockKeys) {
    ASSERT_TRUE(capture.arm(*window, CaptureMode::KeyboardSingleKey, true, false));
    for (std::uint32_t vk : {0x41u, 0x14u, 0x90u, 0x91u, 0x0Du, 0xA2u}) {
        ASSERT_TRUE(capture.key(vk, 0, true));
    }
    EXPECT_EQ(capture.keysPassedOn(), 3);
    EXPECT_EQ(capture.keysWithheld(), 3);
    EXPECT_EQ(messages.received.size(), 6u);
}

TEST_F(HeadlessCapture, PlayedKeysKeepTheirCodeAndTakeTheUpFlagFromTheDirection) {
    clock.sleepFor(250);
    ASSERT_TRUE(capture.arm(*window, CaptureMode::KeyboardMacro, true, true));
    ASSERT_TRUE(capture.key(0x0D, kKeyFlagExtended, true));
    ASSERT_TRUE(capture.key(0x0D, kKeyFlagExtended, false));
    ASSERT_TRUE(capture.key(0x41, kKeyFlagUp, true));  // a stray up flag on a press is dropped
    ASSERT_EQ(messages.received.size(), 3u);
    EXPECT_EQ(keyEventOf(messages.received[0])->flags, kKeyFlagExtended);
    EXPECT_EQ(keyEventOf(messages.received[0])->time, 250u);
    EXPECT_EQ(messages.received[1].wParam, kKeyUp);
    EXPECT_EQ(keyEventOf(messages.received[1])->flags, kKeyFlagExtended | kKeyFlagUp);
    EXPECT_EQ(messages.received[2].wParam, kKeyDown);
    EXPECT_EQ(keyEventOf(messages.received[2])->flags, 0u);
}

TEST_F(HeadlessCapture, SystemKeysWithoutAVirtualKeyAreRefusedAndSendNothing) {
    ASSERT_TRUE(capture.arm(*window, CaptureMode::KeyboardSingleKey, true, false));
    EXPECT_FALSE(capture.systemKey(0x110, true));
    EXPECT_TRUE(messages.received.empty());
    EXPECT_TRUE(capture.systemKey(100, true));  // right Alt
    ASSERT_EQ(messages.received.size(), 1u);
    EXPECT_EQ(messages.received[0].lParam, 0xA5);
}

}  // namespace
}  // namespace quillon::toolkit::headless
