// Categories, parameter encodings, number edits, the keyboard layout and its position map, and
// the factory tables a device starts with.

#include <gtest/gtest.h>

#include <vector>

#include "device/DeviceModel.h"
#include "keys/KeyCategories.h"
#include "keys/KeyEncoding.h"
#include "keys/KeyboardLayout.h"

namespace quillon::keys {
namespace {

constexpr DeviceKind kMouse = DeviceKind::Mouse;
constexpr DeviceKind kKeyboard = DeviceKind::Keyboard;

TEST(Categories, ItemsProduceTheirTypes) {
    const std::vector<int> mouse = {0,    0x10, 0x11, 0x12, 0x13, 0x14,
                                    0x20, 0x30, 0x40, 0x70, 0x72, 0x20};
    const std::vector<int> keyboard = {0,    0x20, 0x10, 0x11, 0x12, 0x13,
                                       0x14, 0x30, 0x40, 0x70, 0x20};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(categoryType(kMouse, i), mouse[static_cast<std::size_t>(i)]) << i;
    }
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(categoryType(kKeyboard, i), keyboard[static_cast<std::size_t>(i)]) << i;
    }
    EXPECT_FALSE(categoryType(kMouse, 12).has_value());
    EXPECT_FALSE(categoryType(kKeyboard, 11).has_value());
    EXPECT_FALSE(categoryType(kMouse, -1).has_value());
}

TEST(Categories, FunctionsReadBackShowInTheirItem) {
    const KeyFunction factory{0x10, 0x01, 0};
    EXPECT_EQ(categoryItem(kMouse, factory, factory), 0);
    EXPECT_EQ(categoryItem(kMouse, {0x10, 0x02, 0}, factory), 1);
    EXPECT_EQ(categoryItem(kKeyboard, {0x10, 0x02, 0}, {}), 2);
    EXPECT_EQ(categoryItem(kMouse, {0x20, 0x01, 0x06}, factory), 11);
    EXPECT_EQ(categoryItem(kMouse, {0x20, 0x00, 0x06}, factory), 6);
    EXPECT_EQ(categoryItem(kMouse, {0x20, 0x02, 0x00}, factory), 6);
    EXPECT_EQ(categoryItem(kKeyboard, {0x20, 0x01, 0x06}, {}), 10);
    EXPECT_EQ(categoryItem(kKeyboard, {0x20, 0x00, 0x06}, {}), 1);
    EXPECT_EQ(categoryItem(kKeyboard, {0x14, 1, 2}, {}), 6);
    EXPECT_EQ(categoryItem(kMouse, {0x14, 1, 2}, factory), 5);
    EXPECT_EQ(categoryItem(kMouse, {0x71, 1, 2}, factory), 9);
    EXPECT_EQ(categoryItem(kMouse, {0x72, 1, 0}, factory), 10);
    EXPECT_FALSE(categoryItem(kKeyboard, {0x72, 1, 0}, {}).has_value());
    EXPECT_FALSE(categoryItem(kMouse, {0xB0, 1, 0}, factory).has_value());
    EXPECT_FALSE(categoryItem(kMouse, {0x21, 0x83, 0x01}, factory).has_value());
    // A device function equal to the factory entry is category 0 whatever its type.
    EXPECT_EQ(categoryItem(kKeyboard, {0xA0, 2, 2}, {0xA0, 2, 2}), 0);
}

TEST(Swing, EncodesNibblesAmountAndDirection) {
    EXPECT_EQ(encodeSwing(0x11, {3, 7, 5, true}), (KeyFunction{0x11, 0x37, 0x85}));
    EXPECT_EQ(encodeSwing(0x11, {15, 15, 127, true}), (KeyFunction{0x11, 0xFF, 0xFF}));
    EXPECT_EQ(encodeSwing(0x12, {0, 1, 0, false}), (KeyFunction{0x12, 0x01, 0x00}));
    EXPECT_EQ(decodeSwing({0x11, 0x37, 0x85}), (Swing{3, 7, 5, true}));
    EXPECT_EQ(decodeSwing({0x12, 0xA0, 0x7F}), (Swing{10, 0, 127, false}));
    for (int p2 = 0; p2 < 256; p2 += 7) {
        const KeyFunction f{0x12, 0x5C, static_cast<std::uint8_t>(p2)};
        EXPECT_EQ(encodeSwing(0x12, decodeSwing(f)), f);
    }
}

TEST(Macro, ModeItemsPlayAndTheFifthRepeats) {
    EXPECT_EQ(encodeMacro(3, 0, 9), (KeyFunction{0x70, 3, 0}));
    EXPECT_EQ(encodeMacro(3, 3, 9), (KeyFunction{0x70, 3, 3}));
    EXPECT_EQ(encodeMacro(7, 4, 200), (KeyFunction{0x71, 7, 200}));
}

TEST(NumberEdits, ReadDecimalLikeTheDevicesToolAndClamp) {
    EXPECT_EQ(readNumber("42"), 42);
    EXPECT_EQ(readNumber("  12abc"), 12);
    EXPECT_EQ(readNumber("abc"), 0);
    EXPECT_EQ(readNumber(""), 0);
    EXPECT_EQ(readNumber("-7"), -7);
    EXPECT_GT(readNumber("99999999999999999999999"), 255);
    const EditLimit fire{0, 255};
    EXPECT_EQ(clampNumber("300", fire).value, 255);
    EXPECT_TRUE(clampNumber("300", fire).corrected);
    EXPECT_FALSE(clampNumber("255", fire).corrected);
    EXPECT_EQ(clampNumber("x", fire).value, 0);
    EXPECT_FALSE(clampNumber("x", fire).corrected);
    // Negative numbers are never stored as 8-bit wraps.
    EXPECT_EQ(clampNumber("-1", fire).value, 0);
    EXPECT_TRUE(clampNumber("-1", fire).corrected);
    const EditLimit mouseRepeat{1, 255};
    EXPECT_EQ(clampNumber("0", mouseRepeat).value, 1);
    EXPECT_EQ(clampNumber("-5", mouseRepeat).value, 1);
    EXPECT_EQ(clampNumber("16", EditLimit{0, 15}).value, 15);
    EXPECT_EQ(clampNumber("128", EditLimit{0, 127}).value, 127);
}

TEST(KeyboardLayout, RowsHoldTheExpectedKeys) {
    EXPECT_EQ(layoutFunction(0), (KeyFunction{0x20, 0, 0x29}));   // Esc
    EXPECT_EQ(layoutFunction(15), (KeyFunction{0x20, 0, 0x48}));  // Pause
    EXPECT_EQ(layoutFunction(16), (KeyFunction{0x20, 0, 0}));     // empty
    EXPECT_EQ(layoutFunction(21), (KeyFunction{0x20, 0, 0x35}));  // grave
    EXPECT_EQ(layoutFunction(41), (KeyFunction{0x20, 0, 0x56}));  // keypad -
    EXPECT_EQ(layoutFunction(43), (KeyFunction{0x20, 0, 0x14}));  // Q
    EXPECT_EQ(layoutFunction(62), (KeyFunction{0x20, 0, 0}));
    EXPECT_EQ(layoutFunction(75), (KeyFunction{0x20, 0, 0x28}));   // Enter
    EXPECT_EQ(layoutFunction(84), (KeyFunction{0x20, 0x02, 0}));   // left Shift
    EXPECT_EQ(layoutFunction(95), (KeyFunction{0x20, 0x20, 0}));   // right Shift
    EXPECT_EQ(layoutFunction(102), (KeyFunction{0x20, 0, 0x64}));  // non-US backslash
    EXPECT_EQ(layoutFunction(110), (KeyFunction{0xA0, 0x02, 0x02}));
    EXPECT_EQ(layoutFunction(118), (KeyFunction{0x20, 0, 0x58}));  // keypad Enter
    EXPECT_EQ(layoutFunction(125), (KeyFunction{0x20, 0x80, 0}));  // right GUI
    int keys = 0;
    for (int u = 0; u < kLayoutPositions; ++u) {
        keys += layoutFunction(u) != KeyFunction{0x20, 0, 0};
    }
    EXPECT_EQ(keys, 106);  // 104 keys, the non-US backslash and the device key at 110
}

TEST(KeyPositionMap, FirstMatchingDeviceKeyPerPosition) {
    KeyTableBytes factory{};
    factory.fill(0x05);
    setKeyAt(factory, 7, {0x20, 0, 0x29});  // Esc at device key 7
    setKeyAt(factory, 9, {0x20, 0, 0x29});  // and again: the first wins
    setKeyAt(factory, 3, {0xA0, 0x02, 0x02});
    KeyPositionMap map;
    EXPECT_FALSE(map.keyAt(0).has_value());
    map.rebuild(factory, 10);
    EXPECT_EQ(map.keyAt(0), 7);
    EXPECT_EQ(map.keyAt(110), 3);
    EXPECT_FALSE(map.keyAt(16).has_value());  // no device key is empty
    EXPECT_EQ(map.positionOf(7), 0);
    EXPECT_FALSE(map.positionOf(9).has_value());
    // An empty key makes every empty position point at it.
    setKeyAt(factory, 2, {0x20, 0, 0});
    map.rebuild(factory, 10);
    EXPECT_EQ(map.keyAt(16), 2);
    EXPECT_EQ(map.keyAt(62), 2);
    // Keys beyond the reported count do not count; positions without a match keep their value.
    KeyTableBytes other{};
    other.fill(0x05);
    setKeyAt(other, 20, {0x20, 0, 0x29});
    map.rebuild(other, 20);
    EXPECT_EQ(map.keyAt(0), 7);
    map.rebuild(other, 9999);  // a count larger than the table is cut to it
    EXPECT_EQ(map.keyAt(0), 20);
    EXPECT_FALSE(map.keyAt(126).has_value());
    EXPECT_FALSE(map.keyAt(-1).has_value());
}

TEST(KeyPositionMap, KeyNumber126IsARealKey) {
    KeyTableBytes factory{};
    factory.fill(0x05);
    setKeyAt(factory, 126, {0x20, 0, 0x29});
    KeyPositionMap map;
    map.rebuild(factory, 170);
    EXPECT_EQ(map.keyAt(0), 126);
}

TEST(FactoryTables, BeforeADeviceIsRead) {
    DeviceModel model;
    const KeyTableBytes& mouse = model.memory(DeviceKind::Mouse).factoryKeyTable;
    const std::vector<KeyFunction> buttons = {{0x10, 0x01, 0}, {0x10, 0x04, 0}, {0x10, 0x02, 0},
                                              {0x10, 0x10, 0}, {0x10, 0x08, 0}, {0x13, 0x03, 0}};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(keyAt(mouse, k), buttons[static_cast<std::size_t>(k)]) << k;
    }
    for (std::size_t i = 18; i < 510; ++i) {
        ASSERT_EQ(mouse[i], 0x05) << i;
    }
    EXPECT_EQ(mouse[510], 0);
    EXPECT_EQ(mouse[511], 0);
    const KeyTableBytes& keyboard = model.memory(DeviceKind::Keyboard).factoryKeyTable;
    for (std::size_t i = 0; i < 510; ++i) {
        ASSERT_EQ(keyboard[i], 0x05) << i;
    }
    EXPECT_EQ(keyboard[511], 0);
}

TEST(KeyTable, KeysOutsideTheTableAreNeitherReadNorWritten) {
    KeyTableBytes table{};
    EXPECT_TRUE(setKeyAt(table, 169, {1, 2, 3}));
    EXPECT_EQ(table[507], 1);
    EXPECT_EQ(table[509], 3);
    EXPECT_FALSE(setKeyAt(table, 170, {1, 2, 3}));
    EXPECT_FALSE(setKeyAt(table, -1, {1, 2, 3}));
    EXPECT_EQ(table[510], 0);
    EXPECT_EQ(keyAt(table, 170), KeyFunction{});
}

}  // namespace
}  // namespace quillon::keys
