#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/MachineSettings.h"
#include "platform/PlatformTestSupport.h"

namespace quillon {
namespace {

using testing::folderEntries;
using testing::readFile;
using testing::ScopedEnv;
using testing::TempFolder;
using testing::writeFile;

TEST(MachineSettings, MissingFileReadsNothingAndIsNeverCreated) {
    TempFolder folder;
    const MachineSettings settings(folder.file("machine.ini"));
    EXPECT_FALSE(settings.read().has_value());
    EXPECT_FALSE(settings.write(kMachineLanguageEnglish));
    EXPECT_FALSE(settings.writeLanguage(kMachineLanguageChinese));
    EXPECT_TRUE(folderEntries(folder.path()).empty());
}

TEST(MachineSettings, ExistingFileIsReadAndUpdatedInPlace) {
    TempFolder folder;
    const std::string path = folder.file("machine.ini");
    writeFile(path,
              "; managed by the installer\r\n[gaming mouse]\r\nLanguage = 2020\r\nOther=x\r\n");
    const MachineSettings settings(path);
    EXPECT_EQ(settings.read(), "2020");
    ASSERT_TRUE(settings.write(kMachineLanguageEnglish));
    EXPECT_EQ(settings.readLanguage(), "1010");
    EXPECT_EQ(readFile(path),
              "; managed by the installer\r\n[gaming mouse]\r\nLanguage = 1010\r\nOther=x\r\n");
}

TEST(MachineSettings, FileWithoutTheKeyGetsIt) {
    TempFolder folder;
    const std::string path = folder.file("machine.ini");
    writeFile(path, "");
    const MachineSettings settings(path);
    EXPECT_FALSE(settings.read().has_value());
    ASSERT_TRUE(settings.write(kMachineLanguageChinese));
    EXPECT_EQ(readFile(path), "[Gaming Mouse]\nLANGUAGE=2020\n");
}

TEST(MachineSettings, BadValuesAndFoldersAreRefused) {
    TempFolder folder;
    const std::string path = folder.file("machine.ini");
    writeFile(path, "[Gaming Mouse]\nLANGUAGE=" + std::string(600, '7') + "\n");
    const MachineSettings settings(path);
    EXPECT_EQ(settings.read()->size(), 259u);
    EXPECT_FALSE(settings.write("1010\n[Gaming Mouse]"));
    EXPECT_EQ(settings.read()->size(), 259u);
    EXPECT_FALSE(MachineSettings(folder.path()).write("1010"));
}

TEST(MachineSettings, WritableFileInALockedFolderIsStillUpdated) {
    TempFolder folder;
    const std::string locked = folder.file("etc");
    ASSERT_EQ(::mkdir(locked.c_str(), 0755), 0);
    ::chmod(folder.path().c_str(), 0755);
    const std::string path = locked + "/machine.ini";
    writeFile(path, "[Gaming Mouse]\nLANGUAGE=2020\n");
    ::chmod(path.c_str(), 0666);
    ::chmod(locked.c_str(), 0555);
    EXPECT_TRUE(testing::runUnprivileged(
        [&] { return MachineSettings(path).write(kMachineLanguageEnglish); }));
    EXPECT_EQ(readFile(path), "[Gaming Mouse]\nLANGUAGE=1010\n");
    EXPECT_EQ(folderEntries(locked), std::vector<std::string>{"machine.ini"});
}

TEST(MachineSettings, EnvironmentNamesTheFile) {
    {
        const ScopedEnv unset("QUILLON_MACHINE_SETTINGS", std::nullopt);
        EXPECT_EQ(MachineSettings::fromEnvironment().path(), "/etc/quillon/machine.ini");
    }
    const ScopedEnv set("QUILLON_MACHINE_SETTINGS", "/tmp/elsewhere.ini");
    EXPECT_EQ(MachineSettings::fromEnvironment().path(), "/tmp/elsewhere.ini");
}

}  // namespace
}  // namespace quillon
