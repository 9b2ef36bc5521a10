#include <gtest/gtest.h>

#include "profiles/ProfileLinks.h"
#include "profiles/ProfileTestSupport.h"

namespace quillon {
namespace {

using testing::ProfileBench;

void writeLink(ProfileBench& bench, const ProfileList& list, int position, const std::string& flag,
               const std::string& path) {
    IniDocument index = IniDocument::load(bench.indexPath(list.device));
    index.write(list.sections.linkFlag, std::to_string(position), flag);
    index.write(list.sections.linkPath, std::to_string(position), path);
    index.save(bench.indexPath(list.device));
}

TEST(LinkPaths, OnlyAFileInAFolderOfSaneLengthCanBeLinked) {
    EXPECT_TRUE(isLinkablePath("/usr/bin/xterm"));
    EXPECT_TRUE(isLinkablePath("C:\\Games\\racer.exe"));
    EXPECT_FALSE(isLinkablePath("racer"));
    EXPECT_FALSE(isLinkablePath("/opt/games/"));
    EXPECT_FALSE(isLinkablePath(""));
    EXPECT_FALSE(isLinkablePath("/opt/ga\nmes/racer"));
    EXPECT_FALSE(isLinkablePath("/" + std::string(259, 'a')));
    EXPECT_TRUE(isLinkablePath("/" + std::string(258, 'a')));
}

TEST(LinkPaths, TheWholePathMatchesAndCaseCounts) {
    EXPECT_TRUE(sameExecutable("/opt/games/racer", "/opt/games/racer"));
    EXPECT_FALSE(sameExecutable("/opt/games/racer", "/opt/games/Racer"));
    EXPECT_FALSE(sameExecutable("/opt/games/racer", "/home/me/racer"));
    EXPECT_FALSE(sameExecutable("", ""));
    EXPECT_FALSE(sameExecutable(" ", ""));
}

TEST(LinkForeground, TheFirstLinkedPositionWinsElseTheStoredChoice) {
    ProfileIndex index(
        IniDocument::parse("[PROFILELIKEEXE]\n1=1\n2=1\n3=2\n"
                           "[PROCESS]\n1=/opt/racer\n2=/opt/racer\n3=/opt/chess\n"
                           "[PROFILESELECT]\nselect=3\n"));
    const ProfileList& list = *findProfileList(DeviceKind::Mouse, ProfileKind::Key);
    EXPECT_EQ(positionForForeground(index, list, 4, "/opt/racer"), 1);
    EXPECT_EQ(positionForForeground(index, list, 1, "/opt/racer"), 3);  // beyond the entries
    // A flag other than "1" never switches.
    EXPECT_EQ(positionForForeground(index, list, 4, "/opt/chess"), 3);
    EXPECT_EQ(positionForForeground(index, list, 4, ""), 3);
}

TEST(LinkOperations, ASecondLinkToTheSameProgramIsRefusedAndLeavesTheProfileUnlinked) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Keyboard, ProfileKind::Device);
    ProfileListState state = bench.makeList(list, {"a", "b"});
    writeLink(bench, list, 0, "1", "/opt/racer");
    state.selected = 1;
    writeLink(bench, list, 1, "1", "/stale");  // what the box showed before it was set again
    const ProfileOutcome out = linkProfile(bench.store, list, state, "/opt/racer");
    EXPECT_STREQ(out.message, "message_text_13");
    ASSERT_TRUE(out.link);
    EXPECT_FALSE(out.link->linked);
    const ProfileIndex index = bench.store.readIndex(list.device);
    EXPECT_EQ(index.linkFlag(list, 1), "0");
    EXPECT_EQ(index.linkPath(list, 1), std::string(kNoLinkPath));
    EXPECT_EQ(index.linkFlag(list, 0), "1");

    // Another list of the same device may use the program.
    const ProfileList& keys = bench.list(DeviceKind::Keyboard, ProfileKind::Key);
    ProfileListState keyState = bench.makeList(keys, {"k"});
    keyState.selected = 0;
    EXPECT_EQ(linkProfile(bench.store, keys, keyState, "/opt/racer").message, nullptr);
    EXPECT_EQ(bench.store.readIndex(keys.device).linkPath(keys, 0), "/opt/racer");
}

TEST(LinkOperations, CancelAndUnusablePathsUnlinkButTheLinkButtonKeepsTheLink) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Mouse, ProfileKind::Device);
    ProfileListState state = bench.makeList(list, {"a"});
    state.selected = 0;
    writeLink(bench, list, 0, "1", "/opt/racer");
    EXPECT_FALSE(changeProfileLink(bench.store, list, state, std::nullopt).link);
    EXPECT_FALSE(changeProfileLink(bench.store, list, state, "racer").link);
    EXPECT_EQ(bench.store.readIndex(list.device).linkPath(list, 0), "/opt/racer");

    for (const std::optional<std::string>& chosen :
         {std::optional<std::string>(), std::optional<std::string>("racer")}) {
        writeLink(bench, list, 0, "1", "/opt/racer");
        const ProfileOutcome out = linkProfile(bench.store, list, state, chosen);
        EXPECT_EQ(out.message, nullptr);
        EXPECT_FALSE(out.link->linked);
        EXPECT_EQ(bench.store.readIndex(list.device).linkFlag(list, 0), "0");
    }
}

TEST(LinkOperations, WithoutASelectionNothingIsWritten) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Mouse, ProfileKind::Device);
    ProfileListState state = bench.makeList(list, {"a"});
    state.selected = -1;
    const ProfileOutcome out = linkProfile(bench.store, list, state, "/opt/racer");
    EXPECT_FALSE(out.link->linked);
    const ProfileIndex index = bench.store.readIndex(list.device);
    EXPECT_FALSE(index.document().find(list.sections.linkFlag, "-1").has_value());
    EXPECT_FALSE(index.document().find(list.sections.linkPath, "-1").has_value());
}

}  // namespace
}  // namespace quillon
