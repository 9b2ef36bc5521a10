// The Linux key code to virtual-key table: every key of a 105-key (ISO) keyboard, the flags
// Windows gives them, and agreement with the virtual keys the key function table can assign.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

#include "toolkit/VirtualKeys.h"

namespace quillon::toolkit {
namespace {

struct Key {
    const char* name;
    std::uint32_t evdev;
    std::uint32_t vk;
    bool extended;
};

// The 105 keys, row by row as they sit on the keyboard, with the code and flag a Windows
// low-level keyboard event reports for each.
const Key k105[] = {
    // Function row.
    {"Esc", 1, 0x1B, false},
    {"F1", 59, 0x70, false},
    {"F2", 60, 0x71, false},
    {"F3", 61, 0x72, false},
    {"F4", 62, 0x73, false},
    {"F5", 63, 0x74, false},
    {"F6", 64, 0x75, false},
    {"F7", 65, 0x76, false},
    {"F8", 66, 0x77, false},
    {"F9", 67, 0x78, false},
    {"F10", 68, 0x79, false},
    {"F11", 87, 0x7A, false},
    {"F12", 88, 0x7B, false},
    {"PrintScreen", 99, 0x2C, true},
    {"ScrollLock", 70, 0x91, false},
    {"Pause", 119, 0x13, false},
    // Number row.
    {"`", 41, 0xC0, false},
    {"1", 2, 0x31, false},
    {"2", 3, 0x32, false},
    {"3", 4, 0x33, false},
    {"4", 5, 0x34, false},
    {"5", 6, 0x35, false},
    {"6", 7, 0x36, false},
    {"7", 8, 0x37, false},
    {"8", 9, 0x38, false},
    {"9", 10, 0x39, false},
    {"0", 11, 0x30, false},
    {"-", 12, 0xBD, false},
    {"=", 13, 0xBB, false},
    {"Backspace", 14, 0x08, false},
    // Top letter row.
    {"Tab", 15, 0x09, false},
    {"Q", 16, 'Q', false},
    {"W", 17, 'W', false},
    {"E", 18, 'E', false},
    {"R", 19, 'R', false},
    {"T", 20, 'T', false},
    {"Y", 21, 'Y', false},
    {"U", 22, 'U', false},
    {"I", 23, 'I', false},
    {"O", 24, 'O', false},
    {"P", 25, 'P', false},
    {"[", 26, 0xDB, false},
    {"]", 27, 0xDD, false},
    {"Enter", 28, 0x0D, false},
    // Home row.
    {"CapsLock", 58, 0x14, false},
    {"A", 30, 'A', false},
    {"S", 31, 'S', false},
    {"D", 32, 'D', false},
    {"F", 33, 'F', false},
    {"G", 34, 'G', false},
    {"H", 35, 'H', false},
    {"J", 36, 'J', false},
    {"K", 37, 'K', false},
    {"L", 38, 'L', false},
    {";", 39, 0xBA, false},
    {"'", 40, 0xDE, false},
    {"#", 43, 0xDC, false},
    // Bottom letter row.
    {"LShift", 42, 0xA0, false},
    {"ISO \\", 86, 0xE2, false},
    {"Z", 44, 'Z', false},
    {"X", 45, 'X', false},
    {"C", 46, 'C', false},
    {"V", 47, 'V', false},
    {"B", 48, 'B', false},
    {"N", 49, 'N', false},
    {"M", 50, 'M', false},
    {",", 51, 0xBC, false},
    {".", 52, 0xBE, false},
    {"/", 53, 0xBF, false},
    {"RShift", 54, 0xA1, false},
    // Space row.
    {"LCtrl", 29, 0xA2, false},
    {"LWin", 125, 0x5B, true},
    {"LAlt", 56, 0xA4, false},
    {"Space", 57, 0x20, false},
    {"RAlt", 100, 0xA5, true},
    {"RWin", 126, 0x5C, true},
    {"Menu", 127, 0x5D, true},
    {"RCtrl", 97, 0xA3, true},
    // Navigation block and arrows.
    {"Insert", 110, 0x2D, true},
    {"Home", 102, 0x24, true},
    {"PageUp", 104, 0x21, true},
    {"Delete", 111, 0x2E, true},
    {"End", 107, 0x23, true},
    {"PageDown", 109, 0x22, true},
    {"Up", 103, 0x26, true},
    {"Left", 105, 0x25, true},
    {"Down", 108, 0x28, true},
    {"Right", 106, 0x27, true},
    // Keypad.
    {"NumLock", 69, 0x90, true},
    {"Num /", 98, 0x6F, true},
    {"Num *", 55, 0x6A, false},
    {"Num -", 74, 0x6D, false},
    {"Num 7", 71, 0x67, false},
    {"Num 8", 72, 0x68, false},
    {"Num 9", 73, 0x69, false},
    {"Num +", 78, 0x6B, false},
    {"Num 4", 75, 0x64, false},
    {"Num 5", 76, 0x65, false},
    {"Num 6", 77, 0x66, false},
    {"Num 1", 79, 0x61, false},
    {"Num 2", 80, 0x62, false},
    {"Num 3", 81, 0x63, false},
    {"Num Enter", 96, 0x0D, true},
    {"Num 0", 82, 0x60, false},
    {"Num .", 83, 0x6E, false},
};

// The virtual keys of the keyboard rows of the key function table (rows 0..103); 257 is how that
// table writes keypad Enter (13 with the extended flag).
const std::set<std::uint32_t> kAssignable = {
    162, 160, 164, 91,  163, 161, 165, 92,  65,  66,  67,  68,  69,  70,  71,  72,  73,  74,
    75,  76,  77,  78,  79,  80,  81,  82,  83,  84,  85,  86,  87,  88,  89,  90,  49,  50,
    51,  52,  53,  54,  55,  56,  57,  48,  13,  27,  8,   9,   32,  189, 187, 219, 221, 220,
    186, 222, 192, 188, 190, 191, 20,  112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122,
    123, 44,  145, 19,  45,  36,  33,  46,  35,  34,  39,  37,  40,  38,  144, 111, 106, 109,
    107, 257, 97,  98,  99,  100, 101, 102, 103, 104, 105, 96,  110, 93};

TEST(VirtualKeys, EveryKeyOfA105KeyKeyboardHasItsWindowsCodeAndFlag) {
    ASSERT_EQ(std::size(k105), 105u);
    for (const Key& key : k105) {
        SCOPED_TRACE(key.name);
        const std::optional<VirtualKey> vk = virtualKeyFromEvdev(key.evdev);
        ASSERT_TRUE(vk.has_value());
        EXPECT_EQ(vk->vk, key.vk);
        EXPECT_EQ(vk->extended, key.extended);
    }
}

TEST(VirtualKeys, NoTwoKeysOfTheKeyboardLookAlike) {
    std::set<std::uint32_t> codes;
    std::set<std::pair<std::uint32_t, bool>> reported;
    for (const Key& key : k105) {
        codes.insert(key.evdev);
        const auto vk = virtualKeyFromEvdev(key.evdev);
        ASSERT_TRUE(vk.has_value()) << key.name;
        EXPECT_TRUE(reported.insert({vk->vk, vk->extended}).second) << key.name;
    }
    EXPECT_EQ(codes.size(), 105u);
}

TEST(VirtualKeys, EveryKeyButTheIsoExtraKeyCanBeAssignedFromTheKeyFunctionTable) {
    for (const Key& key : k105) {
        const auto vk = virtualKeyFromEvdev(key.evdev);
        ASSERT_TRUE(vk.has_value()) << key.name;
        const std::uint32_t code = vk->vk == 13 && vk->extended ? 257 : vk->vk;
        if (key.evdev == 86) {
            EXPECT_EQ(kAssignable.count(code), 0u);  // the device tables have no usage for it
        } else {
            EXPECT_EQ(kAssignable.count(code), 1u) << key.name;
        }
    }
}

TEST(VirtualKeys, KeyEventsCarryTheUpAndExtendedFlagsAndTheSystemCode) {
    const auto down = keyEventFromEvdev(96, true, 1234);
    ASSERT_TRUE(down.has_value());
    EXPECT_EQ(down->vk, 13u);
    EXPECT_EQ(down->flags, kKeyFlagExtended);
    EXPECT_EQ(down->scanCode, 96u);
    EXPECT_EQ(down->time, 1234u);
    EXPECT_TRUE(down->down());

    const auto up = keyEventFromEvdev(96, false, 1300);
    ASSERT_TRUE(up.has_value());
    EXPECT_EQ(up->flags, kKeyFlagExtended | kKeyFlagUp);
    EXPECT_FALSE(up->down());

    const auto enter = keyEventFromEvdev(28, false, 0);
    ASSERT_TRUE(enter.has_value());
    EXPECT_EQ(enter->flags, kKeyFlagUp);
}

TEST(VirtualKeys, MediaKeysAreKnownAndCodesWithoutAKeyAreNot) {
    EXPECT_EQ(virtualKeyFromEvdev(115)->vk, 0xAFu);  // volume up
    EXPECT_EQ(virtualKeyFromEvdev(113)->vk, 0xADu);  // mute
    EXPECT_EQ(virtualKeyFromEvdev(164)->vk, 0xB3u);  // play/pause
    EXPECT_EQ(virtualKeyFromEvdev(140)->vk, 0xB7u);  // calculator
    EXPECT_TRUE(virtualKeyFromEvdev(115)->extended);
    EXPECT_EQ(virtualKeyFromEvdev(183)->vk, 0x7Cu);  // F13
    for (std::uint32_t none : {0u, 84u, 116u, 143u, 0x110u, 0x2FFu, 0xFFFFFFFFu}) {
        EXPECT_FALSE(virtualKeyFromEvdev(none).has_value()) << none;
        EXPECT_FALSE(keyEventFromEvdev(none, true, 0).has_value()) << none;
    }
}

TEST(CaptureMessages, EachModeHasItsKeyMessageAndOnlyRecordingHasMouseMessages) {
    const std::pair<CaptureMode, std::uint32_t> keys[] = {{CaptureMode::KeyboardSingleKey, 0x801},
                                                          {CaptureMode::KeyboardHitKey, 0x802},
                                                          {CaptureMode::KeyboardMacro, 0x803},
                                                          {CaptureMode::MouseSingleKey, 0x810},
                                                          {CaptureMode::MouseHitKey, 0x811},
                                                          {CaptureMode::MouseMacro, 0x812},
                                                          {CaptureMode::None, 0}};
    for (const auto& [mode, message] : keys) {
        EXPECT_EQ(keyMessageFor(mode), message);
    }
    EXPECT_EQ(mouseMessageFor(CaptureMode::KeyboardMacro), 0x804u);
    EXPECT_EQ(mouseMessageFor(CaptureMode::MouseMacro), 0x813u);
    for (CaptureMode mode :
         {CaptureMode::None, CaptureMode::KeyboardSingleKey, CaptureMode::KeyboardHitKey,
          CaptureMode::MouseSingleKey, CaptureMode::MouseHitKey}) {
        EXPECT_EQ(mouseMessageFor(mode), 0u);
    }
    EXPECT_EQ(mouseCode(MouseButton::Left, true), 0x201u);
    EXPECT_EQ(mouseCode(MouseButton::Left, false), 0x202u);
    EXPECT_EQ(mouseCode(MouseButton::Right, true), 0x204u);
    EXPECT_EQ(mouseCode(MouseButton::Right, false), 0x205u);
    EXPECT_EQ(mouseCode(MouseButton::Middle, true), 0x207u);
    EXPECT_EQ(mouseCode(MouseButton::Middle, false), 0x208u);
}

TEST(CaptureMessages, OnlyTheThreeLockKeysPassOn) {
    int passing = 0;
    for (std::uint32_t vk = 0; vk < 0x200; ++vk) {
        passing += passesOn(vk) ? 1 : 0;
    }
    EXPECT_EQ(passing, 3);
    EXPECT_TRUE(passesOn(0x14));
    EXPECT_TRUE(passesOn(0x90));
    EXPECT_TRUE(passesOn(0x91));
    EXPECT_FALSE(keyEventOf(messageOf(0x801, kKeyDown, 13)).has_value());
}

}  // namespace
}  // namespace quillon::toolkit
