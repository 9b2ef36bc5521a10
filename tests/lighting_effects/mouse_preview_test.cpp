#include <gtest/gtest.h>

#include "lighting/effects/MousePreview.h"

namespace quillon::lighting {
namespace {

LightingBlock block(std::uint8_t mode, std::uint8_t direction, std::uint8_t seven = 0) {
    return {mode, 4, 0, direction, seven, 10, 20, 30};
}

class MousePreviewTest : public ::testing::Test {
  protected:
    bool frame(const LightingBlock& b, std::int64_t now = 0, bool trigger = false) {
        return preview.frame(b, now, trigger, hue);
    }
    ZoneLight zone(std::size_t z) const { return preview.picture()[z]; }
    // Whether every zone of group g shows this alpha.
    bool groupAlpha(int g, int alpha) const {
        for (std::uint8_t z : mouseZoneGroup(g)) {
            if (zone(z).alpha != alpha) {
                return false;
            }
        }
        return true;
    }

    MousePreview preview;
    SharedHue hue{0};
};

TEST_F(MousePreviewTest, ColourCycleMovesOneWheelStepEitherWay) {
    frame(block(0, 1));
    for (std::size_t z = 0; z < kMouseZoneCount; ++z) {
        EXPECT_EQ(zone(z), (ZoneLight{wheel(1), 255}));
    }
    preview.reset();
    frame(block(0, 0));
    EXPECT_EQ(zone(19), (ZoneLight{wheel(191), 255}));
}

TEST_F(MousePreviewTest, ThreeSetBreathingChangesSetAfterAFullBreathGoingLeft) {
    const LightingBlock b = block(1, 1);
    for (int i = 0; i < 64; ++i) {
        frame(b);
    }
    EXPECT_EQ(preview.position(), 64);
    EXPECT_EQ(zone(10), (ZoneLight{breathingSetColour(0, 3), 254}));  // 255 × 255 / 256
    EXPECT_EQ(zone(9), (ZoneLight{breathingSetColour(0, 2), 254}));
    for (int i = 64; i < 127; ++i) {
        frame(b);
    }
    EXPECT_EQ(preview.colourGroup(), 0);
    frame(b);  // the 128th frame
    EXPECT_EQ(preview.colourGroup(), 1);
    EXPECT_EQ(zone(13).colour, breathingSetColour(1, 6));
}

TEST_F(MousePreviewTest, BreathingGoingRightChangesSetWhenReachingZeroFromOne) {
    const LightingBlock b = block(3, 0);
    frame(b);
    EXPECT_EQ(preview.position(), 127);
    EXPECT_EQ(preview.colourGroup(), 0);
    for (int i = 1; i < 127; ++i) {
        frame(b);
    }
    EXPECT_EQ(preview.position(), 1);
    EXPECT_EQ(preview.colourGroup(), 0);
    frame(b);
    EXPECT_EQ(preview.colourGroup(), 1);
    // Mode 3 keeps the chosen colour and scales alpha by the curve.
    frame(b);
    EXPECT_EQ(zone(0), (ZoneLight{{10, 20, 30}, 0}));
    for (int i = 0; i < 64; ++i) {
        frame(b);
    }
    EXPECT_EQ(preview.position(), 63);
    EXPECT_EQ(zone(0).alpha, 254);
}

TEST_F(MousePreviewTest, FlashLightsFifteenZonesForAHundredMilliseconds) {
    const LightingBlock b = block(2, 0);
    frame(b, 0);
    EXPECT_EQ(zone(0), ZoneLight{});
    frame(b, 10, true);
    EXPECT_EQ(zone(0), (ZoneLight{{10, 20, 30}, 255}));
    EXPECT_EQ(zone(14), (ZoneLight{{10, 20, 30}, 255}));
    EXPECT_EQ(zone(15), ZoneLight{});  // never set by the flash
    frame(b, 109);
    EXPECT_EQ(zone(3).alpha, 255);
    frame(b, 110);  // 100 ms after the start: still lit, then off
    EXPECT_EQ(zone(3).alpha, 255);
    frame(b, 113);
    EXPECT_EQ(zone(3), ZoneLight{});
}

TEST_F(MousePreviewTest, ATriggerDuringAFlashRestartsItWithTheNextColour) {
    const LightingBlock b = block(6, 0, 1);
    frame(b, 0, true);
    EXPECT_EQ(zone(0).colour, wheel(14));
    frame(b, 80, true);
    EXPECT_EQ(zone(0).colour, wheel(28));
    frame(b, 150);  // 70 ms after the restart
    EXPECT_EQ(zone(0).alpha, 255);
    frame(b, 180);
    frame(b, 181);
    EXPECT_EQ(zone(0).alpha, 0);
}

TEST_F(MousePreviewTest, RunningLightGoingRightLightsGroupsInTurn) {
    const LightingBlock b = block(5, 0);
    preview.reset();
    preview.placeMarker(0);
    for (int g = 0; g < kZoneGroupCount; ++g) {
        frame(b);
        EXPECT_TRUE(groupAlpha(g, 214)) << "group " << g;  // first level 215
        EXPECT_EQ(zone(mouseZoneGroup(g)[0]).colour, (Rgb{10, 20, 30}));
    }
    // The levels behind fade 215, 175, 135, ...
    EXPECT_TRUE(groupAlpha(5, 255 * 175 / 256));
    EXPECT_TRUE(groupAlpha(0, 255 * 25 / 256));
    for (int i = 7; i < 23; ++i) {
        frame(b);
    }
    EXPECT_TRUE(groupAlpha(0, 0));
    frame(b);  // 23 frames after group 0 first lit
    EXPECT_TRUE(groupAlpha(0, 214));
}

TEST_F(MousePreviewTest, RunningLightGoingLeftStartsAtGroupSixOnTheSecondFrame) {
    const LightingBlock b = block(5, 1, 1);
    preview.placeMarker(1);
    frame(b);
    for (int g = 0; g < kZoneGroupCount; ++g) {
        EXPECT_TRUE(groupAlpha(g, 0));
    }
    frame(b);
    EXPECT_TRUE(groupAlpha(6, 214));
    EXPECT_EQ(zone(6).colour, wheel(22));  // two markers took 11 each from the shared counter
    frame(b);
    EXPECT_TRUE(groupAlpha(5, 214));
    EXPECT_EQ(hue.load(), 33);
}

TEST_F(MousePreviewTest, StaticAndModesWithoutAFrame) {
    frame({4, 2, 0, 0, 0, 1, 2, 3});
    EXPECT_EQ(zone(19), (ZoneLight{{1, 2, 3}, 149}));
    EXPECT_FALSE(frame(block(7, 0)));
    EXPECT_EQ(zone(19), (ZoneLight{{1, 2, 3}, 149}));
    EXPECT_TRUE(MousePreview::usesTrigger(6));
    EXPECT_FALSE(MousePreview::usesTrigger(5));
}

TEST(MousePassDelay, FollowsSpeedAndRunningLight) {
    EXPECT_EQ(mousePassDelay({0, 0, 0, 0, 0, 0, 0, 0}), 3);
    EXPECT_EQ(mousePassDelay({0, 0, 4, 0, 0, 0, 0, 0}), 51);
    EXPECT_EQ(mousePassDelay({5, 0, 4, 0, 0, 0, 0, 0}), 101);
}

}  // namespace
}  // namespace quillon::lighting
