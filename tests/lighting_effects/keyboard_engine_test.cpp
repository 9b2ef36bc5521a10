#include <gtest/gtest.h>

#include <array>

#include "lighting/effects/KeyboardEngine.h"

namespace quillon::lighting {
namespace {

constexpr Rgb kChosen{10, 20, 30};

LightingBlock block(std::uint8_t mode, std::uint8_t direction, std::uint8_t seven = 0) {
    return {mode, 4, 0, direction, seven, kChosen.red, kChosen.green, kChosen.blue};
}

class KeyboardEngineTest : public ::testing::Test {
  protected:
    void select(std::uint8_t mode, bool single = false) {
        engine.reset();
        engine.start(single, mode);
    }
    bool frame(const LightingBlock& b, bool single = false) {
        return engine.frame(single, b, set, hue);
    }
    ZoneLight key(std::uint8_t k) const { return engine.picture()[k]; }

    KeyboardEngine engine;
    std::array<std::uint8_t, 378> set{};
    SharedHue hue{0};
};

TEST_F(KeyboardEngineTest, WaveColumnsFollowTheWheelOrTheCurve) {
    select(0);
    frame(block(0, 1, 1));
    EXPECT_EQ(key(0), (ZoneLight{wheel(1 + 14), 255}));  // key 0 sits in column 2
    EXPECT_EQ(key(105), (ZoneLight{wheel(1), 255}));
    EXPECT_EQ(key(119), (ZoneLight{wheel(1 + 154), 255}));
    select(0);
    frame(block(0, 1));
    EXPECT_EQ(key(0), (ZoneLight{kChosen, scaled(255, curve96(31))}));
    EXPECT_EQ(key(118), (ZoneLight{kChosen, scaled(255, curve96((1 + 230) % 96))}));
}

TEST_F(KeyboardEngineTest, SpectrumBreathingAndStatic) {
    select(1);
    frame(block(1, 0));
    for (std::uint8_t k = 0; k < kKeyCount; ++k) {
        ASSERT_EQ(key(k), (ZoneLight{wheel(191), 255}));
    }
    select(2);
    for (int i = 0; i < 128; ++i) {
        frame(block(2, 1, 1));
    }
    EXPECT_EQ(engine.colourGroup(), 1);
    EXPECT_EQ(key(60), (ZoneLight{wheel(50), 0}));
    select(3);
    frame({3, 15, 0, 0, 0, 1, 2, 3});
    EXPECT_EQ(key(125), (ZoneLight{{1, 2, 3}, 0}));  // brightness 15 is dark
}

TEST_F(KeyboardEngineTest, RainbowKeysStartAndAdvance) {
    select(4);
    EXPECT_EQ(engine.hue(0), 33);
    EXPECT_EQ(engine.hue(5), 6);
    EXPECT_EQ(engine.hue(63), 192);
    frame(block(4, 0));
    EXPECT_EQ(engine.hue(63), 0);  // a start of exactly 192 becomes 0
    EXPECT_EQ(key(0), (ZoneLight{wheel(34), 255}));
    EXPECT_EQ(key(5), (ZoneLight{wheel(7), 255}));
}

TEST_F(KeyboardEngineTest, CentreRippleHoldsPassedKeysAtLevelNine) {
    select(5);
    bool sawNine = false;
    for (int i = 0; i < 60; ++i) {
        frame(block(5, 0));
        for (std::uint8_t k : keyOrder()) {
            const int level = engine.level(k);
            ASSERT_FALSE(level >= 1 && level <= 8) << "frame " << i << " key " << int(k);
            ASSERT_FALSE(level >= 10 && level <= 16) << "frame " << i << " key " << int(k);
            if (level == 9) {
                sawNine = true;
                EXPECT_EQ(key(k).alpha, 255 * 9 / 256);
            }
        }
    }
    EXPECT_TRUE(sawNine);
}

TEST_F(KeyboardEngineTest, ShowSweepsFromTheCorners) {
    select(6);
    frame(block(6, 0, 1));
    for (std::uint8_t k : {0, 118, 1, 117}) {
        EXPECT_EQ(engine.level(k), 225) << int(k);  // 255 less one fade step
        EXPECT_EQ(key(k).alpha, scaled(255, 225));
    }
    EXPECT_EQ(engine.level(2), 0);
    EXPECT_EQ(engine.hue(117), 44);  // four keys took 11 each from the shared counter
    for (int i = 1; i < 20; ++i) {
        frame(block(6, 0, 1));
    }
    EXPECT_EQ(engine.showState(), 1);
    EXPECT_EQ(engine.position(), 0);
}

TEST_F(KeyboardEngineTest, StreamWalksTheKeyOrder) {
    select(7);
    frame(block(7, 1, 1));
    EXPECT_EQ(key(keyOrder()[0]), (ZoneLight{wheel(1), 255}));
    EXPECT_EQ(key(keyOrder()[3]), (ZoneLight{wheel(16), 255}));
    select(7);
    frame(block(7, 1));
    EXPECT_EQ(key(keyOrder()[2]), (ZoneLight{kChosen, scaled(255, curve96(11))}));
}

TEST_F(KeyboardEngineTest, CustomShowsTheSetThroughTheKeyMap) {
    set[3 * 14] = 40;
    set[3 * 14 + 1] = 50;
    set[3 * 14 + 2] = 60;
    select(8);
    frame(block(8, 0));
    EXPECT_EQ(key(13), (ZoneLight{{40, 50, 60}, 255}));
    EXPECT_EQ(key(16), (ZoneLight{{0, 0, 0}, 255}));
    EXPECT_EQ(key(0), (ZoneLight{{0, 0, 0}, 255}));
    // A short set reads as dark rather than past its end.
    engine.frame(false, block(8, 0), std::span<const std::uint8_t>(set).first(10), hue);
    EXPECT_EQ(key(13), (ZoneLight{{0, 0, 0}, 255}));
}

TEST_F(KeyboardEngineTest, SparkleLightsThreeKeysAFrame) {
    select(9);
    frame(block(9, 0, 1));
    int lit = 0;
    for (std::uint8_t k = 0; k < kKeyCount; ++k) {
        lit += key(k).alpha != 0;
    }
    EXPECT_EQ(lit, 3);
    const std::uint8_t first = keyOrder()[sparkleAt(1)];
    EXPECT_EQ(key(first), (ZoneLight{wheel(10), scaled(255, 225)}));
    EXPECT_EQ(engine.hue(keyOrder()[sparkleAt(3)]), 30);
}

TEST_F(KeyboardEngineTest, RowsAndColumns) {
    select(10);
    frame(block(10, 1));
    EXPECT_EQ(key(21), (ZoneLight{wheel(25), 255}));    // row 1
    EXPECT_EQ(key(105), (ZoneLight{wheel(121), 255}));  // row 5
    select(14);
    frame(block(14, 1, 1));
    // The second position carries on from the rows (a mode selection resets only the first).
    EXPECT_EQ(key(0), (ZoneLight{wheel(2 + 4), 255}));  // column 2
    select(14);
    frame(block(14, 1));
    // Column 0 (key 105): colour from curve entry 1, alpha from entry 6.
    const int level = pulseCurve(1);
    EXPECT_EQ(key(105).colour, (Rgb{static_cast<std::uint8_t>(10 * 255 / 256 * level / 256),
                                    static_cast<std::uint8_t>(20 * 255 / 256 * level / 256),
                                    static_cast<std::uint8_t>(30 * 255 / 256 * level / 256)}));
    EXPECT_EQ(key(105).alpha, scaled(255, pulseCurve(6)));
}

TEST_F(KeyboardEngineTest, PulseFieldStartsFromThePhaseTable) {
    select(11);
    EXPECT_EQ(engine.level(0), phaseAt(12));
    EXPECT_EQ(engine.hue(0), 14);
    frame(block(11, 0, 1));
    EXPECT_EQ(engine.level(0), phaseAt(12) + 1);
    EXPECT_EQ(key(0), (ZoneLight{paletteColour(14), scaled(255, pulseCurve(phaseAt(12) + 1))}));
}

TEST_F(KeyboardEngineTest, SnakeGoingRightLightsKeyZeroOnlyFromTheLastEntry) {
    select(12);
    frame(block(12, 0));
    EXPECT_EQ(engine.level(0), 0);  // 0 → 106, nothing lit
    frame(block(12, 0));
    EXPECT_EQ(engine.level(0), 224);  // entry 106 lit key 0 at 254, then one fade step
    int lightings = 0;
    for (int i = 0; i < 106; ++i) {
        const int before = engine.level(0);
        frame(block(12, 0));
        lightings += engine.level(0) > before;
    }
    EXPECT_EQ(lightings, 0);  // entry 0 is never lit going right
    frame(block(12, 0));
    EXPECT_EQ(engine.level(0), 224);
}

TEST_F(KeyboardEngineTest, RingsGoingRightWrapToTheTopOfTheRange) {
    select(13);
    frame(block(13, 0));
    EXPECT_EQ(engine.position(), 192);
    EXPECT_EQ(key(51), (ZoneLight{wheel(21), 255}));
    EXPECT_EQ(key(118), (ZoneLight{wheel((192 + 21 * 12) % 192), 255}));
    select(13);
    frame(block(13, 1));
    EXPECT_EQ(key(51), (ZoneLight{wheel(25), 255}));
}

TEST_F(KeyboardEngineTest, EdgeRippleAndDiagonalPulse) {
    select(15);
    int lit = 0;
    for (int i = 0; i < 8; ++i) {
        frame(block(15, 0));
    }
    for (std::uint8_t k : keyOrder()) {
        lit += engine.level(k) != 0;
    }
    EXPECT_GT(lit, 0);
    select(16);
    EXPECT_EQ(engine.phase(0), 141);   // column 2: 157 − 16
    EXPECT_EQ(engine.phase(38), 163);  // column 19 row 1: 5 − 35 comes round by 193
    frame(block(16, 0, 1));
    EXPECT_EQ(engine.phase(0), 142);
    EXPECT_EQ(key(0), (ZoneLight{wheel(14), scaled(255, pulseCurve(142))}));
}

TEST_F(KeyboardEngineTest, SingleColourKeepsItsFixedColour) {
    select(2, true);
    frame(block(2, 0), true);
    EXPECT_EQ(key(7), (ZoneLight{kSingleColourLight, 255}));
    select(0, true);
    frame(block(0, 1), true);
    EXPECT_EQ(key(105), (ZoneLight{kSingleColourLight, scaled(255, curve96(1))}));
    EXPECT_EQ(key(21), (ZoneLight{kSingleColourLight, scaled(255, curve96(8))}));
    select(1, true);
    frame(block(1, 0), true);  // direction is ignored
    EXPECT_EQ(engine.position(), 1);
    select(5, true);
    frame(block(5, 1, 1), true);
    EXPECT_EQ(key(keyOrder()[0]).colour, kSingleColourLight);
}

TEST_F(KeyboardEngineTest, SingleColourCustomTracksPulsesAndModesWithoutEffect) {
    set[53] = 255;
    select(6, true);
    frame(block(6, 0), true);
    EXPECT_EQ(key(38).alpha, 254);
    EXPECT_EQ(key(37).alpha, 0);
    EXPECT_EQ(key(16).alpha, 0);
    select(3, true);
    int lit = 0;
    for (int i = 0; i < 4; ++i) {
        frame(block(3, 0), true);
    }
    for (std::uint8_t k : keyOrder()) {
        lit += key(k).alpha != 0;
    }
    EXPECT_GT(lit, 0);
    select(9, true);
    EXPECT_EQ(engine.phase(0), 141);
    select(8, true);
    EXPECT_EQ(engine.phase(0), phaseAt(12));
    frame(block(8, 0), true);
    EXPECT_EQ(key(0).alpha, scaled(255, pulseCurve(phaseAt(12) + 1)));
    EXPECT_FALSE(frame(block(11, 0), true));
    EXPECT_FALSE(frame(block(17, 0)));
}

}  // namespace
}  // namespace quillon::lighting
