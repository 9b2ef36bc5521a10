#pragma once
// How blocks larger than one report are cut: chunks of 56 bytes at offsets 0, 56, 112, ..., the
// last one carrying the remainder; profile pages lie 126 bytes apart in the device's address space
// whatever the size of the block moved.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "device/CommandFrame.h"

namespace quillon {

inline constexpr std::size_t kChunkSize = kFramePayloadSize;
inline constexpr std::size_t kPageStride = 126;
inline constexpr int kPageCount = 5;

// Bytes carried by the chunk at `offset` of a `total`-byte transfer (0 when offset >= total).
constexpr std::size_t chunkLength(std::size_t total, std::size_t offset) {
    if (offset >= total) {
        return 0;
    }
    return offset + kChunkSize < total ? kChunkSize : total - offset;
}

// Number of reports a `total`-byte transfer takes.
constexpr std::size_t chunkCount(std::size_t total) {
    return (total + kChunkSize - 1) / kChunkSize;
}

constexpr bool isValidPage(int page) {
    return page >= 0 && page < kPageCount;
}

// Device address of the chunk at `offset` of `page`; empty when it does not fit 16 bits.
constexpr std::optional<std::uint16_t> pageAddress(int page, std::size_t offset) {
    const std::size_t address = static_cast<std::size_t>(page) * kPageStride + offset;
    if (page < 0 || address > 0xFFFF) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(address);
}

// Whether every chunk address of a `total`-byte transfer starting at `base` fits 16 bits.
constexpr bool addressesFit(std::size_t base, std::size_t total) {
    return total == 0 || base + (chunkCount(total) - 1) * kChunkSize <= 0xFFFF;
}

}  // namespace quillon
