#pragma once
// How the simulated devices present themselves to the HID enumeration: vendor and product ids and
// the interface paths ("sim/mouse/config", "sim/mouse/consumer").

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/sim/SimTypes.h"

namespace quillon {

inline constexpr std::uint16_t kSimVendorId = 0x0C45;
inline constexpr std::uint16_t kSimMouseProductId = 0x7643;
inline constexpr std::uint16_t kSimKeyboardProductId = 0x6556;      // full-colour keyboard
inline constexpr std::uint16_t kSimKeyboardProductId0800 = 0x0800;  // single-colour keyboard
inline constexpr std::uint16_t kSimKeyboardProductId7200 = 0x7200;
inline constexpr std::uint16_t kSimMousepadProductId = 0x5004;

std::uint16_t simDefaultProductId(SimKind kind);

// The mousepad has only its configuration interface.
bool simHasConsumerInterface(SimKind kind);

std::string simInterfacePath(SimKind kind, SimInterface iface);
// Recognises exactly the paths simInterfacePath makes (also the mousepad's consumer path, which
// never exists; the caller checks the device).
bool parseSimInterfacePath(std::string_view path, SimKind& kind, SimInterface& iface);

}  // namespace quillon
