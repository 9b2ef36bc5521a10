#pragma once
// The keyboard's and the mousepad's 64-byte settings records. Only bytes 0..20 carry meaning: the
// profile index, the lighting block (bytes 1..8) and the preview's colour-group counter; the rest
// is carried unchanged. The current record of each device is its first 21 bytes.

#include <cstdint>
#include <span>

#include "device/DeviceModel.h"
#include "lighting/SettingsRecordFields.h"
#include "lighting/effects/LightingBlock.h"

namespace quillon {

// Lighting of a record: bytes 1..8.
struct LightingRecord {
    RecordBytes bytes{};

    std::uint8_t profileIndex() const { return bytes[record_field::kProfileIndex]; }
    lighting::LightingBlock lighting() const { return lighting::LightingBlock::fromRecord(bytes); }
    void setLighting(const lighting::LightingBlock& block) { block.toRecord(bytes); }
};

struct KeyboardRecord : LightingRecord {};
struct MousepadRecord : LightingRecord {};

// The lighting block of a device's current record, read byte by byte.
inline lighting::LightingBlock currentLighting(const CurrentRecord& record) {
    std::array<std::uint8_t, 1 + lighting::kLightingBlockSize> bytes{};
    for (std::size_t i = 0; i < bytes.size() && i < record.size(); ++i) {
        bytes[i] = record.get(i);
    }
    return lighting::LightingBlock::fromRecord(bytes);
}

inline void setCurrentLighting(CurrentRecord& record, const lighting::LightingBlock& block) {
    std::array<std::uint8_t, 1 + lighting::kLightingBlockSize> bytes{};
    block.toRecord(bytes);
    for (std::size_t i = 1; i < bytes.size() && i < record.size(); ++i) {
        record.set(i, bytes[i]);
    }
}

}  // namespace quillon
