#pragma once
// The category combos of the two assignment pages: which function type each item produces, and
// in which item a function read back from a table is shown.

#include <cstdint>
#include <optional>

#include "device/DeviceKind.h"
#include "keys/KeyFunction.h"

namespace quillon::keys {

// The type produced by a category item, 0 for "factory function"; nothing for an item the page
// does not have (the category then stays as it was).
std::optional<std::uint8_t> categoryType(DeviceKind page, int item);

// The item that shows `f`: 0 when it equals the key's factory function, otherwise by type; a
// key with both parameters set is a combination, with one of them 0 a single key. Nothing for a
// type the page has no category for.
std::optional<int> categoryItem(DeviceKind page, KeyFunction f, KeyFunction factory);

// The items with a meaning of their own on each page.
int singleKeyItem(DeviceKind page);    // mouse 6, keyboard 1
int combinationItem(DeviceKind page);  // mouse 11, keyboard 10
inline constexpr int kMacroItem = 9;
inline constexpr int kMouseCategoryItems = 12;
inline constexpr int kKeyboardCategoryItems = 11;

}  // namespace quillon::keys
