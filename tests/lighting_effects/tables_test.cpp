#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "lighting/effects/KeyboardTables.h"
#include "lighting/effects/LightingBlock.h"
#include "lighting/effects/LightingTables.h"

namespace quillon::lighting {
namespace {

TEST(LightingTables, BrightnessAlphaRowAndOutOfRangeIsDark) {
    EXPECT_EQ(brightnessAlpha(0), 45);
    EXPECT_EQ(brightnessAlpha(2), 149);
    EXPECT_EQ(brightnessAlpha(4), 255);
    EXPECT_EQ(brightnessAlpha(5), 120);
    EXPECT_EQ(brightnessAlpha(13), 240);
    EXPECT_EQ(brightnessAlpha(14), 255);
    EXPECT_EQ(brightnessAlpha(15), 0);
    EXPECT_EQ(brightnessAlpha(200), 0);
}

TEST(LightingTables, WheelSegmentsUseTheRamps) {
    EXPECT_EQ(wheel(0), (Rgb{255, 1, 0}));
    EXPECT_EQ(wheel(31), (Rgb{255, 255, 0}));
    EXPECT_EQ(wheel(32), (Rgb{248, 255, 0}));
    EXPECT_EQ(wheel(64 + 9), (Rgb{0, 255, 32}));
    EXPECT_EQ(wheel(96 + 4), (Rgb{0, 194, 255}));
    EXPECT_EQ(wheel(128 + 13), (Rgb{57, 0, 255}));
    EXPECT_EQ(wheel(191), (Rgb{255, 0, 0}));
    EXPECT_EQ(wheel(192), wheel(0));
}

TEST(LightingTables, CurvesRiseAndFallSymmetrically) {
    EXPECT_EQ(breath(0), 0);
    EXPECT_EQ(breath(11), 12);
    EXPECT_EQ(breath(63), 255);
    EXPECT_EQ(breath(64), 255);
    EXPECT_EQ(breath(127 - 11), 12);
    EXPECT_EQ(breath(127), 0);
    EXPECT_EQ(curve96(0), 22);
    EXPECT_EQ(curve96(47), 255);
    EXPECT_EQ(curve96(48), 255);
    EXPECT_EQ(curve96(95), 22);
    EXPECT_EQ(pulseCurve(16), 255);
    EXPECT_EQ(pulseCurve(79), 1);
    EXPECT_EQ(pulseCurve(80), 0);
    EXPECT_EQ(pulseCurve(191), 0);
}

TEST(LightingTables, BreathingSets) {
    EXPECT_EQ(breathingSetColour(0, 0), (Rgb{255, 255, 0}));
    EXPECT_EQ(breathingSetColour(1, 6), (Rgb{0, 70, 255}));
    EXPECT_EQ(breathingSetColour(2, 3), (Rgb{245, 0, 140}));
}

TEST(LightingTables, StepWithinWrapsAndReportsTheEndOfACycle) {
    std::uint8_t p = 190;
    EXPECT_FALSE(stepWithin(p, 192, 1));
    EXPECT_EQ(p, 191);
    EXPECT_TRUE(stepWithin(p, 192, 1));
    EXPECT_EQ(p, 0);
    EXPECT_FALSE(stepWithin(p, 192, 0));  // a downward wrap ends no cycle
    EXPECT_EQ(p, 191);
    p = 1;
    EXPECT_TRUE(stepWithin(p, 128, 0));
    EXPECT_EQ(p, 0);
    p = 200;  // left by a mode with a longer range
    stepWithin(p, 128, 0);
    EXPECT_EQ(p, 127);
    p = 200;
    stepWithin(p, 128, 1);
    EXPECT_EQ(p, 0);
}

TEST(LightingBlock, ReadsAndWritesBytesOneToEight) {
    std::array<std::uint8_t, 21> record{};
    for (std::size_t i = 0; i < record.size(); ++i) {
        record[i] = static_cast<std::uint8_t>(i * 3);
    }
    const LightingBlock b = LightingBlock::fromRecord(record);
    EXPECT_EQ(b.mode, 3);
    EXPECT_EQ(b.blue, 24);
    LightingBlock c{5, 4, 0, 1, 1, 9, 8, 7};
    c.toRecord(record);
    EXPECT_EQ(record[0], 0);
    EXPECT_EQ(record[1], 5);
    EXPECT_EQ(record[8], 7);
    EXPECT_EQ(record[9], 27);  // untouched
    const std::array<std::uint8_t, 3> shortRecord = {0, 2, 3};
    EXPECT_EQ(LightingBlock::fromRecord(shortRecord), (LightingBlock{2, 3, 0, 0, 0, 0, 0, 0}));
}

TEST(KeyboardTables, KeyOrderHoldsEveryGridKeyOnce) {
    std::set<int> grid;
    for (int c = 0; c < kGridColumns; ++c) {
        for (int r = 0; r < kGridRows; ++r) {
            if (gridKey(c, r) != kNoKey) {
                EXPECT_TRUE(grid.insert(gridKey(c, r)).second) << "column " << c << " row " << r;
            }
        }
    }
    const std::set<int> order(keyOrder().begin(), keyOrder().end());
    EXPECT_EQ(order.size(), kKeyOrderSize);
    EXPECT_EQ(order, grid);
    EXPECT_EQ(gridKey(-1, 0), kNoKey);
    EXPECT_EQ(gridKey(23, 0), kNoKey);
    EXPECT_EQ(gridKey(22, 3), 119);
}

TEST(KeyboardTables, SnakeRingsAndShowTables) {
    const auto& path = snakePath();
    EXPECT_EQ(path[0], 0);
    EXPECT_EQ(path[16], 41);
    EXPECT_EQ(path[36], 21);
    EXPECT_EQ(path[57], 119);
    EXPECT_EQ(path[62], kNoKey);
    EXPECT_EQ(path[75], 84);
    EXPECT_EQ(path[76], kNoKey);
    EXPECT_EQ(path[105], 105);
    EXPECT_EQ(path[106], 0);
    std::size_t ringKeys = 0;
    for (int g = 0; g < kRingCount; ++g) {
        for (std::uint8_t key : ring(g)) {
            EXPECT_TRUE(inKeyOrder(key)) << int(key);
            ++ringKeys;
        }
    }
    EXPECT_EQ(ringKeys, 1u + 6 + 10 + 11 + 12 + 11 + 10 + 11 + 10 + 11 + 8 + 3);
    EXPECT_EQ(sweepRow(0).size(), 2u);
    EXPECT_EQ(sweepRow(6).size(), 6u);
    EXPECT_EQ(sweepRow(10).size(), 5u);
    EXPECT_EQ(showPair(15), (std::array<std::uint8_t, 2>{72, 53}));
}

TEST(KeyboardTables, OwnTablesKeepTheirGivenHeadsAndRanges) {
    EXPECT_EQ(phaseAt(0), 72);
    EXPECT_EQ(phaseAt(4), 182);
    EXPECT_EQ(phaseAt(12), 120);
    EXPECT_EQ(phaseAt(23), 42);
    for (int cell = 0; cell < kGridColumns * kGridRows; ++cell) {
        EXPECT_LE(phaseAt(cell), 192);
    }
    EXPECT_EQ(paletteColour(1), (Rgb{255, 96, 0}));
    EXPECT_EQ(paletteColour(13), (Rgb{192, 192, 192}));
    std::set<int> sparkle;
    for (int s = 0; s < static_cast<int>(kKeyOrderSize); ++s) {
        sparkle.insert(sparkleAt(s));
    }
    EXPECT_EQ(sparkle.size(), kKeyOrderSize);
    EXPECT_EQ(*sparkle.rbegin(), 103);
    EXPECT_EQ(sparkleAt(0), 88);
    EXPECT_EQ(sparkleAt(9), 69);
}

TEST(KeyboardTables, FrameDelays) {
    EXPECT_EQ(keyboardFrameDelay(0, 0), 2);
    EXPECT_EQ(keyboardFrameDelay(4, 0), 3);
    EXPECT_EQ(keyboardFrameDelay(12, 0), 3);
    EXPECT_EQ(keyboardFrameDelay(5, 0), 9);
    EXPECT_EQ(keyboardFrameDelay(9, 1), 13);
    EXPECT_EQ(keyboardFrameDelay(16, 4), 45);
    EXPECT_EQ(keyboardFrameDelay(3, 5), 29);
    EXPECT_EQ(keyboardFrameDelay(3, 14), 65);
    EXPECT_EQ(keyboardFrameDelay(2, 14), 63);
    EXPECT_EQ(keyboardFrameDelay(3, 200), 65);  // outside the row: as the slowest
    EXPECT_EQ(keyboardExtraDelay(false, 5), 40);
    EXPECT_EQ(keyboardExtraDelay(true, 3), 80);
    EXPECT_EQ(keyboardExtraDelay(true, 1), 0);
}

TEST(KeyboardTables, CustomEntriesPerVariant) {
    EXPECT_EQ(customEntry(false, 13), 14);
    EXPECT_EQ(customEntry(false, 16), kNoKey);
    EXPECT_EQ(customEntry(false, 119), 62);
    EXPECT_EQ(customEntry(true, 38), 53);
    EXPECT_EQ(customEntry(true, 16), kNoKey);
    EXPECT_EQ(customEntry(true, 125), kNoKey);
    EXPECT_EQ(customEntry(true, 126), kNoKey);
    EXPECT_EQ(customEntry(false, -1), kNoKey);
}

}  // namespace
}  // namespace quillon::lighting
