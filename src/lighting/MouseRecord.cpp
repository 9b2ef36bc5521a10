#include "lighting/MouseRecord.h"

#include <array>

namespace quillon {
namespace {

constexpr std::array<std::size_t, kDpiStageCount> kDpiLevelOffsets = {15, 16, 17, 18, 20};
constexpr std::size_t kFirstDpiColour = 23;

constexpr std::array<SensorRange, 4> kSensorRanges = {{
    {0x3325, 200, "200", "5000"},
    {0x3050, 250, "250", "4000"},
    {0x3360, 100, "100", "12000"},
    {0x3310, 50, "50", "5000"},
}};

bool validStage(int stage) {
    return stage >= 1 && stage <= kDpiStageCount;
}

std::uint16_t littleEndian16(std::span<const std::uint8_t> bytes, std::size_t offset) {
    if (offset + 1 >= bytes.size()) {
        return 0;
    }
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

std::uint8_t byteAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return offset < bytes.size() ? bytes[offset] : 0;
}

}  // namespace

std::size_t dpiLevelOffset(int stage) {
    return validStage(stage) ? kDpiLevelOffsets[stage - 1] : kRecordSize;
}

std::size_t dpiColourOffset(int stage) {
    return validStage(stage) ? kFirstDpiColour + 3 * static_cast<std::size_t>(stage - 1)
                             : kRecordSize;
}

std::uint8_t MouseRecord::field(std::size_t offset) const {
    return offset < bytes.size() ? bytes[offset] : 0;
}

void MouseRecord::setField(std::size_t offset, std::uint8_t value) {
    if (offset < bytes.size()) {
        bytes[offset] = value;
    }
}

std::uint8_t MouseRecord::dpiLevel(int stage) const {
    return field(dpiLevelOffset(stage));
}

void MouseRecord::setDpiLevel(int stage, std::uint8_t position) {
    setField(dpiLevelOffset(stage), position);
}

MouseRecord::Colour MouseRecord::dpiColour(int stage) const {
    const std::size_t at = dpiColourOffset(stage);
    if (at >= bytes.size()) {
        return {};
    }
    return {bytes[at], bytes[at + 1], bytes[at + 2]};
}

void MouseRecord::setDpiColour(int stage, Colour colour) {
    const std::size_t at = dpiColourOffset(stage);
    if (at >= bytes.size()) {
        return;
    }
    bytes[at] = colour.red;
    bytes[at + 1] = colour.green;
    bytes[at + 2] = colour.blue;
}

MouseRecord::Colour MouseRecord::lightingColour() const {
    return {bytes[record_field::kRed], bytes[record_field::kGreen], bytes[record_field::kBlue]};
}

void MouseRecord::setLightingColour(Colour colour) {
    bytes[record_field::kRed] = colour.red;
    bytes[record_field::kGreen] = colour.green;
    bytes[record_field::kBlue] = colour.blue;
}

const SensorRange* findSensorRange(std::uint16_t sensorId) {
    for (const SensorRange& row : kSensorRanges) {
        if (row.sensorId == sensorId) {
            return &row;
        }
    }
    return nullptr;
}

int dpiValue(int base, int step, int position) {
    return base + step * position;
}

MouseDeviceInfo MouseDeviceInfo::fromBytes(std::span<const std::uint8_t> info) {
    MouseDeviceInfo out;
    out.sensorId = littleEndian16(info, 9);
    out.dpiStep = byteAt(info, 11);
    out.stageMaximum = byteAt(info, 12);
    out.dpiBase = littleEndian16(info, 13);
    return out;
}

int MouseDeviceInfo::effectiveDpiBase() const {
    const SensorRange* range = findSensorRange(sensorId);
    return range != nullptr ? range->dpiBase : dpiBase;
}

}  // namespace quillon
