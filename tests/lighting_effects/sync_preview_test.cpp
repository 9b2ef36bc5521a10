#include <gtest/gtest.h>

#include "lighting/effects/KeyboardTables.h"
#include "lighting/effects/MousePreview.h"
#include "lighting/effects/SyncPreview.h"

namespace quillon::lighting {
namespace {

constexpr SyncTargets kAll{true, true, true};

TEST(SyncPreview, WaveColumnsReachEveryDevice) {
    SyncPreview sync;
    ASSERT_TRUE(sync.frame({0, 4, 0, 1, 1, 0, 0, 0}, kAll));
    EXPECT_EQ(sync.keyboard()[0], (ZoneLight{wheel(1 + 14), 255}));  // grid column 2
    for (std::uint8_t zone : mouseZoneGroup(3)) {
        EXPECT_EQ(sync.mouse()[zone], (ZoneLight{wheel(1 + 21), 255}));
    }
    EXPECT_EQ(sync.mousepad()[14], (ZoneLight{wheel(1 + 98), 255}));
    SyncPreview plain;
    plain.frame({0, 4, 0, 1, 0, 9, 8, 7}, kAll);
    EXPECT_EQ(plain.mousepad()[0], (ZoneLight{{9, 8, 7}, scaled(255, curve96(11))}));
}

TEST(SyncPreview, OnlyTheTargetsAreDrawn) {
    SyncPreview sync;
    sync.frame({3, 2, 0, 0, 0, 1, 2, 3}, {false, true, false});
    EXPECT_EQ(sync.mouse()[0], (ZoneLight{{1, 2, 3}, 149}));
    EXPECT_EQ(sync.keyboard()[0], ZoneLight{});
    EXPECT_EQ(sync.mousepad()[0], ZoneLight{});
}

TEST(SyncPreview, ModesAboveThreeDrawNothing) {
    SyncPreview sync;
    sync.frame({1, 4, 0, 0, 0, 0, 0, 0}, kAll);
    EXPECT_EQ(sync.mouse()[19], (ZoneLight{wheel(191), 255}));
    const MouseFrame before = sync.mouse();
    EXPECT_FALSE(sync.frame({5, 4, 0, 0, 0, 0, 0, 0}, kAll));
    EXPECT_EQ(sync.mouse(), before);
}

TEST(SyncPreview, BreathingAndDelays) {
    SyncPreview sync;
    for (int i = 0; i < 64; ++i) {
        sync.frame({2, 4, 0, 1, 1, 0, 0, 0}, kAll);
    }
    EXPECT_EQ(sync.keyboard()[50], (ZoneLight{wheel(64), 254}));
    EXPECT_EQ(syncPassDelay({0, 0, 3, 0, 0, 0, 0, 0}), 12);
    EXPECT_EQ(syncIdleDelay({1, 0, 0, 0, 0, 0, 0, 0}, {false, true, true}), 9 + 6);
    EXPECT_EQ(syncIdleDelay({3, 0, 0, 0, 0, 0, 0, 0}, {true, false, false}), 2 + 5);
    EXPECT_EQ(syncIdleDelay({0, 0, 0, 0, 0, 0, 0, 0}, kAll), 0);
}

}  // namespace
}  // namespace quillon::lighting
