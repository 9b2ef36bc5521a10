#include <gtest/gtest.h>

#include "platform/HexText.h"

namespace quillon {
namespace {

TEST(HexText, ReadsPairsWithOrWithoutSeparators) {
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(parseHexBytes("04.01.0a", bytes));
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0x04, 0x01, 0x0A}));
    ASSERT_TRUE(parseHexBytes("AAff:10 20", bytes));
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0xAA, 0xFF, 0x10, 0x20}));
    EXPECT_EQ(hexString(bytes), "aaff1020");
}

TEST(HexText, RefusesWhatIsNotWholeBytesAndLeavesTheOutputAlone) {
    std::vector<std::uint8_t> bytes{0x55};
    EXPECT_FALSE(parseHexBytes("123", bytes));
    EXPECT_FALSE(parseHexBytes("0g", bytes));
    EXPECT_FALSE(parseHexBytes("", bytes));
    EXPECT_FALSE(parseHexBytes("010203", bytes, 2));
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{0x55}));
    EXPECT_EQ(hexDigitValue('F'), 15);
    EXPECT_EQ(hexDigitValue('x'), -1);
}

}  // namespace
}  // namespace quillon
