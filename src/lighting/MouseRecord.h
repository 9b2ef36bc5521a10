#pragma once
// The mouse's 64-byte settings record, the sensor table that turns slider positions into DPI
// values, and the four fields of the mouse's device information that the performance page uses.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "device/DeviceModel.h"
#include "lighting/SettingsRecordFields.h"

namespace quillon {

namespace mouse_field {
inline constexpr std::size_t kReportRate = 14;
inline constexpr std::size_t kActiveStage = 19;   // written by the mouse, only displayed
inline constexpr std::size_t kPointerSpeed = 38;  // host value, kept in profile files only
inline constexpr std::size_t kWheelLines = 39;    // host value, kept in profile files only
}  // namespace mouse_field

inline constexpr int kDpiStageCount = 5;

// Offset of the slider position of DPI stage 1..5: 15, 16, 17, 18 and then 20, because the
// active-stage byte sits between stages 4 and 5. kRecordSize for any other stage.
std::size_t dpiLevelOffset(int stage);
// Offset of the red byte of the colour of DPI stage 1..5 (23, 26, ...); kRecordSize otherwise.
std::size_t dpiColourOffset(int stage);

// A mouse settings record held by value. Accessors for stages outside 1..5 read 0 and write
// nothing.
struct MouseRecord {
    struct Colour {
        std::uint8_t red = 0;
        std::uint8_t green = 0;
        std::uint8_t blue = 0;
        bool operator==(const Colour&) const = default;
    };

    RecordBytes bytes{};

    std::uint8_t field(std::size_t offset) const;
    void setField(std::size_t offset, std::uint8_t value);

    std::uint8_t dpiLevel(int stage) const;
    void setDpiLevel(int stage, std::uint8_t position);
    Colour dpiColour(int stage) const;
    void setDpiColour(int stage, Colour colour);
    Colour lightingColour() const;
    void setLightingColour(Colour colour);
};

// One row of the sensors whose DPI range the program knows.
struct SensorRange {
    std::uint16_t sensorId;
    std::uint16_t dpiBase;
    std::string_view minimumLabel;
    std::string_view maximumLabel;
};

// The row for a sensor identifier, or nullptr for a sensor the table does not know.
const SensorRange* findSensorRange(std::uint16_t sensorId);

// DPI shown for a slider position: base + step × position.
int dpiValue(int base, int step, int position);

// The fields of the mouse's device information that the performance page reads.
struct MouseDeviceInfo {
    std::uint16_t sensorId = 0;     // offset 9, little-endian
    std::uint8_t dpiStep = 0;       // offset 11
    std::uint8_t stageMaximum = 0;  // offset 12, highest slider position of every DPI slider
    std::uint16_t dpiBase = 0;      // offset 13, little-endian

    // Reads the fields from device information bytes; a short buffer leaves the missing fields 0.
    static MouseDeviceInfo fromBytes(std::span<const std::uint8_t> info);
    // The sensor table's base for a known sensor, otherwise the base the mouse sent.
    int effectiveDpiBase() const;
    int dpiAt(int position) const { return dpiValue(effectiveDpiBase(), dpiStep, position); }
};

}  // namespace quillon
