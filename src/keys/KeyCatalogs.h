#pragma once
// The fixed lists the assignment pages pick functions from, and the table that turns a Windows
// virtual-key code into a key function and names keyboard functions. A list's position in its
// combo is the entry's position here.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "keys/KeyFunction.h"

namespace quillon::keys {

struct CatalogEntry {
    std::uint16_t code = 0;  // the entry's own position, or a virtual-key code in the key table
    KeyFunction function;
    std::string_view textId;  // the label; empty for lists that supply only a type
};

using Catalog = std::span<const CatalogEntry>;

Catalog mouseButtonCatalog();
Catalog horizontalSwingCatalog();
Catalog verticalSwingCatalog();
Catalog dpiCatalog();
Catalog shortcutCatalog();
Catalog consumerCatalog();
Catalog systemCatalog();
// The single fire entry and the single device-function entry of the same data set.
inline constexpr KeyFunction kFireEntry{fn::kFire, 0, 0};
inline constexpr KeyFunction kDeviceOnlyEntry{fn::kDeviceOnly, 0, 0};

// 125 rows; `code` is a virtual-key code. Rows 0..103 are keyboard keys, 104..121 consumer keys,
// 122..124 system keys.
Catalog keyCodeTable();
inline constexpr int kKeyCodeRows = 125;
inline constexpr int kKeyboardKeyRows = 104;

// Codes the table uses beside the Windows ones: keypad Enter (reported as 13 with the extended
// flag) and the three system keys.
inline constexpr std::uint16_t kVkReturn = 13;
inline constexpr std::uint16_t kVkKeypadEnter = 257;
inline constexpr std::uint16_t kVkPower = 259;
inline constexpr std::uint16_t kVkSleep = 260;
inline constexpr std::uint16_t kVkWake = 261;

// The first key-table row whose code is `vk`.
std::optional<int> lookupVirtualKey(std::uint16_t vk);
// The first position whose entry has the same param1 and param2 (the type is not compared).
std::optional<int> catalogPosition(Catalog catalog, KeyFunction f);
// The text id of the first key-table row with the same parameters, or "".
std::string_view keyNameOf(KeyFunction f);

// A captured key event as a key function row: keypad Enter is 13 with the extended flag (0x01,
// with or without the key-up bit 0x80); only keyboard-key rows (type 0x20) are accepted.
std::optional<int> capturedKeyRow(std::uint16_t vk, std::uint32_t flags);

}  // namespace quillon::keys
