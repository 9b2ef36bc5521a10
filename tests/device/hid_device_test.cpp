#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/HidDataItems.h"
#include "device/HidDevice.h"
#include "device/HidFakeBackend.h"
#include "device/HidSampleDescriptors.h"
#include "platform/ClockSync.h"
#include "platform/VirtualClock.h"

namespace quillon {
namespace {

using hidfake::Bytes;
using hidfake::FakeHidBackend;
using hidfake::FakeInterface;
using Usages = std::vector<std::uint16_t>;

const std::string kConfigPath = "fake/config";
const std::string kConsumerPath = "fake/consumer";
const std::string kCompositePath = "fake/composite";
const std::string kRangePath = "fake/range";
const std::string kMousePath = "fake/mouse";
const std::string kBrokenPath = "fake/broken";

// Buttons 1..3 and 4..8 of one report as two main items: each item sees the other's usages.
const Bytes kSplitButtons = {0x05, 0x09, 0x09, 0x01, 0xA1, 0x01, 0x15, 0x00, 0x25, 0x01,
                             0x75, 0x01, 0x19, 0x01, 0x29, 0x03, 0x95, 0x03, 0x81, 0x02,
                             0x19, 0x04, 0x29, 0x08, 0x95, 0x05, 0x81, 0x02, 0xC0};
const std::string kSplitPath = "fake/split";

class HidDeviceTest : public ::testing::Test {
  protected:
    HidDeviceTest() {
        backend.add(FakeInterface{kConfigPath, 0x0C45, 0x7643, hidfake::kVendorConfig, true});
        backend.add(FakeInterface{kConsumerPath, 0x0C45, 0x7643, hidfake::kConsumerControl, true});
        backend.add(FakeInterface{kCompositePath, 0x0C45, 0x7643, hidfake::kCompositeMouse, true});
        backend.add(FakeInterface{kRangePath, 0x0C45, 0x5004, hidfake::kValueRange, true});
        backend.add(FakeInterface{kMousePath, 0x046D, 0xC077, hidfake::kBootMouse, true});
        backend.add(FakeInterface{kSplitPath, 0x0C45, 0x7643, kSplitButtons, true});
        backend.add(FakeInterface{kBrokenPath, 0x0C45, 0x7643, {0xA1, 0x01, 0x09}, true});
    }

    int open(const std::string& path) {
        device.devicePath = path;
        device.wantRead = true;
        device.wantWrite = true;
        device.wantOverlapped = true;
        return OpenHidDevice(device);
    }

    int read(std::uint8_t* buffer, std::size_t length, Millis limit, std::size_t& got) {
        return ReadHidReport(device, buffer, length, limit, &got);
    }

    bool unpack(const Bytes& report) {
        return UnpackInputReport(device.inputItems(), *device.descriptor(), report.data(),
                                 report.size());
    }

    VirtualClock clock;
    FakeHidBackend backend{clock};
    HidDevice device{backend};
};

// --- Enumeration ---

TEST(HidDeviceEnumerate, ListsEveryInterfaceHoweverManyAndResetsTheCursor) {
    VirtualClock clock;
    FakeHidBackend backend(clock);
    HidDevice device(backend);
    EXPECT_EQ(EnumerateHidPaths(device), 1);
    EXPECT_TRUE(device.pathList.empty());

    backend.addMany(37);
    device.nextPathIndex = 12;
    EXPECT_EQ(EnumerateHidPaths(device), 1);
    ASSERT_EQ(device.pathList.size(), 37u);
    EXPECT_EQ(device.nextPathIndex, 0u);
    for (std::size_t i = 0; i < 37; ++i) {
        EXPECT_EQ(device.pathList[i].path, "fake/" + std::to_string(i));
        EXPECT_EQ(device.pathList[i].productId, i);
    }
}

TEST(HidDeviceEnumerate, FailureLeavesAnEmptyList) {
    VirtualClock clock;
    FakeHidBackend backend(clock);
    HidDevice device(backend);
    backend.addMany(3);
    ASSERT_EQ(EnumerateHidPaths(device), 1);
    backend.failEnumeration(true);
    EXPECT_EQ(EnumerateHidPaths(device), 0);
    EXPECT_TRUE(device.pathList.empty());
}

// --- Opening and the description ---

TEST_F(HidDeviceTest, OpenDescribesTheConfigurationInterface) {
    device.exclusive = true;
    ASSERT_EQ(open(kConfigPath), 1);
    EXPECT_TRUE(device.isOpen());
    EXPECT_TRUE(backend.lastAccess().read);
    EXPECT_TRUE(backend.lastAccess().write);
    EXPECT_TRUE(backend.lastAccess().overlapped);
    EXPECT_TRUE(backend.lastAccess().exclusive);
    EXPECT_EQ(device.vendorId(), 0x0C45);
    EXPECT_EQ(device.productId(), 0x7643);
    EXPECT_EQ(device.capabilities().usagePage, 0xFF1C);
    EXPECT_EQ(device.capabilities().usage, 0x92);
    EXPECT_EQ(device.capabilities().inputReportByteLength, 64);
    EXPECT_EQ(device.capabilities().numberInputButtonCaps, 0);
    EXPECT_EQ(device.capabilities().numberInputValueCaps, 1);
    EXPECT_EQ(device.inputReportBuffer(), Bytes(64, 0));
    ASSERT_EQ(device.inputItems().size(), 1u);
    const HidDataItem& item = device.inputItems()[0];
    EXPECT_FALSE(item.isButtonData);
    EXPECT_EQ(item.usagePage, 0xFF1C);
    EXPECT_EQ(item.usage, 1);
    EXPECT_EQ(item.reportId, 4u);
    EXPECT_EQ(item.status, kHidStatusSuccess);
    EXPECT_FALSE(item.isDataSet);
    EXPECT_TRUE(device.hasTopLevelUsage(0xFF1C, 0x92));
    EXPECT_FALSE(device.hasTopLevelUsage(0x000C, 0x01));
}

TEST_F(HidDeviceTest, EveryTopLevelCollectionOfACompositeInterfaceCounts) {
    ASSERT_EQ(open(kCompositePath), 1);
    EXPECT_TRUE(device.hasTopLevelUsage(0x0001, 0x02));
    EXPECT_TRUE(device.hasTopLevelUsage(0x000C, 0x01));
    EXPECT_TRUE(device.hasTopLevelUsage(0xFF1C, 0x92));
    EXPECT_EQ(device.capabilities().usagePage, 0x0001);          // the first collection
    EXPECT_EQ(device.capabilities().inputReportByteLength, 64);  // room for any of its reports
    // Buttons first (mouse range, consumer array), then values (X, Y, vendor data).
    const auto& items = device.inputItems();
    ASSERT_EQ(items.size(), 5u);
    EXPECT_TRUE(items[0].isButtonData);
    EXPECT_EQ(items[0].usageMin, 1u);
    EXPECT_EQ(items[0].usageMax, 5u);
    EXPECT_EQ(items[0].maxUsageCount, 5u);
    EXPECT_EQ(items[0].usages, Usages(5, 0));
    EXPECT_EQ(items[1].usagePage, 0x0C);
    EXPECT_EQ(items[1].maxUsageCount, 1u);
    EXPECT_EQ(items[2].usage, 0x30);
    EXPECT_EQ(items[3].usage, 0x31);
    EXPECT_EQ(items[4].reportId, 4u);
}

TEST_F(HidDeviceTest, AValueRangeOfUsages5To8BecomesFourItems) {
    ASSERT_EQ(open(kRangePath), 1);
    const auto& items = device.inputItems();
    ASSERT_EQ(items.size(), 5u);
    for (std::uint16_t i = 0; i < 4; ++i) {
        EXPECT_FALSE(items[i].isButtonData);
        EXPECT_EQ(items[i].usage, 5 + i);
        EXPECT_EQ(items[i].reportId, 5u);
    }
    EXPECT_EQ(items[4].usage, 9);
}

TEST_F(HidDeviceTest, APathLongerThan259CharactersIsRefusedNotCut) {
    const std::string longest(kMaxDevicePathLength, 'p');
    const std::string tooLong = longest + "x";
    backend.add(FakeInterface{longest, 0x0C45, 0x7643, hidfake::kVendorConfig, true});
    backend.add(FakeInterface{tooLong, 0x0C45, 0x7643, hidfake::kVendorConfig, true});
    EXPECT_EQ(open(longest), 1);
    const int opensBefore = backend.opens();
    EXPECT_EQ(open(tooLong), 0);
    EXPECT_EQ(backend.opens(), opensBefore);
    EXPECT_FALSE(device.isOpen());
    EXPECT_EQ(open(""), 0);
}

TEST_F(HidDeviceTest, AFailedOpenOrDescriptionLeavesTheRecordClosed) {
    ASSERT_EQ(open(kConfigPath), 1);
    EXPECT_EQ(open("fake/missing"), 0);
    EXPECT_FALSE(device.isOpen());
    EXPECT_EQ(backend.liveConnections(kConfigPath), 0);  // the earlier open was closed first
    EXPECT_EQ(open(kBrokenPath), 0);
    EXPECT_FALSE(device.isOpen());
    EXPECT_EQ(backend.liveConnections(kBrokenPath), 0);
    EXPECT_EQ(device.descriptor(), nullptr);
    EXPECT_TRUE(device.inputItems().empty());
    EXPECT_EQ(device.capabilities().inputReportByteLength, 0);
    EXPECT_FALSE(device.hasTopLevelUsage(0xFF1C, 0x92));
}

TEST_F(HidDeviceTest, ReleaseKeepsTheInterfaceOpenAndCloseLetsItGo) {
    ASSERT_EQ(open(kConsumerPath), 1);
    ASSERT_EQ(EnumerateHidPaths(device), 1);
    ReleaseHidDescription(device);
    EXPECT_TRUE(device.isOpen());
    EXPECT_EQ(device.descriptor(), nullptr);
    EXPECT_TRUE(device.inputItems().empty());
    EXPECT_TRUE(device.inputReportBuffer().empty());
    CloseHidDevice(device);
    EXPECT_FALSE(device.isOpen());
    EXPECT_TRUE(device.pathList.empty());
    EXPECT_EQ(backend.liveConnections(kConsumerPath), 0);
}

TEST_F(HidDeviceTest, AnAbsurdDescriptorIsDescribedWithinBounds) {
    // 12288 byte values over usages 0..0x2FFF: one item per usage would be 12288 items.
    const Bytes values = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x19, 0x00, 0x2A,
                          0xFF, 0x2F, 0x75, 0x08, 0x96, 0x00, 0x30, 0x81, 0x02, 0xC0};
    backend.add(FakeInterface{"fake/values", 0x0C45, 0x7643, values, true});
    ASSERT_EQ(open("fake/values"), 1);
    EXPECT_EQ(device.inputItems().size(), kMaxHidDataItems);
    EXPECT_EQ(device.inputItems().back().usage, kMaxHidDataItems - 1);

    // An array of 4096 16-bit slots declared with 1024 usages (values 1..1024): 1024 button items
    // that could each list 4096 usages.
    Bytes buttons = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x15, 0x01,
                     0x26, 0x00, 0x04, 0x75, 0x10, 0x96, 0x00, 0x10};
    for (int usage = 1; usage <= 1024; ++usage) {
        buttons.insert(buttons.end(), {0x0A, static_cast<std::uint8_t>(usage & 0xFF),
                                       static_cast<std::uint8_t>(usage >> 8)});
    }
    buttons.insert(buttons.end(), {0x81, 0x00, 0xC0});
    backend.add(FakeInterface{"fake/buttons", 0x0C45, 0x7643, buttons, true});
    ASSERT_EQ(open("fake/buttons"), 1);
    ASSERT_EQ(device.inputItems().size(), 1024u);
    std::size_t entries = 0;
    for (const HidDataItem& item : device.inputItems()) {
        EXPECT_EQ(item.usages.size(), item.maxUsageCount);
        entries += item.usages.size();
    }
    EXPECT_EQ(device.inputItems()[0].maxUsageCount, 4096u);
    EXPECT_LE(entries, kMaxHidUsageEntries);
    // Slot values 6 and 901 select the sixth and the 901st declaration; 0 is an empty slot.
    Bytes report(1 + 2 * 4096, 0);
    report[1] = 6;
    report[3] = 901 & 0xFF;
    report[4] = 901 >> 8;
    EXPECT_TRUE(unpack(report));
    EXPECT_EQ(device.inputItems()[5].usages[0], 6);
    EXPECT_EQ(device.inputItems()[5].usages[1], 0);
    EXPECT_EQ(device.inputItems()[0].usages[0], 0);
    // Past the usage budget an item has no room for a list, and says so.
    EXPECT_TRUE(device.inputItems()[900].isDataSet);
    EXPECT_TRUE(device.inputItems()[900].usages.empty());
    EXPECT_EQ(device.inputItems()[900].status, kHidStatusBufferTooSmall);
}

// --- Transfers on virtual time ---

TEST_F(HidDeviceTest, ReadDeliversAQueuedReport) {
    ASSERT_EQ(open(kConsumerPath), 1);
    backend.send(kConsumerPath, {0x03, 0x01, 0x04, 0x00, 0x00});
    std::size_t got = 99;
    auto& buffer = device.inputReportBuffer();
    EXPECT_NE(read(buffer.data(), buffer.size(), 500, got), 0);
    EXPECT_EQ(got, 5u);
    EXPECT_EQ(buffer, (Bytes{0x03, 0x01, 0x04, 0x00, 0x00}));
    EXPECT_EQ(clock.now(), 0);
}

TEST_F(HidDeviceTest, ReadOfASilentDeviceFailsWithZeroBytesAtItsLimit) {
    ASSERT_EQ(open(kConfigPath), 1);
    std::uint8_t buffer[64];
    std::size_t got = 99;
    EXPECT_EQ(read(buffer, sizeof buffer, 300, got), 0);
    EXPECT_EQ(got, 0u);
    EXPECT_EQ(clock.now(), 300);
    EXPECT_EQ(read(buffer, sizeof buffer, 500, got), 0);
    EXPECT_EQ(clock.now(), 800);
    EXPECT_FALSE(device.reading());
}

TEST_F(HidDeviceTest, WriteIsDeliveredOrFailsAfter1000ms) {
    ASSERT_EQ(open(kConfigPath), 1);
    Bytes report(64, 0);
    report[0] = 0x04;
    report[1] = 0xAB;
    std::size_t sent = 0;
    EXPECT_NE(WriteHidReport(device, report.data(), report.size(), &sent), 0);
    EXPECT_EQ(sent, 64u);
    EXPECT_EQ(backend.written(kConfigPath), std::vector<Bytes>{report});

    backend.stallWrites(kConfigPath, true);
    EXPECT_EQ(WriteHidReport(device, report.data(), report.size(), &sent), 0);
    EXPECT_EQ(sent, 0u);
    EXPECT_EQ(clock.now(), kHidWriteLimitMs);
    EXPECT_FALSE(device.writing());
}

TEST_F(HidDeviceTest, ACancelSetBeforeAReadFailsItAtOnceAndIsConsumed) {
    ASSERT_EQ(open(kConfigPath), 1);
    CancelHidTransfer(device);
    std::uint8_t buffer[64];
    std::size_t got = 0;
    EXPECT_EQ(read(buffer, sizeof buffer, 500, got), 0);
    EXPECT_EQ(clock.now(), 0);
    backend.send(kConfigPath, Bytes(64, 0x04));
    EXPECT_NE(read(buffer, sizeof buffer, 500, got), 0);
    EXPECT_EQ(got, 64u);
}

TEST_F(HidDeviceTest, CancelFromAnotherThreadEndsAWaitingRead) {
    ASSERT_EQ(open(kConfigPath), 1);
    int result = -5;
    Millis endedAt = -1;
    Worker reader(clock, "reader", [&] {
        std::uint8_t buffer[64];
        std::size_t got = 0;
        result = ReadHidReport(device, buffer, sizeof buffer, 500, &got);
        endedAt = clock.now();
    });
    clock.sleepFor(40);
    EXPECT_TRUE(device.reading());
    CancelHidTransfer(device);
    ASSERT_TRUE(reader.joinFor(kForever));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(endedAt, 40);
}

TEST_F(HidDeviceTest, ClosingUnderAWaitingReadEndsItAndFreesTheConnectionAfterIt) {
    ASSERT_EQ(open(kConsumerPath), 1);
    int result = -5;
    Millis endedAt = -1;
    int liveWhileReading = -1;
    Worker reader(clock, "reader", [&] {
        std::uint8_t buffer[8];
        std::size_t got = 0;
        result = ReadHidReport(device, buffer, sizeof buffer, 500, &got);
        endedAt = clock.now();
    });
    clock.sleepFor(25);
    CloseHidDevice(device);
    liveWhileReading = backend.liveConnections(kConsumerPath);
    ASSERT_TRUE(reader.joinFor(kForever));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(endedAt, 25);
    EXPECT_EQ(liveWhileReading, 1);  // still held by the read until it returned
    EXPECT_EQ(backend.liveConnections(kConsumerPath), 0);
}

TEST_F(HidDeviceTest, ReopeningUnderAWaitingReadCancelsIt) {
    ASSERT_EQ(open(kConsumerPath), 1);
    Millis endedAt = -1;
    Worker reader(clock, "reader", [&] {
        std::uint8_t buffer[8];
        std::size_t got = 0;
        ReadHidReport(device, buffer, sizeof buffer, 500, &got);
        endedAt = clock.now();
    });
    clock.sleepFor(10);
    ASSERT_EQ(open(kConfigPath), 1);
    ASSERT_TRUE(reader.joinFor(kForever));
    EXPECT_EQ(endedAt, 10);
    EXPECT_EQ(backend.liveConnections(kConsumerPath), 0);
    EXPECT_EQ(backend.liveConnections(kConfigPath), 1);
}

TEST_F(HidDeviceTest, ASecondReaderIsRefusedWhileOneWaits) {
    ASSERT_EQ(open(kConfigPath), 1);
    Worker reader(clock, "reader", [&] {
        std::uint8_t buffer[64];
        std::size_t got = 0;
        ReadHidReport(device, buffer, sizeof buffer, 300, &got);
    });
    clock.sleepFor(5);
    std::uint8_t buffer[64];
    std::size_t got = 0;
    EXPECT_EQ(read(buffer, sizeof buffer, 300, got), 0);
    EXPECT_EQ(clock.now(), 5);
    EXPECT_EQ(backend.reads(kConfigPath), 1);
    ASSERT_TRUE(reader.joinFor(kForever));
}

TEST_F(HidDeviceTest, TransfersWithoutAnOpenInterfaceOrBufferFail) {
    std::uint8_t buffer[8] = {};
    std::size_t got = 7;
    EXPECT_EQ(read(buffer, sizeof buffer, 300, got), 0);
    EXPECT_EQ(got, 0u);
    EXPECT_EQ(WriteHidReport(device, buffer, sizeof buffer, &got), 0);
    CancelHidTransfer(device);  // nothing to cancel; must not fail
    ASSERT_EQ(open(kConfigPath), 1);
    EXPECT_EQ(read(nullptr, 64, 300, got), 0);
    EXPECT_EQ(read(buffer, 0, 300, got), 0);
    EXPECT_EQ(clock.now(), 0);
}

// --- Unpacking input reports ---

TEST_F(HidDeviceTest, ConsumerAnnouncementBecomesTheFirstUsageOfTheFirstItem) {
    ASSERT_EQ(open(kConsumerPath), 1);
    ASSERT_EQ(device.inputItems().size(), 1u);
    EXPECT_TRUE(unpack({0x03, 0x01, 0x04, 0x00, 0x00}));
    const HidDataItem& item = device.inputItems()[0];
    EXPECT_TRUE(item.isDataSet);
    EXPECT_EQ(item.status, kHidStatusSuccess);
    EXPECT_EQ(item.usages, (Usages{0x0401, 0}));
    // A full list leaves no room for a terminator.
    EXPECT_TRUE(unpack({0x03, 0x02, 0x04, 0x03, 0x04}));
    EXPECT_EQ(item.usages, (Usages{0x0402, 0x0403}));
    // A shorter list after a longer one leaves no stale usage behind it.
    EXPECT_TRUE(unpack({0x03, 0x00, 0x00, 0x01, 0x04}));
    EXPECT_EQ(item.usages, (Usages{0x0401, 0}));
}

TEST_F(HidDeviceTest, ButtonItemsKeepOnlyTheUsagesOfTheirOwnRange) {
    ASSERT_EQ(open(kSplitPath), 1);
    const auto& items = device.inputItems();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].maxUsageCount, 8u);  // the page has eight buttons in all
    // Buttons 2, 5 and 7 pressed: bits 1, 4 and 6.
    EXPECT_TRUE(unpack({0x00, 0x52}));
    EXPECT_EQ(items[0].usages, (Usages{2, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(items[1].usages, (Usages{5, 7, 0, 0, 0, 0, 0, 0}));
    // Buttons 4, 5, 6, then button 8 alone: nothing of the longer list stays behind.
    EXPECT_TRUE(unpack({0x00, 0x38}));
    EXPECT_EQ(items[1].usages, (Usages{4, 5, 6, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(unpack({0x00, 0x80}));
    EXPECT_EQ(items[0].usages, (Usages(8, 0)));
    EXPECT_EQ(items[1].usages, (Usages{8, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(HidDeviceTest, AReportOfAnotherIdLeavesTheItemsUntouched) {
    ASSERT_EQ(open(kCompositePath), 1);
    EXPECT_TRUE(unpack({0x09, 0xFF, 0xFF, 0xFF}));
    for (const HidDataItem& item : device.inputItems()) {
        EXPECT_FALSE(item.isDataSet);
        EXPECT_EQ(item.status, kHidStatusSuccess);
    }
    EXPECT_TRUE(unpack({0x03, 0x02, 0x04}));
    const auto& items = device.inputItems();
    EXPECT_FALSE(items[0].isDataSet);  // mouse buttons, report 1
    EXPECT_TRUE(items[1].isDataSet);   // consumer, report 3
    EXPECT_EQ(items[1].usages[0], 0x0402);
    EXPECT_FALSE(items[2].isDataSet);
    EXPECT_FALSE(items[4].isDataSet);
}

TEST_F(HidDeviceTest, ValueItemsGetRawAndScaledValues) {
    ASSERT_EQ(open(kRangePath), 1);
    EXPECT_TRUE(unpack({0x05, 1, 2, 3, 4, 25}));
    const auto& items = device.inputItems();
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_TRUE(items[i].isDataSet);
        EXPECT_EQ(items[i].value, i + 1);
        EXPECT_EQ(items[i].scaledValue, static_cast<std::int32_t>(i + 1));
    }
    EXPECT_EQ(items[4].value, 25u);
    EXPECT_EQ(items[4].scaledValue, 250);
}

TEST_F(HidDeviceTest, AMissingValueStopsUnpackingWithFalse) {
    ASSERT_EQ(open(kMousePath), 1);
    const auto& items = device.inputItems();
    ASSERT_EQ(items.size(), 4u);  // buttons, X, Y, wheel
    // Three bytes hold the buttons and X but not Y.
    EXPECT_FALSE(unpack({0x00, 0x01, 0x05}));
    EXPECT_TRUE(items[0].isDataSet);
    EXPECT_EQ(items[0].usages[0], 1);
    EXPECT_TRUE(items[1].isDataSet);
    EXPECT_EQ(items[1].scaledValue, 5);
    EXPECT_FALSE(items[2].isDataSet);
    EXPECT_EQ(items[2].status, kHidStatusInvalidReportLength);
    EXPECT_FALSE(items[3].isDataSet);
    EXPECT_EQ(items[3].status, kHidStatusSuccess);
}

TEST_F(HidDeviceTest, AValueOutsideItsLogicalRangeStillCountsAsFilled) {
    ASSERT_EQ(open(kMousePath), 1);
    EXPECT_TRUE(unpack({0x00, 0x00, 0x80, 0x01, 0x00}));
    const HidDataItem& x = device.inputItems()[1];
    EXPECT_TRUE(x.isDataSet);
    EXPECT_EQ(x.value, 0x80u);
    EXPECT_EQ(x.status, kHidStatusNull);
    EXPECT_EQ(device.inputItems()[2].scaledValue, 1);
}

TEST_F(HidDeviceTest, AnEmptyReportTouchesNothing) {
    ASSERT_EQ(open(kConsumerPath), 1);
    EXPECT_FALSE(UnpackInputReport(device.inputItems(), *device.descriptor(), nullptr, 5));
    const Bytes empty;
    EXPECT_FALSE(unpack(empty));
    EXPECT_FALSE(device.inputItems()[0].isDataSet);
}

}  // namespace
}  // namespace quillon
