#include "device/HidItemReader.h"

#include "device/HidDescriptor.h"

namespace quillon {
namespace {

constexpr std::uint8_t kLongItemPrefix = 0xFE;

std::int32_t signExtend(std::uint32_t value, std::uint8_t bytes) {
    switch (bytes) {
        case 1:
            return static_cast<std::int8_t>(value);
        case 2:
            return static_cast<std::int16_t>(value);
        case 4:
            return static_cast<std::int32_t>(value);
        default:
            return 0;
    }
}

}  // namespace

int readHidItem(const std::uint8_t* bytes, std::size_t size, std::size_t& pos, HidItem& item) {
    if (bytes == nullptr || pos >= size) {
        return kHidParseTruncated;
    }
    const std::size_t left = size - pos;
    const std::uint8_t prefix = bytes[pos];
    item = HidItem{};
    if (prefix == kLongItemPrefix) {
        // Prefix, data size, long tag, then the data.
        if (left < 3 || left - 3 < bytes[pos + 1]) {
            return kHidParseTruncated;
        }
        item.isLong = true;
        item.type = HidItemType::Reserved;
        item.tag = bytes[pos + 2];
        pos += 3 + static_cast<std::size_t>(bytes[pos + 1]);
        return kHidParseOk;
    }
    static constexpr std::uint8_t kDataBytes[4] = {0, 1, 2, 4};
    const std::uint8_t dataSize = kDataBytes[prefix & 0x03];
    if (left - 1 < dataSize) {
        return kHidParseTruncated;
    }
    std::uint32_t value = 0;
    for (std::uint8_t i = 0; i < dataSize; ++i) {
        value |= static_cast<std::uint32_t>(bytes[pos + 1 + i]) << (8 * i);
    }
    item.type = static_cast<HidItemType>((prefix >> 2) & 0x03);
    item.tag = static_cast<std::uint8_t>(prefix >> 4);
    item.dataSize = dataSize;
    item.unsignedData = value;
    item.signedData = signExtend(value, dataSize);
    pos += 1 + dataSize;
    return kHidParseOk;
}

}  // namespace quillon
