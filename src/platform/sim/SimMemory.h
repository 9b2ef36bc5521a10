#pragma once
// The memory of one simulated device, region by region, with bounds-checked access. It is plain
// data: whoever shares a SimMemory between threads guards it.
//
// Regions by kind: all three have the device information and the settings area; the mouse and the
// keyboard also a factory key table, the profile pages and macro memory; only the mouse has cursor
// memory. The macro memory's size follows the macro capacity in the device information (byte 6,
// units of 128 bytes), so changing that byte resizes what the host may write.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/sim/SimDefaults.h"
#include "platform/sim/SimTypes.h"

namespace quillon {

class SimMemory {
  public:
    explicit SimMemory(SimKind kind);

    SimKind kind() const { return kind_; }
    // Whether this kind of device has the region at all.
    bool hasRegion(SimRegion region) const;
    // Bytes the host may reach in the region (0 when the device lacks it).
    std::size_t size(SimRegion region) const;

    // False, changing nothing, when [offset, offset + count) is not inside the region.
    bool read(SimRegion region, std::size_t offset, std::span<std::uint8_t> out) const;
    bool write(SimRegion region, std::size_t offset, std::span<const std::uint8_t> bytes);

    int keyCount() const { return keyCount_; }
    // Keyboard only, 0..255: the device information's key count changes, and the factory key table
    // and the profile pages start over for that many keys.
    bool setKeyCount(int count);

    // Back to the factory settings: settings records, profile pages, macro and cursor memory. The
    // device information (and with it the key count) is the device's identity and stays.
    void factoryReset();

  private:
    std::vector<std::uint8_t>* storage(SimRegion region);
    const std::vector<std::uint8_t>* storage(SimRegion region) const;
    void resetKeyTables();

    SimKind kind_;
    int keyCount_ = 0;
    std::vector<std::uint8_t> info_;
    std::vector<std::uint8_t> settings_;
    std::vector<std::uint8_t> keyTable_;
    std::vector<std::uint8_t> pages_;
    std::vector<std::uint8_t> macro_;  // room for the largest capacity the information can name
    std::vector<std::uint8_t> cursor_;
};

// Whether [offset, offset + count) lies within `size` (without overflow).
inline bool simRangeFits(std::size_t offset, std::size_t count, std::size_t size) {
    return offset <= size && count <= size - offset;
}

}  // namespace quillon
