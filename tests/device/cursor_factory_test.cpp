#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <string>
#include <vector>

#include "device/MemorySync.h"
#include "device/ProtocolFake.h"

namespace quillon {
namespace {

using protofake::Fault;
using protofake::RequestShape;
using Shapes = std::vector<RequestShape>;

struct CursorRig : protofake::ProtocolRig {
    CursorRig() { EXPECT_TRUE(protofake::connect(channel)); }
    void putHeader(std::uint16_t magic, std::uint16_t length) {
        auto& c = device.memory.cursor;
        std::iota(c.begin(), c.end(), std::uint8_t{0});
        c[0] = magic & 0xFF;
        c[1] = magic >> 8;
        c[2] = length & 0xFF;
        c[3] = length >> 8;
    }
    CommandResult read() {
        SyncHooks hooks;
        hooks.storeCursorImage = [this](std::span<const std::uint8_t> image) {
            ++handed;
            image_.assign(image.begin(), image.end());
        };
        return ReadCursorImage(channel, hooks);
    }
    Shapes sent() const { return protofake::shapes(device.requests); }
    int handed = 0;
    std::vector<std::uint8_t> image_;
};

TEST(ReadCursorImage, ReadsTheHeaderThenTheWholeImage) {
    CursorRig rig;
    rig.putHeader(0x55AA, 100);
    EXPECT_EQ(rig.read(), kCommandOk);
    EXPECT_EQ(rig.sent(),
              (Shapes{{0x01, 0, 0}, {0x16, 16, 0}, {0x16, 56, 0}, {0x16, 44, 56}, {0x02, 0, 0}}));
    ASSERT_EQ(rig.handed, 1);
    EXPECT_TRUE(std::equal(rig.image_.begin(), rig.image_.end(), rig.device.memory.cursor.begin()));
    EXPECT_EQ(rig.image_.size(), 100u);
}

TEST(ReadCursorImage, LengthLimitsAreSixteenAndTheCursorMemory) {
    for (std::uint16_t length : {16, 3072}) {
        CursorRig rig;
        rig.putHeader(0x55AA, length);
        EXPECT_EQ(rig.read(), kCommandOk) << length;
        EXPECT_EQ(rig.image_.size(), length);
    }
    for (std::uint16_t length : {0, 15, 3073, 0xFFFF}) {
        CursorRig rig;
        rig.putHeader(0x55AA, length);
        EXPECT_EQ(rig.read(), kCommandBadAnswer) << length;
        EXPECT_EQ(rig.handed, 0);
        EXPECT_EQ(rig.sent(), (Shapes{{0x01, 0, 0}, {0x16, 16, 0}, {0x02, 0, 0}})) << length;
    }
}

TEST(ReadCursorImage, HeaderWithoutMagicIsRefused) {
    CursorRig rig;
    rig.putHeader(0xAA55, 100);  // bytes in the wrong order
    EXPECT_EQ(rig.read(), kCommandBadAnswer);
    EXPECT_EQ(rig.handed, 0);
}

TEST(ReadCursorImage, FailedTransferHandsNothingOverAndClosesTheBracket) {
    CursorRig rig;
    rig.putHeader(0x55AA, 200);
    rig.device.faults.push_back({Fault::StatusFE, 3, 1});  // the image's second chunk
    EXPECT_EQ(rig.read(), kCommandStatusFE);
    EXPECT_EQ(rig.handed, 0);
    EXPECT_EQ(rig.sent().back(), (RequestShape{0x02, 0, 0}));
}

TEST(ReadCursorImage, AbsentMouseSendsNothing) {
    protofake::ProtocolRig rig;
    int handed = 0;
    SyncHooks hooks;
    hooks.storeCursorImage = [&](std::span<const std::uint8_t>) { ++handed; };
    EXPECT_EQ(ReadCursorImage(rig.channel, hooks), kCommandNoAnswer);
    EXPECT_EQ(handed, 0);
    EXPECT_TRUE(rig.device.requests.empty());
}

class FactoryTableFile : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = testing::TempDir() + "quillon-factory-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        EXPECT_TRUE(protofake::connect(rig_.channel));
        std::iota(rig_.device.memory.keyTable.begin(), rig_.device.memory.keyTable.end(),
                  std::uint8_t{3});
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::vector<std::uint8_t> fileBytes(const std::string& name) const {
        std::ifstream in(folder_ + "/" + name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    CommandResult save(int variant) {
        model_.keyboardVariant = variant;
        SyncHooks hooks;
        hooks.rebuildKeyPositionMap = [this] { ++rebuilt_; };
        return SaveKeyboardFactoryTable(model_, rig_.channel, folder_, hooks);
    }

    protofake::ProtocolRig rig_{DeviceKind::Keyboard};
    DeviceModel model_;
    std::string folder_;
    int rebuilt_ = 0;
};

TEST_F(FactoryTableFile, WritesAKeyboardProfileFileNamedByTheVariant) {
    EXPECT_EQ(save(1), kCommandOk);
    const auto bytes = fileBytes("kbdevice15default.config");
    ASSERT_EQ(bytes.size(), 16u + 512u);
    const std::vector<std::uint8_t> header = {0xAA, 0x55, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_TRUE(std::equal(header.begin(), header.end(), bytes.begin()));
    EXPECT_TRUE(std::equal(bytes.begin() + 16, bytes.end(), rig_.device.memory.keyTable.begin()));
    EXPECT_EQ(rebuilt_, 1);
    EXPECT_EQ(save(0), kCommandOk);
    EXPECT_EQ(fileBytes("kbdevicedefault.config").size(), 528u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_),
                            std::filesystem::directory_iterator()),
              2);  // no temporary file left behind
}

TEST_F(FactoryTableFile, ShortBlockKeepsTheRestOfTheModelTable) {
    rig_.channel.setBlockSize(126);
    model_.memory(DeviceKind::Keyboard).factoryKeyTable.fill(0xAB);
    EXPECT_EQ(save(0), kCommandOk);
    const auto bytes = fileBytes("kbdevicedefault.config");
    ASSERT_EQ(bytes.size(), 528u);
    EXPECT_EQ(bytes[16 + 125], rig_.device.memory.keyTable[125]);
    EXPECT_EQ(bytes[16 + 126], 0xAB);
}

TEST_F(FactoryTableFile, TableThatDidNotArriveWholeLeavesTheFileAlone) {
    {
        std::ofstream old(folder_ + "/kbdevicedefault.config", std::ios::binary);
        old << "old";
    }
    rig_.device.faults.push_back({Fault::StatusFF, 4, 1});
    EXPECT_EQ(save(0), kCommandStatusFF);
    EXPECT_EQ(fileBytes("kbdevicedefault.config"), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
    // The chunks that did arrive are in the model all the same.
    EXPECT_EQ(model_.memory(DeviceKind::Keyboard).factoryKeyTable[0],
              rig_.device.memory.keyTable[0]);
}

TEST_F(FactoryTableFile, MissingFolderIsAFileFailure) {
    folder_ += "/absent";
    EXPECT_EQ(save(0), kFileWriteFailed);
    folder_.resize(folder_.size() - 7);
}

TEST_F(FactoryTableFile, AbsentKeyboardWritesNothing) {
    rig_.channel.setConnected(false);
    EXPECT_EQ(save(0), kCommandNoAnswer);
    EXPECT_TRUE(std::filesystem::is_empty(folder_));
    EXPECT_EQ(rebuilt_, 0);
}

}  // namespace
}  // namespace quillon
