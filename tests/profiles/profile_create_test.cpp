#include <gtest/gtest.h>

#include "profiles/ProfileFile.h"
#include "profiles/ProfileMessages.h"
#include "profiles/ProfileTestSupport.h"

namespace quillon {
namespace {

using testing::fileExists;
using testing::folderEntries;
using testing::patterned;
using testing::ProfileBench;
using testing::readBytes;
using testing::readText;
using Op = testing::ScriptedIo::Op;

TEST(NewProfile, TakesTheFirstFreeNumberAndTheDefaultContentAndIsSelected) {
    ProfileBench bench;
    bench.writeDefaults(40);
    const ProfileList& list = bench.list(DeviceKind::Mouse, ProfileKind::Device);
    ProfileListState state = bench.makeList(list, {"profile1", "Profile3"});
    const ProfileOutcome out = newProfile(bench.store, list, state);
    EXPECT_EQ(state.entries, (std::vector<std::string>{"profile1", "Profile3", "profile2"}));
    EXPECT_EQ(state.selected, 2);
    EXPECT_TRUE(out.entriesChanged);
    EXPECT_EQ(out.nameField, "profile2");
    EXPECT_EQ(readBytes(bench.kindFolder(DeviceKind::Mouse) + "profile2.config"),
              profileFileImage(2, patterned(576, 40)));
    const IniDocument index = IniDocument::load(bench.indexPath(DeviceKind::Mouse));
    EXPECT_EQ(index.read(list.sections.count, "count"), "3");
    EXPECT_EQ(index.read(list.sections.name, "2"), "profile2");
    EXPECT_EQ(index.read(list.sections.linkFlag, "2"), "0");
    EXPECT_EQ(index.read(list.sections.select, "select"), "2");
}

TEST(NewProfile, KeyboardListsUseTheVariantsDefaults) {
    ProfileBench bench;
    bench.writeDefaults(60);
    bench.devices.keyboardVariant = 1;
    const ProfileList& list = bench.list(DeviceKind::Keyboard, ProfileKind::Lighting);
    ProfileListState state = bench.makeList(list, {"PROFILE1"});
    newProfile(bench.store, list, state);
    EXPECT_EQ(state.entries.back(), "profile2");
    EXPECT_EQ(readBytes(bench.kindFolder(DeviceKind::Keyboard) + "profile2.led"),
              profileFileImage(1, patterned(1958, 61)));
}

TEST(NewProfile, MissingDefaultKeepsTheEntryWithoutAFileAndTheSelection) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Mousepad, ProfileKind::Lighting);
    ProfileListState state = bench.makeList(list, {"profile1"});
    state.selected = 0;
    bench.writeProfile(list, "profile2", 5);  // a stray file of the new name
    const ProfileOutcome out = newProfile(bench.store, list, state);
    EXPECT_STREQ(out.message, profile_message::kFileMissing);
    EXPECT_EQ(state.entries, (std::vector<std::string>{"profile1", "profile2"}));
    EXPECT_EQ(state.selected, 0);
    EXPECT_FALSE(fileExists(bench.kindFolder(DeviceKind::Mousepad) + "profile2.led"));
    EXPECT_EQ(
        IniDocument::load(bench.indexPath(DeviceKind::Mousepad)).read(list.sections.count, "count"),
        "2");
}

TEST(NewProfile, FileThatCannotBeWrittenLeavesTheListAsItWas) {
    ProfileBench bench;
    bench.writeDefaults(1);
    const ProfileList& list = bench.list(DeviceKind::Mouse, ProfileKind::Key);
    ProfileListState state = bench.makeList(list, {"profile1"});
    const std::string indexBefore = readText(bench.indexPath(DeviceKind::Mouse));
    bench.io.failWhen = [](Op op, const std::string&) { return op == Op::Write; };
    const ProfileOutcome out = newProfile(bench.store, list, state);
    EXPECT_STREQ(out.message, profile_message::kWriteFailed);
    EXPECT_EQ(state.entries, std::vector<std::string>{"profile1"});
    EXPECT_EQ(readText(bench.indexPath(DeviceKind::Mouse)), indexBefore);
    EXPECT_FALSE(fileExists(bench.kindFolder(DeviceKind::Mouse) + "profile2.pro"));
}

TEST(CopyProfile, CopiesTheSelectedProfileUnderTheNextCopyName) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Keyboard, ProfileKind::Device);
    ProfileListState state = bench.makeList(list, {"A", "A copy"});
    state.selected = 0;
    const ProfileOutcome out = copyProfile(bench.store, list, state);
    EXPECT_EQ(state.entries.back(), "A copy copy");
    EXPECT_EQ(state.selected, 2);
    EXPECT_EQ(out.nameField, "A copy copy");
    EXPECT_EQ(readBytes(bench.kindFolder(DeviceKind::Keyboard) + "A copy copy.config"),
              readBytes(bench.kindFolder(DeviceKind::Keyboard) + "A.config"));
}

TEST(CopyProfile, NothingWithoutASelection) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Keyboard, ProfileKind::Key);
    ProfileListState state = bench.makeList(list, {"A"});
    const ProfileOutcome out = copyProfile(bench.store, list, state);
    EXPECT_EQ(out.message, nullptr);
    EXPECT_EQ(state.entries.size(), 1u);
}

TEST(CopyProfile, UnreadableSourceShowsWhyAndChangesNothing) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Mouse, ProfileKind::Lighting);
    ProfileListState state = bench.makeList(list, {"A"});
    state.selected = 0;
    testing::writeBytes(bench.kindFolder(DeviceKind::Mouse) + "A.led", {1, 2, 3});
    const ProfileOutcome out = copyProfile(bench.store, list, state);
    EXPECT_STREQ(out.message, profile_message::kNotProfileFile);
    EXPECT_EQ(state.entries.size(), 1u);
}

TEST(CopyProfile, IndexThatCannotBeWrittenLeavesNoNewFile) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Mouse, ProfileKind::Lighting);
    ProfileListState state = bench.makeList(list, {"A"});
    state.selected = 0;
    bench.io.failWhen = [](Op op, const std::string&) { return op == Op::SaveIndex; };
    const ProfileOutcome out = copyProfile(bench.store, list, state);
    EXPECT_STREQ(out.message, profile_message::kWriteFailed);
    EXPECT_EQ(state.entries, std::vector<std::string>{"A"});
    EXPECT_EQ(folderEntries(bench.kindFolder(DeviceKind::Mouse)),
              (std::vector<std::string>{"A.led", "msProfile.ini"}));
}

TEST(CopyProfile, CopyNameTooLongForAFileIsRefused) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Mouse, ProfileKind::Key);
    const std::string longName(247, 'x');
    ProfileListState state = bench.makeList(list, {longName});
    state.selected = 0;
    const ProfileOutcome out = copyProfile(bench.store, list, state);
    EXPECT_STREQ(out.message, profile_message::kNameUnusable);
    EXPECT_EQ(state.entries.size(), 1u);
}

}  // namespace
}  // namespace quillon
