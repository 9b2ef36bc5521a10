#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/FileIo.h"
#include "platform/Paths.h"
#include "platform/PlatformTestSupport.h"
#include "platform/XdgUserDirs.h"

namespace quillon {
namespace {

using testing::ScopedEnv;
using testing::TempFolder;
using testing::writeFile;

TEST(XdgUserDirs, DocumentsFolderIsTakenFromTheShellStyleLine) {
    const std::string home = "/home/ada";
    EXPECT_EQ(parseXdgUserDir("XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n", "XDG_DOCUMENTS_DIR", home),
              "/home/ada/Dokumente");
    EXPECT_EQ(parseXdgUserDir("XDG_DOCUMENTS_DIR=\"/data/docs/\"", "XDG_DOCUMENTS_DIR", home),
              "/data/docs");
    EXPECT_EQ(parseXdgUserDir("XDG_DOCUMENTS_DIR=\"$HOME\"", "XDG_DOCUMENTS_DIR", home), home);
    EXPECT_EQ(
        parseXdgUserDir("  XDG_DOCUMENTS_DIR=\"$HOME/My \\\"Docs\\\"\"", "XDG_DOCUMENTS_DIR", home),
        "/home/ada/My \"Docs\"");
}

TEST(XdgUserDirs, OtherNamesCommentsAndBadLinesAreIgnoredAndTheLastGoodLineWins) {
    const std::string text =
        "# XDG_DOCUMENTS_DIR=\"$HOME/commented\"\n"
        "XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n"
        "XDG_DOCUMENTS_DIRX=\"$HOME/wrong\"\n"
        "XDG_DOCUMENTS_DIR=\"$HOME/first\"\n"
        "XDG_DOCUMENTS_DIR=\"relative/path\"\n"
        "XDG_DOCUMENTS_DIR=\"$HOME/unterminated\n"
        "XDG_DOCUMENTS_DIR=$HOME/unquoted\n";
    EXPECT_EQ(parseXdgUserDir(text, "XDG_DOCUMENTS_DIR", "/h"), "/h/first");
    EXPECT_FALSE(parseXdgUserDir("XDG_DOCUMENTS_DIR=\"docs\"", "XDG_DOCUMENTS_DIR", "/h"));
    EXPECT_FALSE(parseXdgUserDir("", "XDG_DOCUMENTS_DIR", "/h"));
}

// Runs Paths::fromEnvironment with a fake home folder and no overrides.
class PathsWithFakeHome : public ::testing::Test {
  protected:
    TempFolder home;
    ScopedEnv homeEnv{"HOME", home.path()};
    ScopedEnv configEnv{"XDG_CONFIG_HOME", std::nullopt};
    ScopedEnv dataEnv{"QUILLON_DATA_DIR", std::nullopt};
};

TEST_F(PathsWithFakeHome, DataFolderFollowsTheDesktopsDocumentsFolderAndIsCreated) {
    makeFolders(home.file(".config"));
    writeFile(home.file(".config/user-dirs.dirs"), "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
    const Paths paths = Paths::fromEnvironment();
    EXPECT_EQ(paths.dataDir, home.file("Dokumente/Gaming MouseV1/"));
    EXPECT_TRUE(isDirectory(paths.dataDir));
    EXPECT_EQ(paths.settingsFile(), home.file("Dokumente/Gaming MouseV1/main.ini"));
}

TEST_F(PathsWithFakeHome, ConfigHomeIsWhereUserDirsAreRead) {
    makeFolders(home.file("cfg"));
    writeFile(home.file("cfg/user-dirs.dirs"), "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n");
    const ScopedEnv config("XDG_CONFIG_HOME", home.file("cfg"));
    EXPECT_EQ(Paths::fromEnvironment().dataDir, home.file("Papers/Gaming MouseV1/"));
}

TEST_F(PathsWithFakeHome, WithoutUserDirsTheDocumentsFolderIsInHome) {
    const Paths paths = Paths::fromEnvironment();
    EXPECT_EQ(paths.dataDir, home.file("Documents/Gaming MouseV1/"));
    EXPECT_TRUE(isDirectory(paths.dataDir));
}

TEST_F(PathsWithFakeHome, DataFolderOverrideIsTheFolderItself) {
    const ScopedEnv data("QUILLON_DATA_DIR", home.file("override"));
    const Paths paths = Paths::fromEnvironment();
    EXPECT_EQ(paths.dataDir, home.file("override/"));
    EXPECT_TRUE(isDirectory(paths.dataDir));
    EXPECT_FALSE(isDirectory(home.file("Documents")));
}

TEST(ProgramFolder, OverrideWinsAndEndsWithASlash) {
    const ScopedEnv program("QUILLON_PROGRAM_DIR", "/opt/quillon");
    const Paths paths = Paths::fromEnvironment();
    EXPECT_EQ(paths.programDir, "/opt/quillon/");
    EXPECT_EQ(paths.skinDir(), "/opt/quillon/skin/");
}

TEST(ProgramFolder, BuildTreeRunsFromTheStagedFolder) {
    const ScopedEnv program("QUILLON_PROGRAM_DIR", std::nullopt);
    const Paths paths = Paths::fromEnvironment();
    ASSERT_FALSE(paths.programDir.empty());
    EXPECT_EQ(paths.programDir.back(), '/');
    EXPECT_TRUE(isRegularFile(paths.skinDir() + "lan_en.xml")) << paths.programDir;
}

TEST(ProgramFolder, InstalledShareFolderIsFoundFromTheExecutable) {
    TempFolder prefix;
    makeFolders(prefix.file("bin"));
    EXPECT_EQ(installedProgramFolder(prefix.file("bin/quillon")), "");
    makeFolders(prefix.file("share/quillon"));
    EXPECT_EQ(installedProgramFolder(prefix.file("bin/quillon")), prefix.file("share/quillon/"));
    EXPECT_EQ(installedProgramFolder("quillon"), "");
    EXPECT_EQ(installedProgramFolder(""), "");
}

TEST(MakeFolders, CreatesParentsAndReportsWhatExistsAfterwards) {
    TempFolder root;
    EXPECT_TRUE(makeFolders(root.file("a/b/c/")));
    EXPECT_TRUE(isDirectory(root.file("a/b/c")));
    EXPECT_TRUE(makeFolders(root.file("a/b")));
    writeFile(root.file("file"), "x");
    EXPECT_FALSE(makeFolders(root.file("file/sub")));
    EXPECT_FALSE(makeFolders(root.file("file")));
    EXPECT_FALSE(makeFolders(""));
}

}  // namespace
}  // namespace quillon
