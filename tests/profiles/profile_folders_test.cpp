#include <gtest/gtest.h>

#include <filesystem>

#include "profiles/ProfileFolders.h"
#include "profiles/ProfileTestSupport.h"

namespace quillon {
namespace {

using testing::fileExists;
using testing::ScratchFolder;
using testing::writeBytes;

TEST(ProfileFolderPaths, KindFoldersAreMadeOnDemandInsideTheDataFolder) {
    ScratchFolder data;
    const ProfileFolders folders(data.path() + "Gaming MouseV1", "/nowhere");
    EXPECT_EQ(folders.kindFolder(DeviceKind::Keyboard), data.path() + "Gaming MouseV1/kb/");
    EXPECT_TRUE(std::filesystem::is_directory(data.path() + "Gaming MouseV1/kb"));
    EXPECT_EQ(folders.indexFile(DeviceKind::Mouse),
              data.path() + "Gaming MouseV1/ms/msProfile.ini");
    EXPECT_EQ(folders.indexFile(DeviceKind::Mousepad),
              data.path() + "Gaming MouseV1/mp/mpProfile.ini");
}

TEST(ProfileFolderPaths, ProfileFileIsKindFolderNameAndExtension) {
    ScratchFolder data;
    const ProfileFolders folders(data.path(), "/nowhere/");
    const ProfileList& key = *findProfileList(DeviceKind::Keyboard, ProfileKind::Key);
    const ProfileList& device = *findProfileList(DeviceKind::Mouse, ProfileKind::Device);
    EXPECT_EQ(folders.profileFile(key, "Work"), data.path() + "kb/Work.pro");
    EXPECT_EQ(folders.profileFile(device, "profile1"), data.path() + "ms/profile1.config");
}

TEST(ProfileFolderPaths, UnsafeNamesGiveNoPath) {
    ScratchFolder data;
    const ProfileFolders folders(data.path(), "/nowhere/");
    const ProfileList& list = *findProfileList(DeviceKind::Mousepad, ProfileKind::Lighting);
    for (const char* name : {"../escape", "..", "a/b", ""}) {
        EXPECT_EQ(folders.profileFile(list, name), "") << name;
        EXPECT_EQ(folders.existingProfileFile(list, name), "") << name;
    }
}

TEST(ProfileFolderPaths, ReadingMatchesFileNamesWithoutRegardToCase) {
    ScratchFolder data;
    const ProfileFolders folders(data.path(), "/nowhere/");
    const ProfileList& key = *findProfileList(DeviceKind::Mouse, ProfileKind::Key);
    std::filesystem::create_directories(data.path() + "ms");
    writeBytes(data.path() + "ms/x.pro", {1});
    EXPECT_EQ(findFileNoCase(data.path() + "ms/", "x.PRO"), data.path() + "ms/x.pro");
    EXPECT_EQ(folders.existingProfileFile(key, "X"), data.path() + "ms/x.pro");
    EXPECT_EQ(folders.existingProfileFile(key, "y"), data.path() + "ms/y.pro");
}

TEST(ProfileFolderPaths, ExactNameWinsOverOtherCases) {
    ScratchFolder data;
    writeBytes(data.path() + "A.led", {1});
    writeBytes(data.path() + "a.led", {2});
    writeBytes(data.path() + "a.LED", {3});
    EXPECT_EQ(findFileNoCase(data.path(), "a.LED"), data.path() + "a.LED");
    EXPECT_EQ(findFileNoCase(data.path(), "A.Led"), data.path() + "A.led");  // first in order
}

TEST(ProfileFolderPaths, DefaultFilesFollowTheKeyboardVariantAndIgnoreCase) {
    ScratchFolder program;
    writeBytes(program.path() + "kbkey15default.pro", {1});
    writeBytes(program.path() + "msdengdefault.led", {1});
    const ProfileFolders folders("/nowhere/", program.path());
    const ProfileList& kbKey = *findProfileList(DeviceKind::Keyboard, ProfileKind::Key);
    const ProfileList& msLed = *findProfileList(DeviceKind::Mouse, ProfileKind::Lighting);
    EXPECT_EQ(folders.defaultFile(kbKey, 1), program.path() + "kbkey15default.pro");
    EXPECT_EQ(folders.defaultFile(kbKey, 0), program.path() + "kbkeydefault.pro");
    EXPECT_EQ(folders.defaultFile(msLed, 1), program.path() + "msdengdefault.led");
    EXPECT_EQ(findFileNoCase(program.path(), "msdengdefault.Led"),
              program.path() + "msdengdefault.led");
}

TEST(ProfileListTable, SectionsExtensionsAndCodes) {
    const ProfileList& kbDevice = *findProfileList(DeviceKind::Keyboard, ProfileKind::Device);
    EXPECT_EQ(kbDevice.sections.count, "PROFILEDEVICECOUNT");
    EXPECT_EQ(kbDevice.sections.linkPath, "DEVICEPROCESS");
    EXPECT_EQ(kbDevice.extension(), ".config");
    EXPECT_EQ(kbDevice.deviceCode(), 1);
    const ProfileList& msKey = *findProfileList(DeviceKind::Mouse, ProfileKind::Key);
    EXPECT_EQ(msKey.sections.name, "PROFILENAME");
    EXPECT_EQ(msKey.sections.linkFlag, "PROFILELIKEEXE");
    EXPECT_EQ(msKey.deviceCode(), 2);
    const ProfileList& pad = *findProfileList(DeviceKind::Mousepad, ProfileKind::Lighting);
    EXPECT_EQ(pad.sections.select, "PROFILEDENGSELECT");
    EXPECT_EQ(pad.deviceCode(), 3);
    EXPECT_EQ(pad.defaultFile(1), "mpdengdefault.led");
    EXPECT_EQ(findProfileList(DeviceKind::Mousepad, ProfileKind::Key), nullptr);
    EXPECT_EQ(findProfileList(DeviceKind::Keyboard, ProfileKind::Lighting)->defaultFile(1),
              "kb15dengdefault.led");
}

TEST(ProfileListTable, SetUpOrderIsDeviceLightingKeyPerDevice) {
    std::vector<std::string> order;
    for (const ProfileList& list : allProfileLists()) {
        order.push_back(std::string(kindPrefix(list.device)) +
                        std::string(profileKindTag(list.kind)));
    }
    EXPECT_EQ(order, (std::vector<std::string>{"kbdevice", "kbdeng", "kbkey", "msdevice", "msdeng",
                                               "mskey", "mpdeng"}));
}

}  // namespace
}  // namespace quillon
