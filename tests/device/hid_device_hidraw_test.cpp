// HidDevice over the Linux hidraw backend, on a fake sysfs tree whose device nodes are named
// pipes: the road of a notification report from the node to the unpacked usage.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "device/HidDevice.h"
#include "device/HidSampleDescriptors.h"
#include "platform/UniqueFd.h"
#include "platform/linux/LinuxHidBackend.h"

namespace quillon {
namespace {

using hidfake::Bytes;

class HidrawDeviceTest : public ::testing::Test {
  protected:
    HidrawDeviceTest() {
        addNode(0, "0003:0000046D:0000C077", hidfake::kBootMouse);
        addNode(1, "0003:00000C45:00007643", hidfake::kConsumerControl);
    }
    ~HidrawDeviceTest() override {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    std::string node(unsigned n) const { return root_ + "/dev/hidraw" + std::to_string(n); }

    void addNode(unsigned n, const std::string& ids, const Bytes& descriptor) {
        const std::string entry =
            root_ + "/sys/class/hidraw/hidraw" + std::to_string(n) + "/device";
        std::filesystem::create_directories(entry);
        std::filesystem::create_directories(root_ + "/dev");
        std::ofstream(entry + "/uevent") << "HID_ID=" << ids << "\n";
        std::ofstream(entry + "/report_descriptor", std::ios::binary)
            .write(reinterpret_cast<const char*>(descriptor.data()),
                   static_cast<std::streamsize>(descriptor.size()));
        EXPECT_EQ(::mkfifo(node(n).c_str(), 0600), 0);
    }

    // Opens the first interface of the vendor for reading, the way a notification worker does.
    bool openVendorInterface() {
        if (EnumerateHidPaths(device) != 1) {
            return false;
        }
        for (const HidInterfaceInfo& info : device.pathList) {
            if (info.vendorId != 0x0C45) {
                continue;
            }
            device.devicePath = info.path;
            device.wantRead = true;
            device.wantOverlapped = true;
            return OpenHidDevice(device) == 1;
        }
        return false;
    }

    static std::string makeRoot() {
        char pattern[] = "/tmp/qhid-XXXXXX";
        return ::mkdtemp(pattern) != nullptr ? pattern : "/nonexistent/qhid";
    }

    std::string root_ = makeRoot();
    LinuxHidBackend backend{root_ + "/sys", root_ + "/dev"};
    HidDevice device{backend};
};

TEST_F(HidrawDeviceTest, ConsumerAnnouncementTravelsFromTheNodeToTheFirstUsage) {
    ASSERT_TRUE(openVendorInterface());
    EXPECT_EQ(device.devicePath, node(1));
    EXPECT_EQ(device.productId(), 0x7643);
    EXPECT_TRUE(device.hasTopLevelUsage(0x000C, 0x0001));
    ASSERT_EQ(device.capabilities().inputReportByteLength, 5);

    const UniqueFd far(::open(node(1).c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    ASSERT_TRUE(far.valid());
    auto& buffer = device.inputReportBuffer();
    std::size_t got = 0;
    EXPECT_EQ(ReadHidReport(device, buffer.data(), buffer.size(), 30, &got), 0);
    EXPECT_EQ(got, 0u);

    const Bytes report = {0x03, 0x02, 0x04, 0x00, 0x00};
    ASSERT_EQ(::write(far.get(), report.data(), report.size()), 5);
    ASSERT_NE(ReadHidReport(device, buffer.data(), buffer.size(), 500, &got), 0);
    ASSERT_EQ(got, 5u);
    ASSERT_TRUE(UnpackInputReport(device.inputItems(), *device.descriptor(), buffer.data(), got));
    EXPECT_EQ(device.inputItems()[0].usages[0], 0x0402);
}

TEST_F(HidrawDeviceTest, ReportsOfADeviceWithoutIdsUnpackLikeNumberedOnes) {
    device.devicePath = node(0);
    device.wantRead = true;
    ASSERT_EQ(OpenHidDevice(device), 1);
    const UniqueFd far(::open(node(0).c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    const Bytes raw = {0x02, 0xFE, 0x03, 0x00};  // right button, X -2, Y 3, wheel 0
    ASSERT_EQ(::write(far.get(), raw.data(), raw.size()), 4);
    auto& buffer = device.inputReportBuffer();
    std::size_t got = 0;
    ASSERT_NE(ReadHidReport(device, buffer.data(), buffer.size(), 500, &got), 0);
    ASSERT_EQ(got, 5u);
    ASSERT_TRUE(UnpackInputReport(device.inputItems(), *device.descriptor(), buffer.data(), got));
    const auto& items = device.inputItems();
    EXPECT_EQ(items[0].usages[0], 2);
    EXPECT_EQ(items[1].scaledValue, -2);
    EXPECT_EQ(items[2].scaledValue, 3);
}

}  // namespace
}  // namespace quillon
