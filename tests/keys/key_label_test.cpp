// labelFor: the eleven rules, for both device kinds.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "keys/KeyLabel.h"

namespace quillon::keys {
namespace {

constexpr DeviceKind kMouse = DeviceKind::Mouse;
constexpr DeviceKind kKeyboard = DeviceKind::Keyboard;

struct FakeMacros {
    std::vector<std::string> names;
    int countReads = 0;
    std::vector<int> nameReads;
    MacroNames view() {
        return {[this] {
                    ++countReads;
                    return static_cast<int>(names.size());
                },
                [this](int i) {
                    nameReads.push_back(i);
                    return names.at(static_cast<std::size_t>(i));
                }};
    }
};

std::optional<KeyLabel> id(const char* text) {
    return KeyLabel{text, false};
}

std::optional<KeyLabel> label(DeviceKind kind, KeyFunction f) {
    return labelFor(kind, f, MacroNames{});
}

TEST(LabelFor, KeysTakeTheShortcutNameOverTheKeyName) {  // rule 1
    EXPECT_EQ(label(kMouse, {0x20, 0x01, 0x06}), id("combo_copy"));
    EXPECT_EQ(label(kMouse, {0x20, 0x00, 0x06}), id("keyboard_key_C"));
    EXPECT_EQ(label(kKeyboard, {0x00, 0x00, 0x06}), id("keyboard_key_C"));  // type 0 as a key
    EXPECT_EQ(label(kMouse, {0x20, 0x00, 0x32}), std::nullopt);
    EXPECT_EQ(label(kMouse, {0x20, 0x01, 0x00}), id("keyboard_key_LCtrl"));
    EXPECT_EQ(label(kMouse, {0x20, 0x02, 0x06}), std::nullopt);  // Shift+C is in no table
    // All 125 rows are searched, consumer rows too.
    EXPECT_EQ(label(kKeyboard, {0x20, 0x92, 0x01}), id("keyboard_key_Launch App2"));
}

TEST(LabelFor, MouseButtonsCompareTheButtonBitOnly) {  // rule 2
    EXPECT_EQ(label(kMouse, {0x10, 0x01, 0x00}), id("mouse_key_left"));
    EXPECT_EQ(label(kMouse, {0x10, 0x08, 0x55}), id("mouse_key_back"));
    EXPECT_EQ(label(kKeyboard, {0x10, 0x10, 0}), id("mouse_key_forward"));
    EXPECT_EQ(label(kMouse, {0x10, 0x03, 0}), std::nullopt);
}

TEST(LabelFor, SwingsByTheirDirectionBit) {  // rule 3
    EXPECT_EQ(label(kMouse, {0x11, 0x37, 0x05}), id("mouse_key_left_Swing"));
    EXPECT_EQ(label(kMouse, {0x11, 0x37, 0x85}), id("mouse_key_right_Swing"));
    EXPECT_EQ(label(kMouse, {0x12, 0x00, 0x7F}), id("mouse_key_up_Swing"));
    EXPECT_EQ(label(kKeyboard, {0x12, 0x00, 0x80}), id("mouse_key_down_Swing"));
}

TEST(LabelFor, DpiAndFire) {  // rules 4 and 5
    EXPECT_EQ(label(kMouse, {0x13, 1, 9}), id("mouse_key_DPI_add"));
    EXPECT_EQ(label(kMouse, {0x13, 2, 0}), id("mouse_key_DPI_sub"));
    EXPECT_EQ(label(kMouse, {0x13, 3, 0}), id("mouse_key_DPI_loop"));
    EXPECT_EQ(label(kMouse, {0x13, 4, 0}), std::nullopt);
    EXPECT_EQ(label(kKeyboard, {0x14, 200, 7}), id("mouse_key_fire_key"));
}

TEST(LabelFor, ConsumerInBothFormsAndSystemKeys) {  // rules 6 and 7
    EXPECT_EQ(label(kMouse, {0x30, 0x83, 0x01}), id("media_text"));
    EXPECT_EQ(label(kMouse, {0x21, 0x83, 0x01}), id("media_text"));
    EXPECT_EQ(label(kKeyboard, {0x30, 0x8A, 0x01}), id("media_mail"));
    EXPECT_EQ(label(kMouse, {0x30, 0x83, 0x02}), std::nullopt);
    EXPECT_EQ(label(kMouse, {0x40, 0x04, 0}), id("system_wake_up"));
    EXPECT_EQ(label(kMouse, {0x40, 0x03, 0}), std::nullopt);
}

TEST(LabelFor, MacrosByNameOnlyBelowTheCount) {  // rule 8
    FakeMacros macros;
    macros.names = {"one", "two", "three", "four", "fünf"};
    EXPECT_EQ(labelFor(kKeyboard, {0x70, 3, 1}, macros.view()), (KeyLabel{"four", true}));
    EXPECT_EQ(labelFor(kMouse, {0x71, 4, 9}, macros.view()), (KeyLabel{"fünf", true}));
    EXPECT_EQ(labelFor(kMouse, {0x70, 5, 1}, macros.view()), std::nullopt);
    EXPECT_EQ(macros.countReads, 3);
    EXPECT_EQ(macros.nameReads, (std::vector<int>{3, 4}));  // never a name at or past the count
    EXPECT_EQ(labelFor(kMouse, {0x70, 0, 0}, MacroNames{}), std::nullopt);
}

TEST(LabelFor, CursorSequencesOnTheMouseOnly) {  // rule 9
    EXPECT_EQ(label(kMouse, {0x72, 0, 0}), id("GUN_1"));
    EXPECT_EQ(label(kMouse, {0x72, 2, 0}), id("GUN_3"));
    EXPECT_EQ(label(kMouse, {0x72, 3, 0}), id("GUN_4"));
    EXPECT_EQ(label(kMouse, {0x72, 4, 0}), std::nullopt);  // names no sequence: label stays
    EXPECT_EQ(label(kKeyboard, {0x72, 2, 0}), (KeyLabel{"关闭", true}));
}

TEST(LabelFor, DeviceFunctionsKeepTheLabel) {  // rule 10
    for (std::uint8_t type : {0x15, 0x50, 0x60, 0xA0, 0xB0, 0xC0}) {
        EXPECT_EQ(label(kMouse, {type, 2, 2}), std::nullopt) << int(type);
        EXPECT_EQ(label(kKeyboard, {type, 2, 2}), std::nullopt) << int(type);
    }
}

TEST(LabelFor, AnythingElseIsOff) {  // rule 11
    for (std::uint8_t type : {0x05, 0x16, 0x22, 0x41, 0x73, 0xFF}) {
        EXPECT_EQ(label(kMouse, {type, 0, 0}), id("close_text")) << int(type);
        EXPECT_EQ(label(kKeyboard, {type, 0, 0}), (KeyLabel{"关闭", true})) << int(type);
    }
}

TEST(IsMacro, BothMacroTypesOnly) {
    EXPECT_TRUE(isMacro({0x70, 0, 0}));
    EXPECT_TRUE(isMacro({0x71, 0, 0}));
    EXPECT_FALSE(isMacro({0x72, 0, 0}));
    EXPECT_FALSE(isMacro({0x20, 0x70, 0x71}));
}

}  // namespace
}  // namespace quillon::keys
