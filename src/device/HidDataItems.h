#pragma once
// Turns a parsed report descriptor into the description a HidDevice keeps: the capability summary
// and the input data items (one per button capability, one per value usage).

#include <cstddef>
#include <vector>

#include "device/HidDevice.h"

namespace quillon {

// Bounds on what one description may allocate, whatever the descriptor asks for.
inline constexpr std::size_t kMaxHidDataItems = 4096;
inline constexpr std::size_t kMaxHidUsageListLength = 4096;   // usages of one button item
inline constexpr std::size_t kMaxHidUsageEntries = 1u << 18;  // usages of all button items

// The first top-level collection's usage page and usage, the input report length (the longest
// input report of the interface) and the input capability counts.
HidCapabilitiesSummary summarizeCapabilities(const HidReportDescriptor& descriptor);

// Button items in capability order, then value items in capability order with ranges expanded in
// ascending usage order. Stops early at the bounds above.
std::vector<HidDataItem> buildInputDataItems(const HidReportDescriptor& descriptor);

}  // namespace quillon
