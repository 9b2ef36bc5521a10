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

struct RenameFixture : ::testing::Test {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Keyboard, ProfileKind::Lighting);
    ProfileListState state = bench.makeList(list, {"Home", "Work"});
    std::string folder = bench.kindFolder(DeviceKind::Keyboard);
    std::string indexBefore;

    void SetUp() override {
        state.selected = 1;
        indexBefore = readText(bench.indexPath(DeviceKind::Keyboard));
    }
    void expectUnchanged() {
        EXPECT_EQ(state.entries, (std::vector<std::string>{"Home", "Work"}));
        EXPECT_EQ(readText(bench.indexPath(DeviceKind::Keyboard)), indexBefore);
        EXPECT_EQ(readBytes(folder + "Work.led"), profileFileImage(1, patterned(1958, 20)));
    }
};

TEST_F(RenameFixture, MovesTheFileAndRenamesTheEntry) {
    const ProfileOutcome out = renameProfile(bench.store, list, state, "  Games ");
    EXPECT_EQ(out.message, nullptr);
    EXPECT_EQ(state.entries, (std::vector<std::string>{"Home", "Games"}));
    EXPECT_EQ(out.nameField, "Games");
    EXPECT_TRUE(out.entriesChanged);
    EXPECT_EQ(readBytes(folder + "Games.led"), profileFileImage(1, patterned(1958, 20)));
    EXPECT_FALSE(fileExists(folder + "Work.led"));
    const IniDocument index = IniDocument::load(bench.indexPath(DeviceKind::Keyboard));
    EXPECT_EQ(index.read(list.sections.name, "1"), "Games");
    EXPECT_EQ(index.read(list.sections.count, "count"), "2");
}

TEST_F(RenameFixture, EmptyNameIsMessage14) {
    EXPECT_STREQ(renameProfile(bench.store, list, state, " ").message, profile_message::kNameEmpty);
    expectUnchanged();
}

TEST_F(RenameFixture, OwnNameOrAnotherEntrysNameInAnyCaseIsMessage15) {
    for (const char* name : {"Work", "WORK", "home"}) {
        EXPECT_STREQ(renameProfile(bench.store, list, state, name).message,
                     profile_message::kNameTaken)
            << name;
    }
    expectUnchanged();
}

TEST_F(RenameFixture, NameThatCannotBeAFileNameIsMessage21) {
    for (const char* name : {"../Work", "..", "a/b", "x\ty"}) {
        EXPECT_STREQ(renameProfile(bench.store, list, state, name).message,
                     profile_message::kNameUnusable)
            << name;
    }
    expectUnchanged();
    EXPECT_EQ(folderEntries(bench.data.path()), (std::vector<std::string>{"kb"}));
}

TEST_F(RenameFixture, NewFileThatCannotBeWrittenKeepsEverything) {
    bench.io.failWhen = [](Op op, const std::string&) { return op == Op::Write; };
    EXPECT_STREQ(renameProfile(bench.store, list, state, "Games").message,
                 profile_message::kWriteFailed);
    expectUnchanged();
    EXPECT_FALSE(fileExists(folder + "Games.led"));
}

TEST_F(RenameFixture, IndexThatCannotBeWrittenKeepsTheOldFileAndRemovesTheNewOne) {
    bench.io.failWhen = [](Op op, const std::string&) { return op == Op::SaveIndex; };
    EXPECT_STREQ(renameProfile(bench.store, list, state, "Games").message,
                 profile_message::kWriteFailed);
    expectUnchanged();
    EXPECT_FALSE(fileExists(folder + "Games.led"));
}

TEST_F(RenameFixture, NewFileThatReadsBackWrongKeepsEverything) {
    // The write reports success but the file on disk is not what was written.
    bench.io.failWhen = [this](Op op, const std::string& path) {
        if (op == Op::Read && path == folder + "Games.led") {
            testing::writeBytes(path, {0xAA, 0x55});
        }
        return false;
    };
    EXPECT_STREQ(renameProfile(bench.store, list, state, "Games").message,
                 profile_message::kWriteFailed);
    expectUnchanged();
    EXPECT_FALSE(fileExists(folder + "Games.led"));
}

TEST_F(RenameFixture, MissingOldFileIsMessage8AndChangesNothing) {
    std::remove((folder + "Work.led").c_str());
    EXPECT_STREQ(renameProfile(bench.store, list, state, "Games").message,
                 profile_message::kFileMissing);
    EXPECT_EQ(readText(bench.indexPath(DeviceKind::Keyboard)), indexBefore);
    EXPECT_EQ(state.entries[1], "Work");
}

TEST_F(RenameFixture, NothingWithoutASelection) {
    state.selected = -1;
    const ProfileOutcome out = renameProfile(bench.store, list, state, "Games");
    EXPECT_EQ(out.message, nullptr);
    expectUnchanged();
}

struct DeleteFixture : ::testing::Test {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Mouse, ProfileKind::Device);
    std::string folder = bench.kindFolder(DeviceKind::Mouse);

    void linkAll(int count) {
        IniDocument index = IniDocument::load(bench.indexPath(DeviceKind::Mouse));
        for (int p = 0; p < count; ++p) {
            index.write(list.sections.linkFlag, std::to_string(p), p % 2 == 0 ? "1" : "0");
            index.write(list.sections.linkPath, std::to_string(p), "/apps/app" + std::to_string(p));
        }
        index.save(bench.indexPath(DeviceKind::Mouse));
    }
};

TEST_F(DeleteFixture, SingleProfileIsRefusedWithMessage11) {
    ProfileListState state = bench.makeList(list, {"only"});
    state.selected = 0;
    EXPECT_STREQ(deleteRefusal(state), profile_message::kLastProfile);
    EXPECT_STREQ(deleteProfile(bench.store, list, state).message, profile_message::kLastProfile);
    EXPECT_TRUE(fileExists(folder + "only.config"));
    EXPECT_EQ(state.entries.size(), 1u);
}

TEST_F(DeleteFixture, PositionOneOfFourShiftsNamesAndLinksDownAndSelectsTheLast) {
    ProfileListState state = bench.makeList(list, {"p0", "p1", "p2", "p3"});
    linkAll(4);
    state.selected = 1;
    EXPECT_EQ(deleteRefusal(state), nullptr);
    const ProfileOutcome out = deleteProfile(bench.store, list, state);
    EXPECT_EQ(state.entries, (std::vector<std::string>{"p0", "p2", "p3"}));
    EXPECT_EQ(state.selected, 2);
    EXPECT_EQ(out.nameField, "p3");
    EXPECT_TRUE(out.entriesChanged);
    EXPECT_FALSE(fileExists(folder + "p1.config"));
    EXPECT_TRUE(fileExists(folder + "p2.config"));

    const IniDocument index = IniDocument::load(bench.indexPath(DeviceKind::Mouse));
    EXPECT_EQ(index.read(list.sections.count, "count"), "3");
    EXPECT_EQ(index.read(list.sections.select, "select"), "2");
    const char* names[] = {"p0", "p2", "p3"};
    const char* flags[] = {"1", "1", "0"};
    const char* paths[] = {"/apps/app0", "/apps/app2", "/apps/app3"};
    for (int p = 0; p < 3; ++p) {
        EXPECT_EQ(index.read(list.sections.name, std::to_string(p)), names[p]) << p;
        EXPECT_EQ(index.read(list.sections.linkFlag, std::to_string(p)), flags[p]) << p;
        EXPECT_EQ(index.read(list.sections.linkPath, std::to_string(p)), paths[p]) << p;
    }
    // The old last position stays behind the count.
    EXPECT_EQ(index.read(list.sections.name, "3"), "p3");
}

TEST_F(DeleteFixture, IndexThatCannotBeWrittenKeepsTheProfileAndItsFile) {
    ProfileListState state = bench.makeList(list, {"p0", "p1"});
    state.selected = 0;
    const std::string indexBefore = readText(bench.indexPath(DeviceKind::Mouse));
    bench.io.failWhen = [](Op op, const std::string&) { return op == Op::SaveIndex; };
    EXPECT_STREQ(deleteProfile(bench.store, list, state).message, profile_message::kWriteFailed);
    EXPECT_EQ(state.entries.size(), 2u);
    EXPECT_TRUE(fileExists(folder + "p0.config"));
    EXPECT_EQ(readText(bench.indexPath(DeviceKind::Mouse)), indexBefore);
}

TEST_F(DeleteFixture, FileSharedWithAnotherEntryOfTheSameNameStays) {
    ProfileListState state = bench.makeList(list, {"same", "other", "SAME"});
    std::remove((folder + "SAME.config").c_str());  // both entries now read "same.config"
    state.selected = 2;
    deleteProfile(bench.store, list, state);
    EXPECT_EQ(state.entries, (std::vector<std::string>{"same", "other"}));
    EXPECT_TRUE(fileExists(folder + "same.config"));
}

}  // namespace
}  // namespace quillon
