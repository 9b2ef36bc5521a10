#include <gtest/gtest.h>

#include "lighting/effects/MousepadPreview.h"

namespace quillon::lighting {
namespace {

class MousepadPreviewTest : public ::testing::Test {
  protected:
    PadFrameResult frame(const LightingBlock& b, std::int64_t now = 0, bool trigger = false) {
        return preview.frame(b, now, trigger, hue);
    }
    int litCount() const {
        int n = 0;
        for (const ZoneLight& z : preview.picture()) {
            n += z.alpha != 0;
        }
        return n;
    }
    std::uint8_t alpha(std::size_t z) const { return preview.picture()[z].alpha; }

    MousepadPreview preview;
    SharedHue hue{0};
};

TEST_F(MousepadPreviewTest, BarGoingRightFillsUpwardsThenEmptiesDownwards) {
    const LightingBlock b{4, 4, 0, 0, 0, 1, 2, 3};
    frame(b);
    EXPECT_EQ(litCount(), 0);
    for (int k = 1; k <= 15; ++k) {
        frame(b);
        EXPECT_EQ(litCount(), k);
        EXPECT_EQ(alpha(static_cast<std::size_t>(k - 1)), 255);
    }
    frame(b);
    EXPECT_EQ(litCount(), 14);
    EXPECT_EQ(alpha(14), 0);
    EXPECT_EQ(alpha(13), 255);
}

TEST_F(MousepadPreviewTest, BarGoingLeftLightsFromTheTop) {
    const LightingBlock b{4, 4, 0, 1, 1, 1, 2, 3};
    frame(b);  // n = 0: zones above 0
    EXPECT_EQ(litCount(), 14);
    EXPECT_EQ(alpha(0), 0);
    EXPECT_EQ(preview.picture()[3].colour, wheel(21));
}

TEST_F(MousepadPreviewTest, RunningLightVisitsEveryZoneWithoutAGap) {
    const LightingBlock right{5, 4, 0, 0, 0, 1, 2, 3};
    preview.placeMarker();
    for (std::size_t z = 0; z < kMousepadZoneCount; ++z) {
        frame(right);
        EXPECT_EQ(alpha(z), 255 * 225 / 256) << z;  // 255 less the first fade step
    }
    frame(right);
    EXPECT_EQ(alpha(0), 255 * 225 / 256);

    MousepadPreview left;
    left.placeMarker();
    const LightingBlock l{5, 4, 0, 1, 0, 1, 2, 3};
    for (std::size_t z : {0, 14, 13, 12}) {
        left.frame(l, 0, false, hue);
        EXPECT_EQ(left.picture()[z].alpha, 255 * 225 / 256) << z;
    }
}

TEST_F(MousepadPreviewTest, FillAndDrainColumns) {
    const LightingBlock b{7, 4, 0, 0, 0, 1, 2, 3};
    frame(b);
    for (std::size_t z = 0; z < kMousepadZoneCount; ++z) {
        EXPECT_EQ(alpha(z), z < 5 ? 255 : 0) << z;  // column 0 only
    }
    for (int i = 2; i <= 7; ++i) {
        frame(b);
    }
    for (std::size_t z = 0; z < kMousepadZoneCount; ++z) {
        EXPECT_EQ(alpha(z), z < 5 ? 0 : 255) << z;  // columns 1 to 6
    }
    for (int i = 8; i <= 14; ++i) {
        EXPECT_TRUE(frame(b).drawn);
    }
    const PadFrameResult turn = frame(b);  // the fifteenth: the fill turns
    EXPECT_FALSE(turn.drawn);
    EXPECT_EQ(turn.pauseAfter, 1000);
    EXPECT_TRUE(frame(b).drawn);  // draining: bit 15 − k of 0x00FC
}

TEST_F(MousepadPreviewTest, WaveWithoutChangingColoursScalesByTheCurve) {
    const LightingBlock b{0, 4, 0, 1, 0, 1, 2, 3};
    frame(b);
    EXPECT_EQ(preview.picture()[0], (ZoneLight{{1, 2, 3}, scaled(255, curve96(1))}));
    EXPECT_EQ(alpha(7), scaled(255, curve96(71)));
    const LightingBlock seven{0, 4, 0, 1, 1, 1, 2, 3};
    frame(seven);
    EXPECT_EQ(preview.picture()[2].colour, wheel(2 + 14));
}

TEST_F(MousepadPreviewTest, BreathingAdvancesTheColourGroupAndModeNineKeepsZones) {
    const LightingBlock b{2, 4, 0, 1, 1, 1, 2, 3};
    for (int i = 0; i < 128; ++i) {
        frame(b);
    }
    EXPECT_EQ(preview.colourGroup(), 1);
    EXPECT_EQ(preview.picture()[0].colour, wheel(50));
    frame({3, 1, 0, 0, 0, 9, 9, 9});
    const MousepadFrame before = preview.picture();
    EXPECT_FALSE(frame({9, 4, 0, 0, 0, 0, 0, 0}).drawn);
    EXPECT_EQ(preview.picture(), before);
}

TEST_F(MousepadPreviewTest, ColumnsAndFlash) {
    frame({6, 4, 0, 1, 0, 0, 0, 0});
    EXPECT_EQ(preview.picture()[0].colour, wheel(1));
    EXPECT_EQ(preview.picture()[5].colour, wheel(8));
    EXPECT_EQ(preview.picture()[10].colour, wheel(1 + 42));
    frame({8, 4, 0, 0, 0, 5, 6, 7}, 1000, true);
    EXPECT_EQ(litCount(), 15);
    frame({8, 4, 0, 0, 0, 5, 6, 7}, 1100);
    frame({8, 4, 0, 0, 0, 5, 6, 7}, 1101);
    EXPECT_EQ(litCount(), 0);
}

TEST(MousepadPassDelay, BySpeedAndMode) {
    for (int s = 0; s <= 4; ++s) {
        EXPECT_EQ(mousepadPassDelay({0, 0, static_cast<std::uint8_t>(s), 0, 0, 0, 0, 0}),
                  9 + 4 * s);
    }
    EXPECT_EQ(mousepadPassDelay({4, 0, 2, 0, 0, 0, 0, 0}), 17 + 120);
    EXPECT_EQ(mousepadPassDelay({5, 0, 2, 0, 0, 0, 0, 0}), 17 + 50);
    EXPECT_EQ(mousepadPassDelay({7, 0, 2, 0, 0, 0, 0, 0}), 17 + 60);
}

}  // namespace
}  // namespace quillon::lighting
