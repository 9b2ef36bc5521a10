#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <thread>
#include <vector>

#include "platform/IniFile.h"
#include "platform/PlatformTestSupport.h"

namespace quillon {
namespace {

using testing::folderEntries;
using testing::readFile;
using testing::TempFolder;
using testing::writeFile;

mode_t modeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

TEST(IniFileStore, ReadsWhatWindowsWroteAndRewritesOnlyTheChangedLine) {
    TempFolder folder;
    const std::string path = folder.file("msProfile.ini");
    writeFile(path, "[PROFILECOUNT]\r\ncount=1\r\n[PROFILENAME]\r\n0=profile1\r\n");
    const IniFile file(path);
    EXPECT_EQ(file.readInt("profilecount", "count"), 1);
    ASSERT_TRUE(file.writeInt("PROFILECOUNT", "count", 2));
    ASSERT_TRUE(file.write("PROFILENAME", "1", "Évening"));
    EXPECT_EQ(readFile(path),
              "[PROFILECOUNT]\r\ncount=2\r\n[PROFILENAME]\r\n0=profile1\r\n1=Évening\r\n");
    EXPECT_EQ(file.read("profilename", "1"), "Évening");
}

TEST(IniFileStore, MissingFileReadsDefaultsAndIsCreatedByTheFirstWrite) {
    TempFolder folder;
    const IniFile file(folder.file("main.ini"));
    EXPECT_EQ(file.read("SKINIMAGE", "LANGUAGE"), "0");
    EXPECT_EQ(file.readInt("SKINIMAGE", "FLAGS", 5), 5);
    ASSERT_TRUE(file.write("SKINIMAGE", "LANGUAGE", "1"));
    EXPECT_EQ(readFile(file.path()), "[SKINIMAGE]\nLANGUAGE=1\n");
}

TEST(IniFileStore, RewriteLeavesNoTemporaryFileAndKeepsPermissions) {
    TempFolder folder;
    const std::string path = folder.file("kbProfile.ini");
    writeFile(path, "[a]\nx=1\n");
    ::chmod(path.c_str(), 0640);
    const IniFile file(path);
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(file.writeInt("a", "x", i));
    }
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"kbProfile.ini"});
    EXPECT_EQ(modeOf(path), 0640u);
    EXPECT_EQ(file.readInt("a", "x"), 4);
}

TEST(IniFileStore, SymbolicLinkStaysALinkAndItsTargetIsRewritten) {
    TempFolder folder;
    writeFile(folder.file("real.ini"), "[a]\nx=1\n");
    ASSERT_EQ(::symlink("real.ini", folder.file("link.ini").c_str()), 0);
    ASSERT_TRUE(IniFile(folder.file("link.ini")).write("a", "x", "2"));
    struct stat st {};
    ASSERT_EQ(::lstat(folder.file("link.ini").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(readFile(folder.file("real.ini")), "[a]\nx=2\n");
}

TEST(IniFileStore, FailedRenameLeavesNoTemporaryFile) {
    TempFolder folder;
    // A folder that is not empty cannot be replaced by a file.
    const std::string path = folder.file("blocked.ini");
    ASSERT_EQ(::mkdir(path.c_str(), 0755), 0);
    writeFile(path + "/keep", "kept");
    const IniFile file(path);
    EXPECT_FALSE(file.write("a", "x", "1"));
    EXPECT_EQ(file.read("a", "x"), "0");
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"blocked.ini"});
    EXPECT_EQ(readFile(path + "/keep"), "kept");
}

TEST(IniFileStore, ReadOnlyFolderOrFileKeepsTheOldContent) {
    TempFolder folder;
    const std::string lockedFolder = folder.file("locked");
    const std::string openFolder = folder.file("open");
    ASSERT_EQ(::mkdir(lockedFolder.c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(openFolder.c_str(), 0777), 0);
    ::chmod(folder.path().c_str(), 0755);
    ::chmod(openFolder.c_str(), 0777);
    const std::string inLocked = lockedFolder + "/main.ini";
    const std::string readOnly = openFolder + "/main.ini";
    writeFile(inLocked, "[a]\nx=old\n");
    writeFile(readOnly, "[a]\nx=old\n");
    ::chmod(inLocked.c_str(), 0666);
    ::chmod(readOnly.c_str(), 0444);
    ::chmod(lockedFolder.c_str(), 0555);

    const bool refused = testing::runUnprivileged([&] {
        return !IniFile(inLocked).write("a", "x", "new") &&
               !IniFile(readOnly).write("a", "x", "new");
    });
    EXPECT_TRUE(refused);
    EXPECT_EQ(readFile(inLocked), "[a]\nx=old\n");
    EXPECT_EQ(readFile(readOnly), "[a]\nx=old\n");
    EXPECT_EQ(folderEntries(lockedFolder), std::vector<std::string>{"main.ini"});
    EXPECT_EQ(folderEntries(openFolder), std::vector<std::string>{"main.ini"});
}

TEST(IniFileStore, OversizedOrNonRegularFilesReadEmptyAndAreNeverReplaced) {
    TempFolder folder;
    const std::string huge = folder.file("huge.ini");
    writeFile(huge, "[a]\nx=1\n");
    ASSERT_EQ(::truncate(huge.c_str(), kIniFileLimit + 1), 0);
    const IniFile hugeFile(huge);
    EXPECT_EQ(hugeFile.read("a", "x"), "0");
    EXPECT_FALSE(hugeFile.write("a", "x", "2"));
    struct stat st {};
    ASSERT_EQ(::stat(huge.c_str(), &st), 0);
    EXPECT_EQ(static_cast<std::size_t>(st.st_size), kIniFileLimit + 1);

    const std::string pipe = folder.file("pipe.ini");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(IniFile(pipe).read("a", "x", "none"), "none");
    EXPECT_FALSE(IniDocument::tryLoad(pipe).has_value());
    EXPECT_FALSE(IniFile(pipe).write("a", "x", "1"));
}

TEST(IniFileStore, ValueWithLineBreakIsRefusedAndTheFileUntouched) {
    TempFolder folder;
    const std::string path = folder.file("msMacro.ini");
    writeFile(path, "[MACRONAME]\n0=name_1\n");
    EXPECT_FALSE(IniFile(path).write("MACRONAME", "0", "evil\n[MACROCOUNT]\ncount=999"));
    EXPECT_EQ(readFile(path), "[MACRONAME]\n0=name_1\n");
}

TEST(IniFileStore, ConcurrentWritersLoseNoKey) {
    TempFolder folder;
    const IniFile file(folder.file("shared.ini"));
    std::vector<std::thread> writers;
    for (int t = 0; t < 4; ++t) {
        writers.emplace_back([&file, t] {
            for (int i = 0; i < 10; ++i) {
                file.writeInt("T" + std::to_string(t), std::to_string(i), t * 100 + i);
            }
        });
    }
    for (std::thread& writer : writers) {
        writer.join();
    }
    const IniDocument doc = IniDocument::load(file.path());
    for (int t = 0; t < 4; ++t) {
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(doc.readInt("t" + std::to_string(t), std::to_string(i), -1), t * 100 + i);
        }
    }
}

}  // namespace
}  // namespace quillon
