#include <gtest/gtest.h>

#include "lighting/HostSettings.h"

namespace quillon {
namespace {

TEST(PointerSpeedSlider, PositionsMapToTwiceThePositionPlusOne) {
    EXPECT_EQ(pointerSpeedForSlider(0), 2);
    EXPECT_EQ(pointerSpeedForSlider(4), 10);
    EXPECT_EQ(pointerSpeedForSlider(9), 20);
    EXPECT_EQ(pointerSpeedForSlider(-3), 2);
}

TEST(PointerSpeedSlider, PositionTenStoresTwentyTwoWhichApplyingClampsToTwenty) {
    const int stored = pointerSpeedForSlider(10);
    EXPECT_EQ(stored, 22);
    EXPECT_EQ(clampPointerSpeed(stored), 20);
    EXPECT_EQ(clampPointerSpeed(0), 1);
    EXPECT_EQ(clampPointerSpeed(-5), 1);
    EXPECT_EQ(clampPointerSpeed(13), 13);
}

TEST(PointerSpeedSlider, StoredValuesShowAtHalfMinusOne) {
    EXPECT_EQ(sliderForPointerSpeed(20), 9);
    EXPECT_EQ(sliderForPointerSpeed(10), 4);
    EXPECT_EQ(sliderForPointerSpeed(11), 4);
    for (int p = 0; p <= 9; ++p) {
        EXPECT_EQ(sliderForPointerSpeed(pointerSpeedForSlider(p)), p);
    }
}

TEST(WheelLinesButtons, StepsStayWithinOneToHundred) {
    EXPECT_EQ(wheelLinesStepUp(100), 100);
    EXPECT_EQ(wheelLinesStepUp(99), 100);
    EXPECT_EQ(wheelLinesStepUp(3), 4);
    EXPECT_EQ(wheelLinesStepUp(0), 2);  // text that is no number reads as 0
    EXPECT_EQ(wheelLinesStepUp(-7), 2);
    EXPECT_EQ(wheelLinesStepDown(1), 1);
    EXPECT_EQ(wheelLinesStepDown(0), 1);
    EXPECT_EQ(wheelLinesStepDown(3), 2);
    EXPECT_EQ(wheelLinesStepDown(250), 99);
}

TEST(WheelLinesButtons, TypedValuesAreCorrectedIntoRange) {
    EXPECT_EQ(clampWheelLines(250), 100);
    EXPECT_EQ(clampWheelLines(0), 1);
    EXPECT_EQ(clampWheelLines(-1), 1);
    EXPECT_EQ(clampWheelLines(42), 42);
}

TEST(StoredHostValues, ZeroBecomesOneAndOutOfRangeIsClamped) {
    EXPECT_EQ(pointerSpeedFromStore(0), 1);
    EXPECT_EQ(pointerSpeedFromStore(255), 20);
    EXPECT_EQ(pointerSpeedFromStore(7), 7);
    EXPECT_EQ(wheelLinesFromStore(0), 1);
    EXPECT_EQ(wheelLinesFromStore(255), 100);
    EXPECT_EQ(wheelLinesFromStore(6), 6);
}

}  // namespace
}  // namespace quillon
