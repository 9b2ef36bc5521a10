#pragma once
// The words of the simulated devices: which device, which memory region, which fault, which way a
// report travels. platform/ stands below device/, so the device kinds are named here on their own;
// the order matches the device layer's (keyboard, mouse, mousepad) so that either side may convert
// by name or by position.

#include <array>
#include <cstdint>
#include <string_view>

namespace quillon {

enum class SimKind { Keyboard = 0, Mouse = 1, Mousepad = 2 };

inline constexpr std::array<SimKind, 3> kAllSimKinds = {SimKind::Keyboard, SimKind::Mouse,
                                                        SimKind::Mousepad};

inline constexpr int simKindIndex(SimKind kind) {
    return static_cast<int>(kind);
}

// "keyboard", "mouse", "mousepad".
std::string_view simKindName(SimKind kind);
// Accepts the name in any case.
bool simKindFromName(std::string_view text, SimKind& out);

// The two HID interfaces of a device: the configuration interface that carries the command
// protocol, and the consumer-control interface through which the device announces its own changes
// (mouse and keyboard only).
enum class SimInterface { Config, Consumer };

// The device's memory as the host's commands see it.
enum class SimRegion { Info, Settings, KeyTable, Pages, Macro, Cursor };

inline constexpr std::array<SimRegion, 6> kAllSimRegions = {
    SimRegion::Info,  SimRegion::Settings, SimRegion::KeyTable,
    SimRegion::Pages, SimRegion::Macro,    SimRegion::Cursor};

// "info", "settings", "keytable", "pages", "macro", "cursor".
std::string_view simRegionName(SimRegion region);
bool simRegionFromName(std::string_view text, SimRegion& out);

// What the next requests of a device meet.
enum class SimFault {
    None,       // normal service
    Silent,     // the request is taken in and never answered
    StatusFF,   // answered with status 0xFF, nothing carried out
    StatusFE,   // answered with status 0xFE, nothing carried out
    WriteFail,  // the report cannot be written at all
};

// "none", "silent", "status-ff", "status-fe", "write-fail".
std::string_view simFaultName(SimFault fault);
bool simFaultFromName(std::string_view text, SimFault& out);

enum class SimDirection { Request, Response };

}  // namespace quillon
