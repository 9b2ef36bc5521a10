#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "lighting/MouseRecord.h"
#include "profiles/DefaultTables.h"
#include "profiles/KeyFunctionNames.h"
#include "profiles/ProfileFile.h"
#include "profiles/ProfileList.h"
#include "profiles/ProfileTestSupport.h"

namespace quillon {
namespace {

using testing::readBytes;
using testing::readText;
using testing::ScratchFolder;

std::string sourceDir() {
    if (const char* dir = std::getenv("QUILLON_SOURCE_DIR")) {
        return std::string(dir) + "/";
    }
    const std::string here = __FILE__;  // .../tests/profiles/default_tables_test.cpp
    return here.substr(0, here.rfind("/tests/")) + "/";
}

const DefaultProfileFile* findFile(const DefaultBuild& build, const std::string& name) {
    for (const DefaultProfileFile& file : build.files) {
        if (file.name == name) {
            return &file;
        }
    }
    return nullptr;
}

std::vector<std::uint8_t> payloadOf(const DefaultProfileFile& file) {
    return {file.image.begin() + kProfileHeaderSize, file.image.end()};
}

TEST(DefaultProfileFiles, CommittedFilesAreWhatTheTablesMake) {
    ScratchFolder out;
    const DefaultBuild build = buildDefaultProfileFiles(sourceDir() + "tools/defaults");
    ASSERT_TRUE(build.ok()) << build.errors.front();
    ASSERT_EQ(writeDefaultProfileFiles(build, out.path()), 1);
    ASSERT_EQ(build.files.size(), 10u);
    for (const DefaultProfileFile& file : build.files) {
        const auto committed = readBytes(sourceDir() + "defaults/" + file.name);
        EXPECT_EQ(readBytes(out.path() + file.name), committed)
            << file.name << " differs from the tables; run the quillon-defaults target";
    }
}

TEST(DefaultProfileFiles, EveryListHasItsDefaultFileForBothVariants) {
    const DefaultBuild build = buildDefaultProfileFiles(sourceDir() + "tools/defaults");
    ASSERT_TRUE(build.ok());
    for (const ProfileList& list : allProfileLists()) {
        for (int variant = 0; variant < 2; ++variant) {
            const DefaultProfileFile* file =
                findFile(build, std::string(list.defaultFile(variant)));
            ASSERT_NE(file, nullptr) << list.defaultFile(variant);
            EXPECT_EQ(file->image.size(), kProfileHeaderSize + list.payloadSize);
            EXPECT_EQ(file->image[0], 0xAA);
            EXPECT_EQ(file->image[1], 0x55);
            EXPECT_EQ(file->image[4], list.deviceCode());
        }
    }
}

TEST(DefaultProfileFiles, MouseKeysAndRecordCarryTheTableValues) {
    const DefaultBuild build = buildDefaultProfileFiles(sourceDir() + "tools/defaults");
    const auto device = payloadOf(*findFile(build, "msdevicedefault.config"));
    const std::vector<std::uint8_t> buttons = {0x10, 0x01, 0, 0x10, 0x04, 0, 0x10, 0x02, 0,
                                               0x10, 0x10, 0, 0x10, 0x08, 0, 0x13, 0x03, 0};
    EXPECT_TRUE(std::equal(buttons.begin(), buttons.end(), device.begin()));
    EXPECT_EQ(device[18], 0x05);
    EXPECT_EQ(device[509], 0x05);
    EXPECT_EQ(device[510], 0);
    EXPECT_EQ(device[511], 0);
    const auto lighting = payloadOf(*findFile(build, "msdengdefault.led"));
    EXPECT_TRUE(std::equal(lighting.begin(), lighting.end(), device.begin() + 512));
    EXPECT_EQ(lighting[mouse_field::kPointerSpeed], 10);
    EXPECT_EQ(lighting[mouse_field::kWheelLines], 3);
    EXPECT_EQ(lighting[dpiLevelOffset(5)], 63);
}

TEST(DefaultProfileFiles, KeyboardKeysFollowTheLayoutColumnByColumn) {
    const DefaultBuild build = buildDefaultProfileFiles(sourceDir() + "tools/defaults");
    const auto keys = payloadOf(*findFile(build, "kbkeydefault.pro"));
    auto key = [&](int n) {
        return KeyFunctionBytes{keys[3 * n], keys[3 * n + 1], keys[3 * n + 2]};
    };
    EXPECT_EQ(key(0), (KeyFunctionBytes{0x20, 0, 0x29}));    // Esc
    EXPECT_EQ(key(1), (KeyFunctionBytes{0x20, 0, 0x35}));    // grave, below it
    EXPECT_EQ(key(4), (KeyFunctionBytes{0x20, 0x02, 0}));    // left Shift
    EXPECT_EQ(key(5), (KeyFunctionBytes{0x20, 0x01, 0}));    // left Ctrl
    EXPECT_EQ(key(6), (KeyFunctionBytes{0x20, 0, 0x3A}));    // F1 heads column 1
    EXPECT_EQ(key(105), (KeyFunctionBytes{0x20, 0x80, 0}));  // right GUI, the last key
    EXPECT_EQ(key(106), (KeyFunctionBytes{0x05, 0x05, 0x05}));
    const auto variant1 = payloadOf(*findFile(build, "kbkey15default.pro"));
    EXPECT_EQ(keys, variant1);
}

TEST(DefaultProfileFiles, KeyboardVariantsDifferInLighting) {
    const DefaultBuild build = buildDefaultProfileFiles(sourceDir() + "tools/defaults");
    const auto full = payloadOf(*findFile(build, "kbdengdefault.led"));
    const auto single = payloadOf(*findFile(build, "kb15dengdefault.led"));
    EXPECT_NE(full, single);
    EXPECT_EQ(single[68], 0xFF);  // set 0, key 0 lit
    EXPECT_EQ(single[68 + 126], 0);
    const auto device = payloadOf(*findFile(build, "kbdevice15default.config"));
    EXPECT_TRUE(std::equal(single.begin(), single.end(), device.begin() + 512));
}

void writeTable(const std::string& path, const std::string& text) {
    std::ofstream(path) << text;
}

struct BrokenTables : ::testing::Test {
    ScratchFolder dir;
    void SetUp() override {
        for (const char* name : {"mouse.ini", "keyboard.ini", "mousepad.ini"}) {
            writeTable(dir.path() + name, readText(sourceDir() + "tools/defaults/" + name));
        }
    }
    std::vector<std::string> errorsWith(const std::string& table, const std::string& extra) {
        writeTable(dir.path() + table, readText(dir.path() + table) + extra);
        return buildDefaultProfileFiles(dir.path()).errors;
    }
};

TEST_F(BrokenTables, CopiedTablesBuild) {
    EXPECT_TRUE(buildDefaultProfileFiles(dir.path()).ok());
}

TEST_F(BrokenTables, UnknownValueIsReported) {
    const auto errors = errorsWith("mousepad.ini", "[record]\nbrigthness = 3\n");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("brigthness"), std::string::npos);
}

TEST_F(BrokenTables, OutOfRangeAndMalformedValuesAreReported) {
    writeTable(dir.path() + "mousepad.ini",
               "[record]\nprofile_index=0\nmode=0\nbrightness=9\nspeed=x\ndirection=1\n"
               "seven_colour=1\ncolour=#12345\n");
    const auto errors = buildDefaultProfileFiles(dir.path()).errors;
    EXPECT_EQ(errors.size(), 3u);
    DefaultBuild build = buildDefaultProfileFiles(dir.path());
    EXPECT_LT(writeDefaultProfileFiles(build, dir.path() + "out"), 0);
}

TEST_F(BrokenTables, UnknownKeyFunctionAndMissingTableAreReported) {
    EXPECT_FALSE(errorsWith("mouse.ini", "[keys]\nkey.9 = mouse:sideways\n").empty());
    std::remove((dir.path() + "keyboard.ini").c_str());
    const auto errors = buildDefaultProfileFiles(dir.path()).errors;
    EXPECT_TRUE(std::any_of(errors.begin(), errors.end(), [](const std::string& e) {
        return e.find("keyboard.ini") != std::string::npos;
    }));
}

TEST(KeyFunctionNameParsing, Families) {
    EXPECT_EQ(parseKeyFunctionName("mouse:forward"), (KeyFunctionBytes{0x10, 0x10, 0}));
    EXPECT_EQ(parseKeyFunctionName("dpi:down"), (KeyFunctionBytes{0x13, 2, 0}));
    EXPECT_EQ(parseKeyFunctionName("key:a"), (KeyFunctionBytes{0x20, 0, 0x04}));
    EXPECT_EQ(parseKeyFunctionName("key:Z"), (KeyFunctionBytes{0x20, 0, 0x1D}));
    EXPECT_EQ(parseKeyFunctionName("key:0"), (KeyFunctionBytes{0x20, 0, 0x27}));
    EXPECT_EQ(parseKeyFunctionName("key:1"), (KeyFunctionBytes{0x20, 0, 0x1E}));
    EXPECT_EQ(parseKeyFunctionName("key:F12"), (KeyFunctionBytes{0x20, 0, 0x45}));
    EXPECT_EQ(parseKeyFunctionName("key:kpenter"), (KeyFunctionBytes{0x20, 0, 0x58}));
    EXPECT_EQ(parseKeyFunctionName("key:RAlt"), (KeyFunctionBytes{0x20, 0x40, 0}));
    EXPECT_EQ(parseKeyFunctionName("raw:A0 02 02"), (KeyFunctionBytes{0xA0, 0x02, 0x02}));
}

TEST(KeyFunctionNameParsing, RejectsWhatItDoesNotKnow) {
    for (const char* text : {"", "left", "mouse:", "mouse:left2", "key:F13", "key:F0", "key:Fx",
                             "dpi:max", "raw:A0 02", "raw:A0 02 02 03", "raw:100 0 0", "x:y"}) {
        EXPECT_FALSE(parseKeyFunctionName(text).has_value()) << text;
    }
}

}  // namespace
}  // namespace quillon
