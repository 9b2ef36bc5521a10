// A program killed in the middle of saving must leave every profile file and the index file
// whole: either the content from before a save or the content after it, never a part.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "profiles/ProfileFile.h"
#include "profiles/ProfileTestSupport.h"

namespace quillon {
namespace {

using testing::folderEntries;
using testing::ProfileBench;
using testing::readBytes;

constexpr int kEntries = 400;

// Saves the selected keyboard device profile and rewrites the index, over and over, with the
// round number in every byte of the key table; reports each finished round on `done`.
[[noreturn]] void saveForever(ProfileBench& bench, const ProfileList& list, int done) {
    for (std::uint8_t round = 1;; ++round) {
        bench.devices.memory(DeviceKind::Keyboard).keyTables[0].fill(round);
        bench.store.saveSelectedProfile(list);
        ProfileIndex index = bench.store.readIndex(DeviceKind::Keyboard);
        index.setLinkPath(list, 0, "/round/" + std::to_string(round));
        bench.store.writeIndex(DeviceKind::Keyboard, index);
        if (::write(done, &round, 1) != 1) {
            ::_exit(1);
        }
    }
}

void expectWholeProfile(const std::string& path) {
    const auto bytes = readBytes(path);
    ASSERT_EQ(bytes.size(), kProfileHeaderSize + 2470);
    EXPECT_EQ(bytes[0], 0xAA);
    EXPECT_EQ(bytes[1], 0x55);
    const std::uint8_t round = bytes[16];
    for (std::size_t i = 16; i < 16 + 512; ++i) {
        ASSERT_EQ(bytes[i], round) << "byte " << i << " belongs to another save";
    }
}

void expectWholeIndex(ProfileBench& bench, const ProfileList& list) {
    const ProfileIndex index = bench.store.readIndex(DeviceKind::Keyboard);
    ASSERT_EQ(index.count(list), kEntries);
    EXPECT_EQ(index.name(list, kEntries - 1), "p" + std::to_string(kEntries - 1));
    EXPECT_EQ(index.linkPath(list, 0).rfind("/round/", 0), 0u);
}

TEST(InterruptedSave, KilledWriterLeavesWholeFiles) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Keyboard, ProfileKind::Device);
    std::vector<std::string> names;
    for (int i = 0; i < kEntries; ++i) {
        names.push_back("p" + std::to_string(i));
    }
    bench.makeList(list, names);

    for (int attempt = 0; attempt < 6; ++attempt) {
        int pipe[2];
        ASSERT_EQ(::pipe(pipe), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(pipe[0]);
            saveForever(bench, list, pipe[1]);
        }
        ::close(pipe[1]);
        // Let the writer finish a few rounds, then kill it wherever it is.
        std::uint8_t round = 0;
        for (int i = 0; i <= attempt; ++i) {
            ASSERT_EQ(::read(pipe[0], &round, 1), 1);
        }
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ::close(pipe[0]);
        ASSERT_TRUE(WIFSIGNALED(status));

        expectWholeProfile(bench.kindFolder(DeviceKind::Keyboard) + "p0.config");
        expectWholeIndex(bench, list);
    }
}

TEST(InterruptedSave, NoTemporaryFileRemainsAfterOrdinarySaves) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Mouse, ProfileKind::Lighting);
    bench.makeList(list, {"a"});
    for (int i = 0; i < 5; ++i) {
        bench.store.saveSelectedProfile(list);
    }
    EXPECT_EQ(folderEntries(bench.kindFolder(DeviceKind::Mouse)),
              (std::vector<std::string>{"a.led", "msProfile.ini"}));
}

}  // namespace
}  // namespace quillon
