#pragma once
// Splits a HID report descriptor into its items. Short items carry 0, 1, 2 or 4 data bytes; long
// items (prefix 0xFE) carry their own size and are returned with isLong set so the caller can
// skip them.

#include <cstddef>
#include <cstdint>

namespace quillon {

enum class HidItemType : std::uint8_t { Main = 0, Global = 1, Local = 2, Reserved = 3 };

struct HidItem {
    HidItemType type = HidItemType::Main;
    std::uint8_t tag = 0;
    std::uint8_t dataSize = 0;  // bytes of data
    std::uint32_t unsignedData = 0;
    std::int32_t signedData = 0;  // the data sign-extended from its size
    bool isLong = false;
};

// Reads the item that starts at `pos` and moves `pos` past it. Returns kHidParseOk, or
// kHidParseTruncated (pos unchanged) when the item does not fit in the remaining bytes.
int readHidItem(const std::uint8_t* bytes, std::size_t size, std::size_t& pos, HidItem& item);

}  // namespace quillon
