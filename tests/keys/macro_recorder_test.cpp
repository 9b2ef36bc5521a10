#include <gtest/gtest.h>

#include "keys/MacroRecorder.h"

namespace quillon::keys {
namespace {

constexpr RecordingOptions kClicks{true, false};

class Recording : public ::testing::Test {
  protected:
    void SetUp() override { recorder.start(1000); }
    std::vector<MacroAction> list;
    MacroRecorder recorder;
};

TEST_F(Recording, KeysBecomeActionsAndEachDelayIsTheTimeToTheNextEvent) {
    EXPECT_TRUE(recorder.recordKey(list, 'A', 0, true, 1120, kClicks));
    EXPECT_TRUE(recorder.recordKey(list, 'A', 0, false, 1200, kClicks));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(formatActionLine(list[0]), "80,0,138,4,1,keyboard_key_A");
    EXPECT_EQ(formatActionLine(list[1]), "0,0,10,4,0,keyboard_key_A");
}

TEST_F(Recording, AHeldKeyRecordsOnePressAndOneRelease) {
    for (int i = 0; i < 5; ++i) {
        recorder.recordKey(list, 'S', 0, true, 1000 + 30 * i, kClicks);
    }
    recorder.recordKey(list, 'S', 0, false, 1300, kClicks);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].delay, 300);
}

TEST_F(Recording, ModifiersAndKeypadEnter) {
    recorder.recordKey(list, 160, 0, true, 1000, kClicks);  // left Shift
    recorder.recordKey(list, 13, kKeyFlagExtended, true, 1000, kClicks);
    recorder.recordKey(list, 13, 0x81, false, 1000, kClicks);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].kind, 0x89);
    EXPECT_EQ(list[0].code, 0x02);
    EXPECT_EQ(list[1].kind, 0x8A);
    EXPECT_EQ(list[1].code, 0x58);
    EXPECT_EQ(list[1].label, "keyboard_key_Num Enter");
    EXPECT_EQ(list[2].kind, 0x0A);
}

TEST_F(Recording, KeysOutsideTheKeyboardRowsAreDropped) {
    EXPECT_FALSE(recorder.recordKey(list, 175, 0, true, 1000, kClicks));  // Volume Up
    EXPECT_TRUE(recorder.recordKey(list, 20, 0, true, 1000, kClicks));    // Caps Lock
    EXPECT_EQ(list.size(), 1u);
}

TEST_F(Recording, FixedDelaysAreFiftyAndTheFirstEventStampsTheLastActionAlreadyThere) {
    list.push_back(makeAction(0, 0x8A, 4, "keyboard_key_A"));
    recorder.recordKey(list, 'B', 0, true, 4000, kClicks);
    EXPECT_EQ(list[0].delay, 3000);  // the time since the start
    recorder.recordKey(list, 'B', 0, false, 9000, RecordingOptions{true, true});
    EXPECT_EQ(list[1].delay, 50);
}

TEST_F(Recording, DelaysAreCutAt65535) {
    recorder.recordKey(list, 'A', 0, true, 1000, kClicks);
    recorder.recordKey(list, 'A', 0, false, 1000 + 100000, kClicks);
    EXPECT_EQ(list[0].delay, 65535);
}

TEST_F(Recording, MouseButtonsOnlyWithClicksOnAndNotTwiceInARow) {
    EXPECT_FALSE(recorder.recordMouse(list, kMsgLeftDown, 1000, RecordingOptions{}));
    EXPECT_TRUE(recorder.recordMouse(list, kMsgLeftDown, 1000, kClicks));
    EXPECT_FALSE(recorder.recordMouse(list, kMsgLeftDown, 1010, kClicks));
    EXPECT_FALSE(recorder.recordMouse(list, 0x200, 1010, kClicks));  // a move
    EXPECT_FALSE(recorder.recordMouse(list, 0x20A, 1010, kClicks));  // the wheel
    EXPECT_TRUE(recorder.recordMouse(list, kMsgMiddleUp, 1040, kClicks));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(formatActionLine(list[0]), "40,0,129,1,1,mouse_key_left");
    EXPECT_EQ(formatActionLine(list[1]), "0,0,1,4,0,mouse_key_middle");
}

TEST(RecordingAcrossStarts, AKeyStillHeldAtTheLastStopIsIgnoredOnceAtTheNextStart) {
    MacroRecorder recorder;
    std::vector<MacroAction> list;
    recorder.start(0);
    recorder.recordKey(list, 'Q', 0, true, 10, kClicks);
    recorder.stop();
    EXPECT_FALSE(recorder.recordKey(list, 'Q', 0, true, 20, kClicks));  // not recording
    recorder.start(100);
    EXPECT_FALSE(recorder.recordKey(list, 'Q', 0, true, 110, kClicks));
    EXPECT_TRUE(recorder.recordKey(list, 'Q', 0, false, 120, kClicks));
    EXPECT_TRUE(recorder.recordKey(list, 'Q', 0, true, 130, kClicks));
}

}  // namespace
}  // namespace quillon::keys
