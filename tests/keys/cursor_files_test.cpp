#include <gtest/gtest.h>

#include <cstdlib>

#include "common/TestFolders.h"
#include "keys/CursorDefaultTable.h"
#include "keys/CursorSequences.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"

namespace quillon::keys {
namespace {

using test::TempFolder;
using Bytes = std::vector<std::uint8_t>;

std::string sourceDir() {
    if (const char* dir = std::getenv("QUILLON_SOURCE_DIR")) {
        return std::string(dir) + "/";
    }
    const std::string here = __FILE__;
    return here.substr(0, here.rfind("/tests/")) + "/";
}

class CursorFilesTest : public ::testing::Test {
  protected:
    TempFolder data;
    CursorFiles files{data.path() + "ms/", test::programDir()};

    void SetUp() override { files.setUp(); }
    IniFile sequence(int k) const { return IniFile(files.sequenceFile(k)); }
};

TEST_F(CursorFilesTest, FirstSetUpNamesTheSequencesAndCopiesTheDefaults) {
    const IniFile index(files.indexFile());
    EXPECT_EQ(index.readInt("CURSORCOUNT", "count"), 4);
    EXPECT_EQ(index.read("CURSORNAME", "0"), "name_1");
    EXPECT_EQ(index.read("CURSORNAME", "3"), "name_4");
    for (int k = 0; k < 4; ++k) {
        std::string expected;
        ASSERT_EQ(readWholeFile(files.defaultFile(k), 1 << 20, expected), ReadStatus::Loaded);
        EXPECT_EQ(data.read("ms/name_" + std::to_string(k + 1) + ".cur"), expected) << k;
    }
}

TEST_F(CursorFilesTest, SetUpKeepsFilesThatExist) {
    TempFolder other;
    other.write("ms/name_2.cur", "[MACROACTIONCOUNT]\ncount=1\n");
    CursorFiles fresh(other.path() + "ms/", test::programDir());
    fresh.setUp();
    EXPECT_EQ(other.read("ms/name_2.cur"), "[MACROACTIONCOUNT]\ncount=1\n");
    EXPECT_EQ(IniFile(fresh.sequenceFile(0)).readInt("MACROACTIONCOUNT", "count"), 180);
}

TEST_F(CursorFilesTest, FourDefaultSequencesMakeA2920ByteImage) {
    const MacroImagePlan plan = files.planImage();
    EXPECT_EQ(plan.total, 2920u);
    const auto image = fillMacroImage(plan);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), 2920u);
    EXPECT_LE(image->size(), kCursorImageLimit);
}

TEST_F(CursorFilesTest, StepsReadAndWriteTheirThreeLines) {
    ASSERT_TRUE(files.writeStep(2, 4, {300, 255, true, 7, false}));
    const IniFile seq = sequence(2);
    EXPECT_EQ(seq.read("MACROACTION", "27"), "44,1,5,0,0,mouse_move_to_down_text");
    EXPECT_EQ(seq.read("MACROACTION", "28"), "0,0,132,255,1,mouse_move_to_left_text");
    EXPECT_EQ(seq.read("MACROACTION", "29"), "0,0,5,7,0,mouse_move_to_down_text");
    EXPECT_EQ(seq.read("MACROACTION", "24"), "8,0,129,1,1,mouse_key_left");  // kept
    const CursorStepRead read = files.readStep(2, 4);
    ASSERT_TRUE(read.delay && read.x && read.y);
    EXPECT_EQ(*read.delay, 300);
    EXPECT_EQ(read.x->first, 255);
    EXPECT_TRUE(read.x->second);
    EXPECT_EQ(read.y->first, 7);
    EXPECT_FALSE(read.y->second);
    EXPECT_EQ(seq.readInt("MACROACTIONCOUNT", "count"), 180);
}

TEST_F(CursorFilesTest, AStepBeyondTheCountIsWrittenButNotCounted) {
    data.write("ms/name_1.cur", "[MACROACTIONCOUNT]\ncount=2\n");
    ASSERT_TRUE(files.writeStep(0, 29, {10, 1, false, 2, true}));
    EXPECT_EQ(sequence(0).read("MACROACTION", "177"), "10,0,4,0,0,mouse_move_to_right_text");
    EXPECT_EQ(sequence(0).read("MACROACTION", "179"), "0,0,133,2,1,mouse_move_to_up_text");
    EXPECT_EQ(sequence(0).readInt("MACROACTIONCOUNT", "count"), 2);
    EXPECT_EQ(files.planImage().counts[0], 2u);
    EXPECT_FALSE(files.writeStep(0, 30, {}));
    EXPECT_FALSE(files.writeStep(4, 0, {}));
}

TEST_F(CursorFilesTest, MissingLinesReadAsNothing) {
    data.write("ms/name_1.cur", "[MACROACTION]\n4=0,0,3,1,0,x\n");
    const CursorStepRead read = files.readStep(0, 0);
    EXPECT_FALSE(read.delay);
    EXPECT_FALSE(read.x);  // kind 3 is neither move
    EXPECT_FALSE(read.y);
}

TEST_F(CursorFilesTest, StoringAnImageRewritesTheFilesWithLabels) {
    const std::vector<std::vector<MacroAction>> seqs = {
        {makeAction(300, 0x81, 0x01, ""), makeAction(0, 0x03, 0x01, ""),
         makeAction(2, 0x85, 9, "")},
        {},
        {makeAction(0, 0x8A, 0x58, "")}};
    ASSERT_EQ(files.storeImage(*packMacroImage(seqs)), 1);
    EXPECT_EQ(sequence(0).readInt("MACROACTIONCOUNT", "count"), 3);
    EXPECT_EQ(sequence(0).read("MACROACTION", "0"), "44,1,129,1,1,mouse_key_left");
    EXPECT_EQ(sequence(0).read("MACROACTION", "1"), "0,0,3,1,0,");
    EXPECT_EQ(sequence(0).read("MACROACTION", "2"), "2,0,133,9,1,mouse_move_to_up_text");
    EXPECT_FALSE(sequence(0).find("MACROACTION", "3"));  // the old file is gone
    EXPECT_EQ(sequence(1).readInt("MACROACTIONCOUNT", "count"), 0);
    EXPECT_EQ(sequence(2).read("MACROACTION", "0"), "0,0,138,88,1,keyboard_key_Num Enter");
    EXPECT_EQ(sequence(3).readInt("MACROACTIONCOUNT", "count"), 180);  // not in the image
}

TEST_F(CursorFilesTest, AnImageThatPointsBeyondItselfChangesNothing) {
    const std::string before = data.read("ms/name_1.cur");
    Bytes image = *packMacroImage({{makeAction(1, 0x84, 1, "")}});
    image[18] = 40;  // forty actions in room for one
    EXPECT_EQ(files.storeImage(image), 0);
    image = *packMacroImage({{}, {}, {}, {}, {}});  // five sequences, the index names four
    EXPECT_EQ(files.storeImage(image), 0);
    EXPECT_EQ(data.read("ms/name_1.cur"), before);
}

TEST_F(CursorFilesTest, ImportRefusesMoreThan180Actions) {
    data.write("long.cur", "[MACROACTIONCOUNT]\ncount=181\n");
    data.write("short.cur", "[MACROACTIONCOUNT]\ncount=6\n");
    const char* message = nullptr;
    const std::string before = data.read("ms/name_2.cur");
    EXPECT_EQ(files.importSequence(1, data.path() + "long.cur", &message), 0);
    EXPECT_STREQ(message, "message_text_18");
    EXPECT_EQ(data.read("ms/name_2.cur"), before);
    EXPECT_EQ(files.importSequence(1, data.path() + "short.cur", &message), 1);
    EXPECT_EQ(data.read("ms/name_2.cur"), data.read("short.cur"));
    EXPECT_EQ(files.resetSequence(1), 1);
    EXPECT_EQ(data.read("ms/name_2.cur"), before);
    EXPECT_EQ(files.exportSequence(1, data.path() + "out.cur"), 1);
    EXPECT_EQ(data.read("out.cur"), before);
}

TEST_F(CursorFilesTest, AHostileSequenceNameIsNeverAPath) {
    IniFile(files.indexFile()).write("CURSORNAME", "0", "../../escape");
    EXPECT_EQ(files.sequenceFile(0), "");
    EXPECT_FALSE(files.writeStep(0, 0, {}));
    EXPECT_EQ(files.storeImage(*packMacroImage({{}})), 0);
    EXPECT_FALSE(data.exists("escape.cur"));
}

TEST(CursorDefaults, CommittedFilesAreWhatTheTableMakes) {
    std::string table;
    ASSERT_EQ(readWholeFile(sourceDir() + "tools/defaults/cursor.ini", 1 << 20, table),
              ReadStatus::Loaded);
    const CursorDefaultBuild build = buildCursorDefaults(table);
    ASSERT_TRUE(build.ok());
    ASSERT_EQ(build.files.size(), 4u);
    for (const CursorDefaultFile& file : build.files) {
        std::string committed;
        ASSERT_EQ(readWholeFile(sourceDir() + "defaults/" + file.name, 1 << 20, committed),
                  ReadStatus::Loaded);
        EXPECT_EQ(committed, file.text) << file.name << ": run the quillon-cursor-defaults target";
        EXPECT_EQ(IniDocument::parse(committed).readInt("MACROACTIONCOUNT", "count"), 180);
    }
}

TEST(CursorDefaults, TableValuesOutOfRangeAreErrors) {
    const CursorDefaultBuild build = buildCursorDefaults(
        "[name_1]\nstep1 = 70000, 0, 0\nstep2 = 1, -256, 0\nstep3 = x\n"
        "[name_2]\nstep30 = 5, -3, -4\n");
    EXPECT_EQ(build.errors.size(), 3u);
    const IniDocument second = IniDocument::parse(build.files[1].text);
    EXPECT_EQ(second.read("MACROACTION", "177"), "5,0,5,0,0,mouse_move_to_down_text");
    EXPECT_EQ(second.read("MACROACTION", "178"), "0,0,132,3,1,mouse_move_to_left_text");
    EXPECT_EQ(second.read("MACROACTION", "179"), "0,0,133,4,1,mouse_move_to_up_text");
}

}  // namespace
}  // namespace quillon::keys
