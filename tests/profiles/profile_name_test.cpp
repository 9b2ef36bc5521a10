#include <gtest/gtest.h>

#include "platform/IniFile.h"
#include "profiles/ProfileMessages.h"
#include "profiles/ProfileName.h"
#include "profiles/ProfileOperations.h"

namespace quillon {
namespace {

TEST(ProfileNameSafety, NamesThatWouldLeaveTheFolderAreRefused) {
    for (const char* name : {"", ".", "..", "a/b", "../x", "a\\b", "/abs", "tab\there", "new\nline",
                             "bell\a", "del\x7f"}) {
        EXPECT_FALSE(isSafeProfileName(name, ".pro")) << name;
    }
    for (const char* name : {"profile1", "My Profile", "...", ".hidden", "a.b", "游戏", "x=y"}) {
        EXPECT_TRUE(isSafeProfileName(name, ".pro")) << name;
    }
}

TEST(ProfileNameSafety, LengthLimitCountsTheExtension) {
    EXPECT_TRUE(isSafeProfileName(std::string(248, 'a'), ".config"));   // 255 bytes in all
    EXPECT_FALSE(isSafeProfileName(std::string(249, 'a'), ".config"));  // the file system says no
    EXPECT_TRUE(isSafeProfileName(std::string(251, 'a'), ".pro"));
    EXPECT_FALSE(isSafeProfileName(std::string(252, 'a'), ".pro"));
    // 83 three-byte characters and ".led" are 253 bytes: within both limits; one more is not.
    std::string wide;
    for (int i = 0; i < 83; ++i) {
        wide += "游";
    }
    EXPECT_TRUE(isSafeProfileName(wide, ".led"));
    EXPECT_FALSE(isSafeProfileName(wide + "游", ".led"));
}

TEST(ProfileNameCheck, EmptyOrBlankNameIsMessage14) {
    const std::vector<std::string> entries = {"profile1"};
    EXPECT_STREQ(checkNewProfileName("", ".pro", entries).message, profile_message::kNameEmpty);
    EXPECT_STREQ(checkNewProfileName("  \t ", ".pro", entries).message,
                 profile_message::kNameEmpty);
}

TEST(ProfileNameCheck, NameOfAnyEntryInAnyCaseIsMessage15) {
    const std::vector<std::string> entries = {"profile1", "Gaming"};
    EXPECT_STREQ(checkNewProfileName("profile1", ".pro", entries).message,
                 profile_message::kNameTaken);
    EXPECT_STREQ(checkNewProfileName("GAMING", ".pro", entries).message,
                 profile_message::kNameTaken);
    EXPECT_STREQ(checkNewProfileName(" gaming ", ".pro", entries).message,
                 profile_message::kNameTaken);
}

TEST(ProfileNameCheck, UnusableNamesAreMessage21) {
    const std::vector<std::string> entries = {"profile1"};
    for (const char* name : {"..", "a/b", "a\\b", "x\x01y", "."}) {
        EXPECT_STREQ(checkNewProfileName(name, ".pro", entries).message,
                     profile_message::kNameUnusable)
            << name;
    }
    EXPECT_STREQ(checkNewProfileName(std::string(300, 'n'), ".pro", entries).message,
                 profile_message::kNameUnusable);
}

TEST(ProfileNameCheck, UsableNameIsTrimmed) {
    const NameCheck check = checkNewProfileName("  Work  ", ".led", {"profile1"});
    EXPECT_EQ(check.message, nullptr);
    EXPECT_EQ(check.name, "Work");
}

TEST(ProfileNameCheck, EveryAcceptedNameComesBackFromTheIndexFileUnchanged) {
    int accepted = 0;
    for (const char* text : {"\"quoted\"", "'single'", "a;b", "[x]", "a = b", "#hash", "游戏 1"}) {
        const NameCheck check = checkNewProfileName(text, ".pro", {});
        if (check.message != nullptr) {
            EXPECT_STREQ(check.message, profile_message::kNameUnusable) << text;
            continue;
        }
        ++accepted;
        IniDocument doc;
        doc.write("PROFILENAME", "0", check.name);
        EXPECT_EQ(IniDocument::parse(doc.text()).read("PROFILENAME", "0"), check.name) << text;
    }
    EXPECT_GT(accepted, 0);
}

TEST(NewProfileNames, SmallestFreeNumberIgnoringCase) {
    EXPECT_EQ(nextNewProfileName({}), "profile1");
    EXPECT_EQ(nextNewProfileName({"profile1", "Profile3"}), "profile2");
    EXPECT_EQ(nextNewProfileName({"PROFILE1"}), "profile2");
    EXPECT_EQ(nextNewProfileName({"profile2", "profile1", "profile3"}), "profile4");
}

TEST(CopyProfileNames, CopySuffixRepeatsWhileTaken) {
    EXPECT_EQ(copyProfileName("A", {"A"}), "A copy");
    EXPECT_EQ(copyProfileName("A", {"A", "A copy"}), "A copy copy");
    EXPECT_EQ(copyProfileName("A", {"A", "a COPY", "A copy copy"}), "A copy copy copy");
}

}  // namespace
}  // namespace quillon
