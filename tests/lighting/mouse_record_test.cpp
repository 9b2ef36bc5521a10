#include <gtest/gtest.h>

#include "lighting/MouseRecord.h"

namespace quillon {
namespace {

TEST(MouseRecordLayout, DpiLevelsSkipTheActiveStageByte) {
    MouseRecord record;
    for (int stage = 1; stage <= kDpiStageCount; ++stage) {
        record.setDpiLevel(stage, static_cast<std::uint8_t>(10 * stage));
    }
    record.setField(mouse_field::kActiveStage, 3);
    EXPECT_EQ(record.bytes[15], 10);
    EXPECT_EQ(record.bytes[18], 40);
    EXPECT_EQ(record.bytes[19], 3);
    EXPECT_EQ(record.bytes[20], 50);
    EXPECT_EQ(record.dpiLevel(5), 50);
    EXPECT_EQ(record.dpiLevel(4), 40);
}

TEST(MouseRecordLayout, DpiColoursAreConsecutiveTriplesFrom23) {
    MouseRecord record;
    record.setDpiColour(1, {1, 2, 3});
    record.setDpiColour(5, {7, 8, 9});
    EXPECT_EQ(record.bytes[23], 1);
    EXPECT_EQ(record.bytes[25], 3);
    EXPECT_EQ(record.bytes[35], 7);
    EXPECT_EQ(record.bytes[37], 9);
    EXPECT_EQ(record.dpiColour(5), (MouseRecord::Colour{7, 8, 9}));
}

TEST(MouseRecordLayout, StagesOutsideOneToFiveReadZeroAndWriteNothing) {
    MouseRecord record;
    record.bytes.fill(0xEE);
    const RecordBytes before = record.bytes;
    record.setDpiLevel(0, 1);
    record.setDpiLevel(6, 1);
    record.setDpiColour(-1, {1, 1, 1});
    record.setDpiColour(6, {1, 1, 1});
    EXPECT_EQ(record.bytes, before);
    EXPECT_EQ(record.dpiLevel(6), 0);
    EXPECT_EQ(record.dpiColour(0), MouseRecord::Colour{});
}

TEST(MouseRecordLayout, LightingColourAndHostBytes) {
    MouseRecord record;
    record.setLightingColour({0x12, 0x34, 0x56});
    EXPECT_EQ(record.bytes[6], 0x12);
    EXPECT_EQ(record.bytes[8], 0x56);
    EXPECT_EQ(mouse_field::kReportRate, 14u);
    EXPECT_EQ(mouse_field::kPointerSpeed, 38u);
    EXPECT_EQ(mouse_field::kWheelLines, 39u);
}

TEST(SensorRanges, KnownSensorsGiveTheirBaseAndLabels) {
    const SensorRange* range = findSensorRange(0x3360);
    ASSERT_NE(range, nullptr);
    EXPECT_EQ(range->dpiBase, 100);
    EXPECT_EQ(range->minimumLabel, "100");
    EXPECT_EQ(range->maximumLabel, "12000");
    EXPECT_EQ(findSensorRange(0x3325)->dpiBase, 200);
    EXPECT_EQ(findSensorRange(0x3050)->maximumLabel, "4000");
    EXPECT_EQ(findSensorRange(0x3310)->dpiBase, 50);
    EXPECT_EQ(findSensorRange(0x1234), nullptr);
}

TEST(MouseDeviceInfoFields, ReadsLittleEndianFieldsAtTheirOffsets) {
    DeviceInfoBytes info{};
    info[9] = 0x60;
    info[10] = 0x33;
    info[11] = 100;
    info[12] = 119;
    info[13] = 0x2C;
    info[14] = 0x01;
    const MouseDeviceInfo mouse = MouseDeviceInfo::fromBytes(info);
    EXPECT_EQ(mouse.sensorId, 0x3360);
    EXPECT_EQ(mouse.dpiStep, 100);
    EXPECT_EQ(mouse.stageMaximum, 119);
    EXPECT_EQ(mouse.dpiBase, 300);
}

TEST(MouseDeviceInfoFields, KnownSensorReplacesTheBaseTheMouseSent) {
    MouseDeviceInfo mouse;
    mouse.sensorId = 0x3360;
    mouse.dpiStep = 100;
    mouse.dpiBase = 300;
    EXPECT_EQ(mouse.dpiAt(0), 100);
    EXPECT_EQ(mouse.dpiAt(119), 12000);
}

TEST(MouseDeviceInfoFields, UnknownSensorKeepsTheBaseTheMouseSent) {
    MouseDeviceInfo mouse;
    mouse.sensorId = 0x9999;
    mouse.dpiStep = 50;
    mouse.dpiBase = 400;
    EXPECT_EQ(mouse.effectiveDpiBase(), 400);
    EXPECT_EQ(mouse.dpiAt(3), 550);
}

TEST(MouseDeviceInfoFields, ShortBufferLeavesMissingFieldsZero) {
    const std::uint8_t shortInfo[12] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0x50, 0x30, 25};
    const MouseDeviceInfo mouse = MouseDeviceInfo::fromBytes(shortInfo);
    EXPECT_EQ(mouse.sensorId, 0x3050);
    EXPECT_EQ(mouse.dpiStep, 25);
    EXPECT_EQ(mouse.stageMaximum, 0);
    EXPECT_EQ(mouse.dpiBase, 0);
    EXPECT_EQ(MouseDeviceInfo::fromBytes({}).sensorId, 0);
}

}  // namespace
}  // namespace quillon
