#include <gtest/gtest.h>

#include "lighting/WheelLinesText.h"

namespace quillon::lighting {
namespace {

TEST(WheelLinesText, ReadsTheLeadingNumberLikeTheEditAlwaysHas) {
    EXPECT_EQ(leadingNumber("42"), 42);
    EXPECT_EQ(leadingNumber("  7 lines"), 7);
    EXPECT_EQ(leadingNumber("-3"), -3);
    EXPECT_EQ(leadingNumber("+8"), 8);
    EXPECT_EQ(leadingNumber("abc"), 0);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("-"), 0);
    EXPECT_EQ(leadingNumber("99999999999999999999"), 2147483647);
    EXPECT_EQ(leadingNumber("-99999999999999999999"), -2147483647);
}

TEST(WheelLinesText, TypedTextIsCorrectedOnlyOutsideOneToHundred) {
    EXPECT_EQ(correctedWheelLinesText("250"), "100");
    EXPECT_EQ(correctedWheelLinesText("101"), "100");
    EXPECT_EQ(correctedWheelLinesText("0"), "1");
    EXPECT_EQ(correctedWheelLinesText("-5"), "1");
    EXPECT_EQ(correctedWheelLinesText("abc"), "1");
    EXPECT_EQ(correctedWheelLinesText("100"), std::nullopt);
    EXPECT_EQ(correctedWheelLinesText("1"), std::nullopt);
    EXPECT_EQ(correctedWheelLinesText("12x"), std::nullopt);
}

}  // namespace
}  // namespace quillon::lighting
