#pragma once
// The in-memory copy of each device's memory: device information, settings records, key tables
// and the current record that every settings edit changes. The interface thread owns the model;
// worker threads never write it. The current record and the write-pending flag are atomics, so
// that the lighting previews may read them on their own threads while the interface edits them.

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>

#include "device/DeviceKind.h"
#include "device/PendingFlag.h"

namespace quillon {

inline constexpr std::size_t kDeviceInfoSize = 33;
inline constexpr std::size_t kKeyTableSize = 512;
inline constexpr std::size_t kRecordSize = 64;
inline constexpr std::size_t kSettingsReadSize = 56;  // bytes of a record moved by one read
inline constexpr int kProfileCount = 5;
inline constexpr std::size_t kMouseCurrentSize = 38;
inline constexpr std::size_t kKeyboardCurrentSize = 21;
inline constexpr std::size_t kMousepadCurrentSize = 21;
inline constexpr std::size_t kMaxCurrentSize = 38;

// 38 bytes for the mouse, 21 for the keyboard and the mousepad.
std::size_t currentRecordSize(DeviceKind kind);

using DeviceInfoBytes = std::array<std::uint8_t, kDeviceInfoSize>;
using KeyTableBytes = std::array<std::uint8_t, kKeyTableSize>;
using RecordBytes = std::array<std::uint8_t, kRecordSize>;

// The current record: the first bytes of the active profile's record, byte 0 the active profile
// number. Bytes are atomics so a preview thread may read while the interface thread writes.
class CurrentRecord {
public:
    explicit CurrentRecord(std::size_t size) : size_(size) {}
    std::size_t size() const { return size_; }
    std::uint8_t get(std::size_t offset) const;
    void set(std::size_t offset, std::uint8_t value);
    // Copies min(size(), from.size()) bytes in, or out.
    void assign(std::span<const std::uint8_t> from);
    void copyTo(std::span<std::uint8_t> to) const;

private:
    std::size_t size_;
    std::array<std::atomic<std::uint8_t>, kMaxCurrentSize> bytes_{};
};

struct DeviceMemory {
    explicit DeviceMemory(DeviceKind kind);

    const DeviceKind kind;
    DeviceInfoBytes info{};
    KeyTableBytes factoryKeyTable{};
    std::array<KeyTableBytes, kProfileCount> keyTables{};
    std::array<RecordBytes, kProfileCount> profileTable{};
    CurrentRecord current;
    PendingFlag writePending;
};

class DeviceModel {
public:
    DeviceModel();
    DeviceMemory& memory(DeviceKind kind) { return *memories_[kindIndex(kind)]; }
    const DeviceMemory& memory(DeviceKind kind) const { return *memories_[kindIndex(kind)]; }

    // 1 when the connected keyboard reported product id 0x6556, 0 for 0x0800; it keeps its value
    // for 0x7200. It picks the keyboard's default files and layout.
    std::atomic<int> keyboardVariant{0};

    // Set when the mouse reports a lighting event; each lighting preview consumes its own flag.
    std::atomic<bool> mouseLightPulse{false};
    std::atomic<bool> mousepadLightPulse{false};

private:
    DeviceMemory keyboard_{DeviceKind::Keyboard};
    DeviceMemory mouse_{DeviceKind::Mouse};
    DeviceMemory mousepad_{DeviceKind::Mousepad};
    std::array<DeviceMemory*, 3> memories_{&keyboard_, &mouse_, &mousepad_};
};

}  // namespace quillon
