#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "platform/sim/SimCursorImage.h"
#include "platform/sim/SimKeyTables.h"
#include "platform/sim/SimKeyboardLayout.h"
#include "platform/sim/SimMemory.h"

namespace quillon {
namespace {

std::vector<std::uint8_t> all(const SimMemory& memory, SimRegion region) {
    std::vector<std::uint8_t> bytes(memory.size(region));
    EXPECT_TRUE(memory.read(region, 0, bytes));
    return bytes;
}

unsigned le16(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8;
}

SimKeyFunction keyAt(const std::vector<std::uint8_t>& table, std::size_t key) {
    return {table[3 * key], table[3 * key + 1], table[3 * key + 2]};
}

TEST(SimDeviceInfo, MouseDescribesA3360SensorFrom100To12000Dpi) {
    const auto info = all(SimMemory(SimKind::Mouse), SimRegion::Info);
    ASSERT_EQ(info.size(), 33u);
    EXPECT_EQ(le16(info, 9), 0x3360u);
    const unsigned step = info[11], stageMax = info[12], base = le16(info, 13);
    EXPECT_EQ(base, 100u);
    EXPECT_EQ(base + step * stageMax, 12000u);
    EXPECT_GT(info[6], 0) << "room for macros";
}

TEST(SimDeviceInfo, KeyboardCountsTheKeysOfItsLayout) {
    const auto info = all(SimMemory(SimKind::Keyboard), SimRegion::Info);
    int keys = 0;
    for (const SimKeyFunction& f : simKeyboardLayout()) {
        keys += isEmptyLayoutPosition(f) ? 0 : 1;
    }
    EXPECT_EQ(keys, 106);
    EXPECT_EQ(info[5], keys);
    EXPECT_LE(3 * info[5], 512) << "the host refuses tables above 512 bytes";
    EXPECT_GT(info[6], 0);
}

TEST(SimDeviceInfo, MousepadHasNoKeysAndNoMacroMemory) {
    const SimMemory pad(SimKind::Mousepad);
    const auto info = all(pad, SimRegion::Info);
    EXPECT_EQ(info[5], 0);
    EXPECT_EQ(info[6], 0);
    for (SimRegion region :
         {SimRegion::KeyTable, SimRegion::Pages, SimRegion::Macro, SimRegion::Cursor}) {
        EXPECT_FALSE(pad.hasRegion(region));
        EXPECT_EQ(pad.size(region), 0u);
    }
}

TEST(SimSettingsDefaults, EveryRecordNamesItsProfileAndProfileZeroIsActive) {
    for (SimKind kind : kAllSimKinds) {
        const auto area = all(SimMemory(kind), SimRegion::Settings);
        ASSERT_EQ(area.size(), 320u);
        for (std::size_t p = 0; p < 5; ++p) {
            EXPECT_EQ(area[p * 64], p) << simKindName(kind);
        }
    }
}

TEST(SimSettingsDefaults, LightingAndDpiValuesStayInTheirRanges) {
    const int maxMode[] = {16, 6, 9};  // keyboard, mouse, mousepad
    for (SimKind kind : kAllSimKinds) {
        const auto area = all(SimMemory(kind), SimRegion::Settings);
        for (std::size_t p = 0; p < 5; ++p) {
            const std::uint8_t* r = area.data() + p * 64;
            EXPECT_LE(r[1], maxMode[simKindIndex(kind)]) << simKindName(kind) << " " << p;
            EXPECT_LE(r[2], 4);
            EXPECT_LE(r[3], 4);
            EXPECT_LE(r[4], 1);
            EXPECT_LE(r[5], 1);
        }
    }
    const SimMemory mouse(SimKind::Mouse);
    const auto area = all(mouse, SimRegion::Settings);
    const std::uint8_t stageMax = all(mouse, SimRegion::Info)[12];
    std::set<std::vector<std::uint8_t>> distinct;
    for (std::size_t p = 0; p < 5; ++p) {
        const std::uint8_t* r = area.data() + p * 64;
        for (std::size_t level : {15, 16, 17, 18, 20}) {
            EXPECT_LE(r[level], stageMax) << "profile " << p << " byte " << level;
        }
        EXPECT_LE(r[19], 4) << "active DPI stage";
        EXPECT_LE(r[14], 3) << "report rate index";
        distinct.insert({r + 1, r + 38});
    }
    EXPECT_EQ(distinct.size(), 5u) << "five profiles worth switching between";
}

TEST(SimMouseKeys, FactoryTableHoldsTheSixButtonsThenFiller) {
    const auto table = simMouseFactoryKeyTable();
    ASSERT_EQ(table.size(), 512u);
    const std::vector<std::uint8_t> buttons = {0x10, 0x01, 0x00, 0x10, 0x04, 0x00,
                                               0x10, 0x02, 0x00, 0x10, 0x10, 0x00,
                                               0x10, 0x08, 0x00, 0x13, 0x03, 0x00};
    EXPECT_EQ(std::vector<std::uint8_t>(table.begin(), table.begin() + 18), buttons);
    for (std::size_t i = 18; i < 510; ++i) {
        ASSERT_EQ(table[i], 0x05) << i;
    }
    EXPECT_EQ(table[510], 0);
    EXPECT_EQ(table[511], 0);
}

TEST(SimMouseKeys, EveryPageStartsWithTheFactoryKeyFunctions) {
    const SimMemory mouse(SimKind::Mouse);
    const auto pages = all(mouse, SimRegion::Pages);
    const auto factory = all(mouse, SimRegion::KeyTable);
    ASSERT_EQ(pages.size(), 4u * 126 + 512);
    for (std::size_t page = 0; page < 5; ++page) {
        EXPECT_TRUE(std::equal(factory.begin(), factory.begin() + 126,
                               pages.begin() + static_cast<std::ptrdiff_t>(page * 126)))
            << "page " << page;
    }
}

TEST(SimKeyboardKeys, DeviceKeysFollowTheMatrixColumnByColumn) {
    const auto& order = simKeyboardKeyOrder();
    ASSERT_EQ(order.size(), 106u);
    // Column 0 top to bottom: Esc, grave, Tab, Caps Lock, left Shift, left Ctrl; then F1.
    EXPECT_EQ(std::vector<int>(order.begin(), order.begin() + 7),
              (std::vector<int>{0, 21, 42, 63, 84, 105, 1}));
    EXPECT_EQ(order.back(), 125) << "right GUI closes the last column";
    const auto table = simKeyboardFactoryKeyTable(106);
    EXPECT_EQ(keyAt(table, 0), (SimKeyFunction{0x20, 0x00, 0x29}));  // Esc
    EXPECT_EQ(keyAt(table, 1), (SimKeyFunction{0x20, 0x00, 0x35}));  // grave
    EXPECT_EQ(keyAt(table, 4), (SimKeyFunction{0x20, 0x02, 0x00}));  // left Shift
    EXPECT_EQ(keyAt(table, 6), (SimKeyFunction{0x20, 0x00, 0x3A}));  // F1
    EXPECT_EQ(keyAt(table, 105), (SimKeyFunction{0x20, 0x80, 0x00}));
}

TEST(SimKeyboardKeys, HostPositionMapFindsEveryKeyAndIsNotTheIdentity) {
    // The host maps a layout position to the first device key whose factory function matches.
    const auto table = simKeyboardFactoryKeyTable(106);
    const auto& layout = simKeyboardLayout();
    int identical = 0, mapped = 0;
    for (int u = 0; u < kSimLayoutPositions; ++u) {
        const SimKeyFunction& expected = layout[static_cast<std::size_t>(u)];
        if (isEmptyLayoutPosition(expected)) {
            continue;
        }
        int found = -1;
        for (int d = 0; d < 106 && found < 0; ++d) {
            found = keyAt(table, static_cast<std::size_t>(d)) == expected ? d : -1;
        }
        ASSERT_GE(found, 0) << "position " << u;
        EXPECT_EQ(simKeyboardKeyOrder()[static_cast<std::size_t>(found)], u);
        identical += found == u ? 1 : 0;
        ++mapped;
    }
    EXPECT_EQ(mapped, 106);
    EXPECT_LT(identical, mapped / 10) << "the device's key order is its own";
}

TEST(SimKeyboardKeys, KeyCountShortensOrPadsTheTableAndResetsThePages) {
    SimMemory keyboard(SimKind::Keyboard);
    std::vector<std::uint8_t> scribble(16, 0xEE);
    ASSERT_TRUE(keyboard.write(SimRegion::Pages, 0, scribble));

    ASSERT_TRUE(keyboard.setKeyCount(42));
    EXPECT_EQ(all(keyboard, SimRegion::Info)[5], 42);
    const auto table = all(keyboard, SimRegion::KeyTable);
    const auto full = simKeyboardFactoryKeyTable(106);
    EXPECT_EQ(table, std::vector<std::uint8_t>(full.begin(), full.begin() + 126));
    EXPECT_TRUE(std::equal(table.begin(), table.end(), all(keyboard, SimRegion::Pages).begin()));

    ASSERT_TRUE(keyboard.setKeyCount(120));
    const auto longer = all(keyboard, SimRegion::KeyTable);
    ASSERT_EQ(longer.size(), 360u);
    EXPECT_TRUE(std::equal(full.begin(), full.end(), longer.begin()));
    EXPECT_EQ(keyAt(longer, 119), (SimKeyFunction{0x05, 0x05, 0x05}));

    EXPECT_FALSE(keyboard.setKeyCount(256));
    EXPECT_FALSE(keyboard.setKeyCount(-1));
    EXPECT_EQ(all(keyboard, SimRegion::Info)[5], 120);
    SimMemory mouse(SimKind::Mouse);
    EXPECT_FALSE(mouse.setKeyCount(10));
}

TEST(SimKeyboardKeys, PageZeroHoldsTheWholeFactoryTable) {
    const SimMemory keyboard(SimKind::Keyboard);
    const auto factory = all(keyboard, SimRegion::KeyTable);
    const auto pages = all(keyboard, SimRegion::Pages);
    EXPECT_TRUE(std::equal(factory.begin(), factory.end(), pages.begin()));
}

TEST(SimCursorDefaults, ImageHasAValidHeaderAndConsistentBlocks) {
    const auto memory = simDefaultCursorImage();
    ASSERT_EQ(memory.size(), 3072u);
    EXPECT_EQ(le16(memory, 0), 0x55AAu);
    const unsigned total = le16(memory, 2), count = le16(memory, 4);
    EXPECT_EQ(count, 4u);
    EXPECT_EQ(total, 16u + 6 * 4 + 4 * 720);
    unsigned expected = 16 + 2 * count;
    for (unsigned k = 0; k < count; ++k) {
        ASSERT_EQ(le16(memory, 16 + 2 * k), expected) << "sequence " << k;
        const unsigned actions = le16(memory, expected);
        EXPECT_EQ(actions, 180u);
        expected += 4 + 4 * actions;
    }
    EXPECT_EQ(expected, total);
    for (std::size_t i = total; i < memory.size(); ++i) {
        ASSERT_EQ(memory[i], 0) << i;
    }
}

TEST(SimCursorDefaults, StepsCarryADelayAndMovesTheEditorUnderstands) {
    const auto memory = simDefaultCursorImage();
    const unsigned block = le16(memory, 16);
    for (unsigned step = 0; step < 30; ++step) {
        const std::size_t line = block + 4 + 4 * (6 * step);
        // Action j of the step sits at line + 4 j: delay (2 bytes), kind, code.
        EXPECT_GT(le16(memory, line + 4 * 3), 0u) << "step " << step << " pauses";
        EXPECT_EQ(memory[line + 4 * 4 + 2] & 0x7F, 0x04) << "horizontal move";
        EXPECT_EQ(memory[line + 4 * 5 + 2] & 0x7F, 0x05) << "vertical move";
    }
}

}  // namespace
}  // namespace quillon
