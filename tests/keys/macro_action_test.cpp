#include <gtest/gtest.h>

#include "keys/MacroAction.h"
#include "keys/MacroKeyRows.h"

namespace quillon::keys {
namespace {

TEST(ActionLine, FormatsAKeyPressWithItsDelay) {
    EXPECT_EQ(formatActionLine(makeAction(120, 0x8A, 4, "keyboard_key_A")),
              "120,0,138,4,1,keyboard_key_A");
}

TEST(ActionLine, WritesADelayAsLowAndHighByte) {
    EXPECT_EQ(formatActionLine(makeAction(300, 0x0A, 4, "keyboard_key_A")).substr(0, 5), "44,1,");
    EXPECT_EQ(formatActionLine(makeAction(65535, 0x81, 1, "mouse_key_left")),
              "255,255,129,1,1,mouse_key_left");
}

TEST(ActionLine, ReadsButtonPressAndRelease) {
    const auto press = parseActionLine("0,0,129,1,1,mouse_key_left");
    ASSERT_TRUE(press);
    EXPECT_EQ(press->delay, 0);
    EXPECT_EQ(press->kind, 0x81);
    EXPECT_EQ(press->code, 1);
    EXPECT_EQ(press->pressed, 1);
    EXPECT_EQ(press->label, "mouse_key_left");
    EXPECT_TRUE(press->isMouse());

    const auto release = parseActionLine("0,0,1,1,0,mouse_key_left");
    ASSERT_TRUE(release);
    EXPECT_EQ(release->kind, 0x01);
    EXPECT_EQ(release->pressed, 0);
    EXPECT_FALSE(release->down());
}

TEST(ActionLine, CutsEveryNumberToItsWidth) {
    const auto a = parseActionLine("300,1,394,260,65537,x");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->delay, 44 | 1 << 8);  // low byte 300 reads as 44
    EXPECT_EQ(a->kind, 394 & 0xFF);
    EXPECT_EQ(a->code, 4);
    EXPECT_EQ(a->pressed, 1);
    const auto negative = parseActionLine("-1,0,0,0,0,");
    ASSERT_TRUE(negative);
    EXPECT_EQ(negative->delay, 255);
    const auto huge = parseActionLine("99999999999999999999999,0,0,0,0,x");
    ASSERT_TRUE(huge);  // wraps rather than overflowing
}

TEST(ActionLine, ParsesFromTheRightSoExtraCommasGoToTheDelay) {
    // The label is what follows the last comma; leading fields fold into the low delay byte.
    const auto a = parseActionLine("7,8,9,1,0,138,4,1,keyboard_key_A");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->kind, 138);
    EXPECT_EQ(a->code, 4);
    EXPECT_EQ(a->delay & 0xFF, 7);  // "7,8,9,1" reads as 7
    EXPECT_EQ(a->delay >> 8, 0);
    EXPECT_EQ(a->label, "keyboard_key_A");
}

TEST(ActionLine, NeedsFiveCommas) {
    EXPECT_FALSE(parseActionLine("0"));
    EXPECT_FALSE(parseActionLine("0,0,129,1,mouse_key_left"));
    EXPECT_FALSE(parseActionLine(""));
    const auto bare = parseActionLine(",,,,,");
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->label, "");
    EXPECT_EQ(bare->kind, 0);
}

TEST(ActionLine, LabelCommasAreLeftOutSoTheLineReadsBack) {
    const MacroAction a = makeAction(5, 0x84, 30, "bad,label\nx");
    const auto back = parseActionLine(formatActionLine(a));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->label, "badlabelx");
    EXPECT_EQ(back->code, 30);
}

TEST(ActionLine, RoundTripsEveryKindAndDelay) {
    for (int kind : {0x01, 0x81, 0x04, 0x84, 0x05, 0x85, 0x09, 0x89, 0x0A, 0x8A}) {
        for (int delay : {0, 1, 255, 256, 65535}) {
            const MacroAction a = makeAction(static_cast<std::uint16_t>(delay),
                                             static_cast<std::uint8_t>(kind), 0x2C, "l");
            EXPECT_EQ(parseActionLine(formatActionLine(a)), a);
        }
    }
}

TEST(ActionKinds, SplitMouseAndKeyboardAtNine) {
    EXPECT_TRUE(makeAction(0, 0x85, 1, "").isMouse());
    EXPECT_TRUE(makeAction(0, 0x85, 1, "").isMove());
    EXPECT_FALSE(makeAction(0, 0x89, 1, "").isMouse());
    EXPECT_FALSE(makeAction(0, 0x0A, 4, "").isMouse());
}

TEST(ActionBytesOnDevice, AreDelayLowHighKindCode) {
    const ActionBytes b = actionBytes(makeAction(0x1234, 0x8A, 0x04, "x"));
    EXPECT_EQ(b.bytes[0], 0x34);
    EXPECT_EQ(b.bytes[1], 0x12);
    EXPECT_EQ(b.bytes[2], 0x8A);
    EXPECT_EQ(b.bytes[3], 0x04);
}

TEST(DeviceActionLabels, NameButtonsMovesModifiersAndKeys) {
    EXPECT_EQ(labelForDeviceAction(0x81, 0x01), "mouse_key_left");
    EXPECT_EQ(labelForDeviceAction(0x01, 0x10), "mouse_key_forward");
    EXPECT_EQ(labelForDeviceAction(0x01, 0x08), "mouse_key_back");
    EXPECT_EQ(labelForDeviceAction(0x01, 0x03), "");
    EXPECT_EQ(labelForDeviceAction(0x84, 9), "mouse_move_to_left_text");
    EXPECT_EQ(labelForDeviceAction(0x04, 9), "mouse_move_to_right_text");
    EXPECT_EQ(labelForDeviceAction(0x85, 9), "mouse_move_to_up_text");
    EXPECT_EQ(labelForDeviceAction(0x05, 9), "mouse_move_to_down_text");
    EXPECT_EQ(labelForDeviceAction(0x89, 0x02), "keyboard_key_LShift");
    EXPECT_EQ(labelForDeviceAction(0x0A, 0x04), "keyboard_key_A");
    EXPECT_EQ(labelForDeviceAction(0x8A, 0x58), "keyboard_key_Num Enter");
    EXPECT_EQ(labelForDeviceAction(0x03, 0x01), "");  // kind 3 has no label
    EXPECT_EQ(labelForDeviceAction(0x0A, 0x32), "");  // usage in no row
}

TEST(MacroKeyRowTable, HoldsTheHundredAndFourKeyboardRows) {
    const auto rows = macroKeyRows();
    ASSERT_EQ(rows.size(), 104u);
    EXPECT_EQ(rows[0].textId, "keyboard_key_LCtrl");
    EXPECT_EQ(rows[8].usage, 0x04);
    EXPECT_EQ(rows[43].textId, "keyboard_key_0");
    EXPECT_EQ(rows[60].vk, 20);
    EXPECT_EQ(rows[101].textId, "keyboard_key_Num 0");
    EXPECT_EQ(rows[103].usage, 0x65);
    EXPECT_EQ(macroKeyRowForVk(kVkKeypadEnter), 91);
    EXPECT_EQ(macroKeyRowForVk(183), std::nullopt);  // a consumer key is not a macro key
}

}  // namespace
}  // namespace quillon::keys
