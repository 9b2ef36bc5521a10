// The hidraw backend on a fake sysfs tree in a temporary folder, with named pipes standing in for
// the device nodes (they poll like hidraw nodes). These tests run on real time, with short limits.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <thread>
#include <vector>

#include "platform/PlatformTestSupport.h"
#include "platform/UniqueFd.h"
#include "platform/linux/HidrawSysfs.h"
#include "platform/linux/LinuxHidBackend.h"

namespace quillon {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Vendor collection with report id 4 and 63-byte input and output reports.
const Bytes kNumbered = {0x06, 0x1C, 0xFF, 0x09, 0x92, 0xA1, 0x01, 0x85, 0x04, 0x75, 0x08,
                         0x95, 0x3F, 0x09, 0x01, 0x81, 0x02, 0x09, 0x02, 0x91, 0x02, 0xC0};
// Mouse without report ids: buttons byte, X, Y.
const Bytes kUnnumbered = {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x05, 0x09, 0x19, 0x01, 0x29,
                           0x08, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0x05, 0x01, 0x09, 0x30,
                           0x09, 0x31, 0x75, 0x08, 0x95, 0x02, 0x81, 0x06, 0xC0};

constexpr HidAccess kReadOnly{true, false, true, false};
constexpr HidAccess kWriteOnly{false, true, true, false};
constexpr HidAccess kReadWrite{true, true, true, false};

class HidrawTree {
  public:
    HidrawTree() {
        std::filesystem::create_directories(sys() + "/class/hidraw");
        std::filesystem::create_directories(dev());
    }

    std::string sys() const { return folder_.file("sys"); }
    std::string dev() const { return folder_.file("dev"); }
    std::string node(unsigned n) const { return dev() + "/hidraw" + std::to_string(n); }
    std::string entry(unsigned n) const {
        return sys() + "/class/hidraw/hidraw" + std::to_string(n);
    }

    void add(unsigned n, const std::string& uevent, const Bytes& descriptor) const {
        std::filesystem::create_directories(entry(n) + "/device");
        testing::writeFile(entry(n) + "/device/uevent", uevent);
        if (!descriptor.empty()) {
            testing::writeFile(entry(n) + "/device/report_descriptor",
                               std::string(descriptor.begin(), descriptor.end()));
        }
        EXPECT_EQ(::mkfifo(node(n).c_str(), 0600), 0);
    }

    // The far end of a node's pipe.
    UniqueFd far(unsigned n, int mode) const {
        return UniqueFd(::open(node(n).c_str(), mode | O_NONBLOCK | O_CLOEXEC));
    }

  private:
    testing::TempFolder folder_;
};

std::string ueventFor(const char* ids) {
    return std::string("DRIVER=hid-generic\nHID_ID=") + ids + "\nHID_NAME=Gaming Mouse\n";
}

class HidrawTest : public ::testing::Test {
  protected:
    HidrawTest() {
        tree.add(0, ueventFor("0003:00000C45:00007643"), kNumbered);
        tree.add(1, ueventFor("0003:000046D:0000C077"), kUnnumbered);
    }

    std::unique_ptr<HidConnection> open(unsigned n, const HidAccess& access) {
        return backend.open(tree.node(n), access);
    }

    HidrawTree tree;
    LinuxHidBackend backend{tree.sys(), tree.dev()};
    std::unique_ptr<Clock> clock = makeSteadyClock();  // measures the limits
};

TEST(HidrawSysfsText, UeventGivesVendorAndProductOnlyWhenWellFormed) {
    std::uint16_t vendor = 1;
    std::uint16_t product = 1;
    EXPECT_TRUE(parseHidUevent("DRIVER=x\nHID_ID=0003:00000C45:00007643\n", vendor, product));
    EXPECT_EQ(vendor, 0x0C45);
    EXPECT_EQ(product, 0x7643);
    EXPECT_TRUE(parseHidUevent("HID_ID=0005:0000046d:0000b023", vendor, product));
    EXPECT_EQ(vendor, 0x046D);
    EXPECT_EQ(product, 0xB023);
    for (const char* bad :
         {"", "HID_NAME=x\n", "HID_ID=0003:00000C45\n", "HID_ID=0003:0000XC45:00007643\n",
          "HID_ID=0003:00010C45:00007643\n", "HID_ID=0003:000000C45:00007643\n",
          "HID_ID=0003::00007643\n", "HID_ID=0003:00000C45:00007643:1\n",
          " HID_ID=0003:00000C45:00007643"}) {
        vendor = 7;
        EXPECT_FALSE(parseHidUevent(bad, vendor, product)) << bad;
        EXPECT_EQ(vendor, 7) << bad;
    }
}

TEST(HidrawSysfsText, OnlyHidrawAndANumberNameANode) {
    unsigned number = 0;
    EXPECT_TRUE(parseHidrawName("hidraw0", number));
    EXPECT_EQ(number, 0u);
    EXPECT_TRUE(parseHidrawName("hidraw123", number));
    EXPECT_EQ(number, 123u);
    for (const char* bad : {"hidraw", "hidrawx", "hidraw-1", "hidraw1a", "xhidraw1", "hidraw+1",
                            "hidraw1234567890", "..", "hidraw1/../x", "HIDRAW1"}) {
        EXPECT_FALSE(parseHidrawName(bad, number)) << bad;
    }
}

TEST(HidrawSysfsText, ReportIdsAreFoundOnlyInReportIdItems) {
    EXPECT_TRUE(descriptorDeclaresReportIds(kNumbered));
    EXPECT_FALSE(descriptorDeclaresReportIds(kUnnumbered));
    // 0x85 inside the data of a long item and of a 2-byte item is not an item.
    EXPECT_FALSE(descriptorDeclaresReportIds({0xFE, 0x02, 0x00, 0x85, 0x01, 0x26, 0x85, 0x04}));
    EXPECT_FALSE(descriptorDeclaresReportIds({0xFE, 0x40}));
}

TEST_F(HidrawTest, EnumerationListsNodesInNumberOrderWithTheirIds) {
    tree.add(10, ueventFor("0003:00000C45:00005004"), kNumbered);
    tree.add(2, "DRIVER=hid-generic\n", kNumbered);  // no HID_ID line
    std::filesystem::create_directories(tree.sys() + "/class/hidraw/hidrawX");
    std::filesystem::create_directories(tree.sys() + "/class/hidraw/event3");
    std::vector<HidInterfaceInfo> found;
    ASSERT_EQ(backend.enumerate(found), 1);
    ASSERT_EQ(found.size(), 4u);
    EXPECT_EQ(found[0].path, tree.node(0));
    EXPECT_EQ(found[0].vendorId, 0x0C45);
    EXPECT_EQ(found[0].productId, 0x7643);
    EXPECT_EQ(found[1].productId, 0xC077);
    EXPECT_EQ(found[2].path, tree.node(2));
    EXPECT_EQ(found[2].vendorId, 0);
    EXPECT_EQ(found[3].path, tree.node(10));
    EXPECT_EQ(found[3].productId, 0x5004);
}

TEST(HidrawEnumerate, NoHidrawClassMeansNoInterfacesAndABrokenOneFails) {
    testing::TempFolder folder;
    LinuxHidBackend empty(folder.path(), folder.file("dev"));
    std::vector<HidInterfaceInfo> found(1);
    EXPECT_EQ(empty.enumerate(found), 1);
    EXPECT_TRUE(found.empty());

    std::filesystem::create_directories(folder.file("class"));
    testing::writeFile(folder.file("class/hidraw"), "not a folder");
    found.resize(1);
    EXPECT_EQ(empty.enumerate(found), 0);
    EXPECT_TRUE(found.empty());
}

TEST_F(HidrawTest, OpenTakesDescriptorAndIdsFromSysfs) {
    const auto connection = open(0, kReadOnly);
    ASSERT_NE(connection, nullptr);
    EXPECT_EQ(connection->vendorId(), 0x0C45);
    EXPECT_EQ(connection->productId(), 0x7643);
    EXPECT_EQ(connection->reportDescriptor(), kNumbered);
    // Trailing slashes on the roots change nothing.
    LinuxHidBackend slashed(tree.sys() + "/", tree.dev() + "//");
    EXPECT_NE(slashed.open(tree.node(1), kReadOnly), nullptr);
}

TEST_F(HidrawTest, OpenRefusesEveryPathButTheNodesOwnSpelling) {
    for (const std::string& path :
         {std::string("/etc/passwd"), tree.node(0) + "/../hidraw0", tree.dev() + "/hidraw00",
          tree.dev() + "/../dev/hidraw0", tree.node(0) + "x", std::string("hidraw0"),
          tree.dev() + "/hidraw0\n", std::string()}) {
        EXPECT_EQ(backend.open(path, kReadOnly), nullptr) << path;
        EXPECT_FALSE(backend.exists(path)) << path;
    }
}

TEST_F(HidrawTest, OpenRefusesNonDevicesAndMissingOrOversizedDescriptors) {
    std::filesystem::create_directories(tree.entry(5) + "/device");
    testing::writeFile(tree.entry(5) + "/device/report_descriptor",
                       std::string(kNumbered.begin(), kNumbered.end()));
    testing::writeFile(tree.node(5), "a regular file is no device");
    EXPECT_EQ(open(5, kReadOnly), nullptr);

    tree.add(6, ueventFor("0003:00000C45:00007643"), {});  // no descriptor, and no ioctl on a pipe
    EXPECT_EQ(open(6, kReadOnly), nullptr);

    tree.add(7, ueventFor("0003:00000C45:00007643"), Bytes(16385, 0x09));
    EXPECT_EQ(open(7, kReadOnly), nullptr);
    EXPECT_EQ(open(8, kReadOnly), nullptr);  // nothing there at all
}

TEST_F(HidrawTest, ExclusiveOpenKeepsOtherWritersButNotReadersOut) {
    auto exclusive = open(0, HidAccess{true, true, true, true});
    ASSERT_NE(exclusive, nullptr);
    EXPECT_EQ(open(0, kReadWrite), nullptr);
    EXPECT_EQ(open(0, HidAccess{true, true, true, true}), nullptr);
    EXPECT_NE(open(0, kReadOnly), nullptr);
    exclusive.reset();
    auto writer = open(0, kReadWrite);
    ASSERT_NE(writer, nullptr);
    EXPECT_NE(open(0, kReadWrite), nullptr);  // writers share
    EXPECT_EQ(open(0, HidAccess{true, true, true, true}), nullptr);
}

TEST_F(HidrawTest, ReadReturnsOneReportAsSent) {
    const auto connection = open(0, kReadOnly);
    ASSERT_NE(connection, nullptr);
    const UniqueFd device = tree.far(0, O_WRONLY);
    ASSERT_TRUE(device.valid());
    Bytes report(64, 0x5A);
    report[0] = 0x04;
    ASSERT_EQ(::write(device.get(), report.data(), report.size()), 64);
    Bytes buffer(64, 0);
    EXPECT_EQ(connection->read(buffer.data(), buffer.size(), 100), 64);
    EXPECT_EQ(buffer, report);
}

TEST_F(HidrawTest, ReportsWithoutIdsGetAZeroInFront) {
    const auto connection = open(1, kReadOnly);
    ASSERT_NE(connection, nullptr);
    const UniqueFd device = tree.far(1, O_WRONLY);
    const Bytes raw = {0x01, 0x05, 0xFB};
    ASSERT_EQ(::write(device.get(), raw.data(), raw.size()), 3);
    Bytes buffer(8, 0xEE);
    EXPECT_EQ(connection->read(buffer.data(), buffer.size(), 100), 4);
    EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + 4), (Bytes{0x00, 0x01, 0x05, 0xFB}));
}

TEST_F(HidrawTest, ASilentNodeTimesOutAtTheLimit) {
    const auto connection = open(0, kReadOnly);
    ASSERT_NE(connection, nullptr);
    const UniqueFd device = tree.far(0, O_WRONLY);
    Bytes buffer(64, 0);
    const Millis start = clock->now();
    EXPECT_EQ(connection->read(buffer.data(), buffer.size(), 30), kHidTimeout);
    const Millis elapsed = clock->now() - start;
    EXPECT_GE(elapsed, 30);
    EXPECT_LT(elapsed, 100);
    EXPECT_EQ(connection->read(buffer.data(), buffer.size(), 0), kHidTimeout);
}

TEST_F(HidrawTest, ACancelBeforeAReadEndsItAtOnceAndIsUsedUp) {
    const auto connection = open(0, kReadOnly);
    ASSERT_NE(connection, nullptr);
    const UniqueFd device = tree.far(0, O_WRONLY);
    Bytes buffer(64, 0);
    connection->cancel();
    connection->cancel();  // two cancels still end one wait
    const Millis start = clock->now();
    EXPECT_EQ(connection->read(buffer.data(), buffer.size(), 5000), kHidCancelled);
    EXPECT_LT(clock->now() - start, 100);
    EXPECT_EQ(connection->read(buffer.data(), buffer.size(), 20), kHidTimeout);
}

TEST_F(HidrawTest, ACancelWinsOverAReportThatIsReady) {
    const auto connection = open(0, kReadOnly);
    const UniqueFd device = tree.far(0, O_WRONLY);
    const Bytes report(64, 0x04);
    ASSERT_EQ(::write(device.get(), report.data(), report.size()), 64);
    connection->cancel();
    Bytes buffer(64, 0);
    EXPECT_EQ(connection->read(buffer.data(), buffer.size(), 100), kHidCancelled);
    EXPECT_EQ(connection->read(buffer.data(), buffer.size(), 100), 64);
}

TEST_F(HidrawTest, CancelFromAnotherThreadEndsAWaitingRead) {
    const auto connection = open(0, kReadOnly);
    ASSERT_NE(connection, nullptr);
    const UniqueFd device = tree.far(0, O_WRONLY);
    int result = 1;
    const Millis start = clock->now();
    std::thread reader([&] {
        Bytes buffer(64, 0);
        result = connection->read(buffer.data(), buffer.size(), 5000);
    });
    connection->cancel();  // before or during the wait: the read ends either way
    reader.join();
    EXPECT_EQ(result, kHidCancelled);
    EXPECT_LT(clock->now() - start, 1000);
}

TEST_F(HidrawTest, WriteReachesTheNodeAndAFullNodeTimesOut) {
    const UniqueFd device = tree.far(0, O_RDONLY);
    ASSERT_TRUE(device.valid());
    const auto connection = open(0, kWriteOnly);
    ASSERT_NE(connection, nullptr);
    Bytes report(64, 0x11);
    report[0] = 0x04;
    EXPECT_EQ(connection->write(report.data(), report.size(), 100), 64);
    Bytes received(64, 0);
    ASSERT_EQ(::read(device.get(), received.data(), received.size()), 64);
    EXPECT_EQ(received, report);

    // Fill the pipe so that the node takes nothing more.
    const UniqueFd filler = tree.far(0, O_WRONLY);
    const Bytes block(4096, 0);
    while (::write(filler.get(), block.data(), block.size()) > 0) {
    }
    const Millis start = clock->now();
    EXPECT_EQ(connection->write(report.data(), report.size(), 30), kHidTimeout);
    EXPECT_GE(clock->now() - start, 30);
    connection->cancel();
    EXPECT_EQ(connection->write(report.data(), report.size(), 5000), kHidCancelled);
}

TEST_F(HidrawTest, TransfersNeedTheAccessTheyWereOpenedWith) {
    const UniqueFd device = tree.far(0, O_RDONLY);
    const auto writeOnly = open(0, kWriteOnly);
    const auto readOnly = open(0, kReadOnly);
    ASSERT_NE(writeOnly, nullptr);
    ASSERT_NE(readOnly, nullptr);
    Bytes buffer(64, 0x04);
    EXPECT_EQ(writeOnly->read(buffer.data(), buffer.size(), 10), kHidError);
    EXPECT_EQ(readOnly->write(buffer.data(), buffer.size(), 10), kHidError);
    EXPECT_EQ(readOnly->read(nullptr, 64, 10), kHidError);
}

TEST_F(HidrawTest, ANodeWhoseOtherEndWentAwayFailsItsReads) {
    const auto connection = open(0, kReadOnly);
    ASSERT_NE(connection, nullptr);
    {
        const UniqueFd device = tree.far(0, O_WRONLY);
        const Bytes report(64, 0x04);
        ASSERT_EQ(::write(device.get(), report.data(), report.size()), 64);
    }
    Bytes buffer(64, 0);
    EXPECT_EQ(connection->read(buffer.data(), buffer.size(), 100), 64);  // what was sent first
    const Millis start = clock->now();
    EXPECT_EQ(connection->read(buffer.data(), buffer.size(), 1000), kHidError);
    EXPECT_LT(clock->now() - start, 100);
}

TEST_F(HidrawTest, ExistsNeedsBothTheNodeAndItsSysfsEntry) {
    EXPECT_TRUE(backend.exists(tree.node(0)));
    EXPECT_TRUE(backend.exists(tree.node(1)));
    EXPECT_FALSE(backend.exists(tree.node(3)));
    std::filesystem::remove(tree.node(0));
    EXPECT_FALSE(backend.exists(tree.node(0)));
    std::filesystem::remove_all(tree.entry(1));
    EXPECT_FALSE(backend.exists(tree.node(1)));
}

}  // namespace
}  // namespace quillon
