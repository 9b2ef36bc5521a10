#include <gtest/gtest.h>

#include "common/TestFolders.h"
#include "keys/MacroImage.h"
#include "keys/MacroStore.h"
#include "platform/IniFile.h"

namespace quillon::keys {
namespace {

using test::TempFolder;
using Bytes = std::vector<std::uint8_t>;

MacroAction press(std::uint16_t delay) {
    return makeAction(delay, 0x8A, 0x04, "keyboard_key_A");
}

TEST(MacroImageLayout, OneMacroOfThreeActions) {
    const auto image = packMacroImage({{press(120), press(0x0102), press(0)}});
    ASSERT_TRUE(image);
    ASSERT_EQ(image->size(), 34u);
    EXPECT_EQ(Bytes(image->begin(), image->begin() + 6), (Bytes{0xAA, 0x55, 0x22, 0, 1, 0}));
    EXPECT_EQ(Bytes(image->begin() + 6, image->begin() + 16), Bytes(10, 0));
    EXPECT_EQ((*image)[16], 18);
    EXPECT_EQ((*image)[17], 0);
    EXPECT_EQ(Bytes(image->begin() + 18, image->begin() + 22), (Bytes{3, 0, 0, 0}));
    EXPECT_EQ(Bytes(image->begin() + 22, image->begin() + 26), (Bytes{120, 0, 0x8A, 4}));
    EXPECT_EQ(Bytes(image->begin() + 26, image->begin() + 30), (Bytes{2, 1, 0x8A, 4}));
}

TEST(MacroImageLayout, TwoMacrosWithTwoAndNoActions) {
    const auto image = packMacroImage({{press(1), press(2)}, {}});
    ASSERT_TRUE(image);
    ASSERT_EQ(image->size(), 36u);
    EXPECT_EQ((*image)[16], 20);
    EXPECT_EQ((*image)[18], 32);
    EXPECT_EQ(Bytes(image->begin() + 32, image->end()), (Bytes{0, 0, 0, 0}));
}

TEST(MacroImageLayout, SizeFormulaAndNoMacros) {
    const std::uint64_t counts[] = {180, 180, 180, 180};
    EXPECT_EQ(macroImageSize(counts), 2920u);
    const auto empty = packMacroImage({});
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->size(), 16u);
    std::vector<std::vector<MacroAction>> tooBig(1, std::vector<MacroAction>(16380, press(0)));
    EXPECT_FALSE(packMacroImage(tooBig));  // 16 + 6 + 65520 > 65535
}

TEST(MacroImageCapacity, ShortfallIsTheNumberOfActionsToRemove) {
    EXPECT_EQ(actionsOverCapacity(1024, 1024), 0u);
    EXPECT_EQ(actionsOverCapacity(1030, 1024), 2u);
    EXPECT_EQ(actionsOverCapacity(1028, 1024), 2u);
    EXPECT_EQ(actionsOverCapacity(22, 0), 6u);
    EXPECT_EQ(formatWithNumber("Remove at least %d macro actions.", 2),
              "Remove at least 2 macro actions.");
    EXPECT_EQ(formatWithNumber("%s and %n stay; %d", 3), "%s and %n stay; 3");
    EXPECT_EQ(formatWithNumber("no number", 3), "no number");
}

class MacroImageFiles : public ::testing::Test {
  protected:
    TempFolder folder;
    std::string file(const std::string& name) const { return folder.path() + name; }
    void write(const std::string& name, const std::vector<MacroAction>& actions) {
        ASSERT_TRUE(writeActionFile(file(name), actions));
    }
};

TEST_F(MacroImageFiles, TwoPassesGiveThePackedImage) {
    write("a.mac", {press(1), press(2), press(3)});
    write("b.mac", {press(4)});
    const MacroImagePlan plan = planMacroImage({file("a.mac"), file("b.mac")});
    EXPECT_EQ(plan.total, 16u + 12 + 16);
    const auto image = fillMacroImage(plan);
    ASSERT_TRUE(image);
    EXPECT_EQ(*image, *packMacroImage({{press(1), press(2), press(3)}, {press(4)}}));
}

TEST_F(MacroImageFiles, AMissingFileIsAnEmptyBlockAndKeepsTheNumbers) {
    write("b.mac", {press(9)});
    const auto image = fillMacroImage(planMacroImage({file("none.mac"), file("b.mac"), ""}));
    ASSERT_TRUE(image);
    EXPECT_EQ(*image, *packMacroImage({{}, {press(9)}, {}}));
}

TEST_F(MacroImageFiles, AFileThatGrowsBetweenThePassesIsCutToThePlannedSize) {
    write("a.mac", {press(1)});
    write("b.mac", {press(2)});
    const MacroImagePlan plan = planMacroImage({file("a.mac"), file("b.mac")});
    write("a.mac", {press(1), press(5), press(6), press(7)});
    const auto image = fillMacroImage(plan);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), plan.total);
    EXPECT_EQ(*image, *packMacroImage({{press(1)}, {press(2)}}));
}

TEST_F(MacroImageFiles, AFileThatShrinksLeavesItsRoomCountedAsRead) {
    write("a.mac", {press(1), press(2)});
    const MacroImagePlan plan = planMacroImage({file("a.mac")});
    write("a.mac", {});
    const auto image = fillMacroImage(plan);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), 30u);
    EXPECT_EQ((*image)[18], 0);  // the block says it holds no actions
    const auto entries = readMacroImage(*image);
    ASSERT_TRUE(entries);
    EXPECT_TRUE((*entries)[0].actions.empty());
}

TEST_F(MacroImageFiles, UnreadableLinesAreZeroActions) {
    write("a.mac", {press(1), press(2)});
    IniFile(file("a.mac")).write("MACROACTION", "0", "nonsense");
    const auto image = fillMacroImage(planMacroImage({file("a.mac")}));
    ASSERT_TRUE(image);
    EXPECT_EQ(Bytes(image->begin() + 22, image->begin() + 26), Bytes(4, 0));
    EXPECT_EQ((*image)[26], 2);
}

TEST_F(MacroImageFiles, APlanTooLargeForTheHeaderIsNotFilled) {
    MacroImagePlan plan;
    plan.files = {""};
    plan.counts = {20000};
    plan.total = macroImageSize(plan.counts);
    EXPECT_FALSE(fillMacroImage(plan));
    plan.total = 100;  // a plan whose total disagrees with its counts
    EXPECT_FALSE(fillMacroImage(plan));
}

TEST(MacroImageRead, ReadsBackWhatWasPacked) {
    const auto image = packMacroImage({{press(1)}, {}, {press(2), press(3)}});
    const auto entries = readMacroImage(*image);
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 3u);
    EXPECT_EQ((*entries)[2].actions.size(), 2u);
    EXPECT_EQ((*entries)[2].actions[1].bytes[0], 3);
}

TEST(MacroImageRead, RefusesOffsetsAndCountsBeyondTheImage) {
    const Bytes good = *packMacroImage({{press(1)}});
    Bytes b = good;
    b[0] = 0;  // no magic
    EXPECT_FALSE(readMacroImage(b));
    b = good;
    b[2] = 200;  // claims more than arrived
    EXPECT_FALSE(readMacroImage(b));
    b = good;
    b[4] = 9;  // offset table beyond the image
    EXPECT_FALSE(readMacroImage(b));
    b = good;
    b[16] = 250;  // block beyond the image
    EXPECT_FALSE(readMacroImage(b));
    b = good;
    b[16] = 2;  // block inside the header
    EXPECT_FALSE(readMacroImage(b));
    b = good;
    b[18] = 2;  // two actions in room for one
    EXPECT_FALSE(readMacroImage(b));
    EXPECT_FALSE(readMacroImage(Bytes(good.begin(), good.begin() + 10)));
    Bytes longer = good;
    longer.resize(100, 0xEE);  // a longer buffer is read up to the header's size
    EXPECT_TRUE(readMacroImage(longer));
}

}  // namespace
}  // namespace quillon::keys
