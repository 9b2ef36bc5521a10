// The factory state of the simulated devices, in one place. Change a value here and every
// simulated device, test and scenario that does not set its own memory sees it.

#include "platform/sim/SimDefaults.h"

#include "platform/sim/SimKeyTables.h"

namespace quillon {
namespace {

// ---------------------------------------------------------------------------------------------
// Device information
// ---------------------------------------------------------------------------------------------

struct InfoDefaults {
    std::uint16_t firmwareVersion;
    std::uint8_t deviceClass;
    std::uint8_t profileCount;
    std::uint8_t keyCount;       // the keyboard's comes from its layout (see simDefaultDeviceInfo)
    std::uint8_t macroCapacity;  // units of 128 bytes
    std::uint16_t sensorId;      // the sensor's model number in hexadecimal digits
    std::uint8_t dpiStep;        // DPI per slider position
    std::uint8_t dpiStageMax;    // highest slider position
    std::uint16_t dpiBase;       // DPI at slider position 0
};

// Indexed by SimKind. The keyboard: 8 KiB of macro memory. The mouse: a 3360 sensor giving
// 100..12000 DPI in steps of 100, 42 key functions, 4 KiB of macros. The mousepad: lighting only.
// clang-format off
constexpr std::array<InfoDefaults, 3> kInfo = {{
    //             firmware class profiles keys macro sensor  step  max  base
    /* keyboard */ {0x0107,  2,     5,      0,   64,  0x0000,    0,   0,    0},
    /* mouse    */ {0x0112,  1,     5,     42,   32,  0x3360,  100, 119,  100},
    /* mousepad */ {0x0103,  3,     5,      0,    0,  0x0000,    0,   0,    0},
}};
// clang-format on

// ---------------------------------------------------------------------------------------------
// Settings records
// ---------------------------------------------------------------------------------------------

struct Rgb {
    std::uint8_t red, green, blue;
};

struct Lighting {
    std::uint8_t mode;
    std::uint8_t brightness;  // 0..4
    std::uint8_t speed;       // 0..4, 0 fastest
    std::uint8_t direction;   // 1 left, 0 right
    std::uint8_t sevenColour;
    Rgb colour;
};

struct MouseProfile {
    Lighting lighting;
    std::uint8_t reportRate;                // index into the rate list: 0 125 Hz .. 3 1000 Hz
    std::array<std::uint8_t, 5> dpiLevels;  // slider positions: DPI = 100 + 100 x position
    std::uint8_t activeDpiStage;            // 0..4
    std::array<Rgb, 5> dpiColours;
};

constexpr Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kYellow{255, 255, 0};
constexpr Rgb kMagenta{255, 0, 255}, kCyan{0, 255, 255}, kWhite{255, 255, 255};
constexpr Rgb kOrange{255, 128, 0};

// DPI stages 400, 800, 1600, 3200 and 6400 with the usual red-green-blue-yellow-magenta markers.
constexpr std::array<std::uint8_t, 5> kDpiLevels = {3, 7, 15, 31, 63};
constexpr std::array<Rgb, 5> kDpiColours = {kRed, kGreen, kBlue, kYellow, kMagenta};

constexpr std::array<MouseProfile, kSimProfileCount> kMouseProfiles = {{
    // 0: colour cycle, 1000 Hz, starts at 800 DPI.
    {{0, 4, 2, 1, 0, kRed}, 3, kDpiLevels, 1, kDpiColours},
    // 1: breathing in blue.
    {{3, 4, 2, 1, 0, kBlue}, 3, kDpiLevels, 1, kDpiColours},
    // 2: static green, 500 Hz, starts at 1600 DPI.
    {{4, 3, 2, 0, 0, kGreen}, 2, kDpiLevels, 2, kDpiColours},
    // 3: running light in changing colours; a low-DPI set for precise work.
    {{5, 4, 1, 0, 1, kWhite}, 3, {1, 3, 5, 7, 11}, 0, kDpiColours},
    // 4: three-set breathing; a high-DPI set.
    {{1, 4, 3, 1, 0, kCyan}, 3, {7, 15, 31, 63, 119}, 3, kDpiColours},
}};

constexpr std::array<Lighting, kSimProfileCount> kKeyboardLighting = {{
    {0, 4, 2, 1, 0, kRed},     // 0: colour wave
    {2, 4, 2, 1, 0, kCyan},    // 1: breathing
    {1, 3, 2, 0, 0, kWhite},   // 2: steady light
    {5, 4, 1, 1, 1, kOrange},  // 3: reactive, changing colours
    {3, 2, 3, 0, 0, kBlue},    // 4: ripple
}};

constexpr std::array<Lighting, kSimProfileCount> kMousepadLighting = {{
    {0, 4, 2, 1, 0, kRed},      // 0: colour cycle
    {3, 4, 2, 1, 0, kMagenta},  // 1: breathing
    {4, 3, 2, 0, 0, kGreen},    // 2: static
    {6, 4, 1, 1, 1, kWhite},    // 3: marquee, changing colours
    {2, 2, 3, 0, 0, kBlue},     // 4: flash on mouse event
}};

// ---------------------------------------------------------------------------------------------

void putLe16(std::uint8_t* at, std::uint16_t value) {
    at[0] = static_cast<std::uint8_t>(value & 0xFF);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

void putRgb(std::uint8_t* at, const Rgb& colour) {
    at[0] = colour.red;
    at[1] = colour.green;
    at[2] = colour.blue;
}

void putLighting(std::uint8_t* record, const Lighting& lighting) {
    std::uint8_t* at = record + sim_record::kLighting;
    at[0] = lighting.mode;
    at[1] = lighting.brightness;
    at[2] = lighting.speed;
    at[3] = lighting.direction;
    at[4] = lighting.sevenColour;
    putRgb(at + 5, lighting.colour);
}

void putMouseProfile(std::uint8_t* record, const MouseProfile& profile) {
    putLighting(record, profile.lighting);
    record[sim_record::kReportRate] = profile.reportRate;
    for (std::size_t i = 0; i < 4; ++i) {
        record[sim_record::kDpiLevel1 + i] = profile.dpiLevels[i];
    }
    record[sim_record::kActiveDpiStage] = profile.activeDpiStage;
    record[sim_record::kDpiLevel5] = profile.dpiLevels[4];
    for (std::size_t i = 0; i < profile.dpiColours.size(); ++i) {
        putRgb(record + sim_record::kDpiColours + 3 * i, profile.dpiColours[i]);
    }
}

}  // namespace

SimInfoBytes simDefaultDeviceInfo(SimKind kind) {
    const InfoDefaults& d = kInfo[static_cast<std::size_t>(simKindIndex(kind))];
    SimInfoBytes info{};
    putLe16(&info[sim_info::kFirmwareVersion], d.firmwareVersion);
    info[sim_info::kDeviceClass] = d.deviceClass;
    info[sim_info::kProfileCount] = d.profileCount;
    info[sim_info::kKeyCount] = d.keyCount;
    if (kind == SimKind::Keyboard) {
        info[sim_info::kKeyCount] = static_cast<std::uint8_t>(simKeyboardLayoutKeyCount());
    }
    info[sim_info::kMacroCapacity] = d.macroCapacity;
    putLe16(&info[sim_info::kSensorId], d.sensorId);
    info[sim_info::kDpiStep] = d.dpiStep;
    info[sim_info::kDpiStageMax] = d.dpiStageMax;
    putLe16(&info[sim_info::kDpiBase], d.dpiBase);
    return info;
}

std::vector<std::uint8_t> simDefaultSettings(SimKind kind) {
    std::vector<std::uint8_t> area(kSimSettingsSize, 0);
    for (std::size_t p = 0; p < kSimProfileCount; ++p) {
        std::uint8_t* record = area.data() + p * kSimRecordSize;
        record[sim_record::kProfileIndex] = static_cast<std::uint8_t>(p);
        switch (kind) {
            case SimKind::Mouse:
                putMouseProfile(record, kMouseProfiles[p]);
                break;
            case SimKind::Keyboard:
                putLighting(record, kKeyboardLighting[p]);
                break;
            case SimKind::Mousepad:
                putLighting(record, kMousepadLighting[p]);
                break;
        }
    }
    // Byte 0 of the area doubles as the active profile number: profile 0 is active.
    return area;
}

}  // namespace quillon
