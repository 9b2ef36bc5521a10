#include "device/DeviceModel.h"

#include <algorithm>

namespace quillon {

std::size_t currentRecordSize(DeviceKind kind) {
    return kind == DeviceKind::Mouse ? kMouseCurrentSize : kKeyboardCurrentSize;
}

std::uint8_t CurrentRecord::get(std::size_t offset) const {
    return offset < size_ ? bytes_[offset].load(std::memory_order_relaxed) : 0;
}

void CurrentRecord::set(std::size_t offset, std::uint8_t value) {
    if (offset < size_) {
        bytes_[offset].store(value, std::memory_order_relaxed);
    }
}

void CurrentRecord::assign(std::span<const std::uint8_t> from) {
    const std::size_t n = std::min(size_, from.size());
    for (std::size_t i = 0; i < n; ++i) {
        bytes_[i].store(from[i], std::memory_order_relaxed);
    }
}

void CurrentRecord::copyTo(std::span<std::uint8_t> to) const {
    const std::size_t n = std::min(size_, to.size());
    for (std::size_t i = 0; i < n; ++i) {
        to[i] = bytes_[i].load(std::memory_order_relaxed);
    }
}

namespace {

// What the devices' factory key tables hold until a device has been read: the mouse's six buttons
// (left, middle, right, forward, back, DPI cycle), then "device function" filler.
void fillInitialFactoryTable(DeviceKind kind, KeyTableBytes& table) {
    std::fill(table.begin(), table.end(), std::uint8_t{0x05});
    table[510] = 0;
    table[511] = 0;
    if (kind != DeviceKind::Mouse) {
        return;
    }
    const std::uint8_t mouse[18] = {0x10, 0x01, 0x00, 0x10, 0x04, 0x00, 0x10, 0x02, 0x00,
                                    0x10, 0x10, 0x00, 0x10, 0x08, 0x00, 0x13, 0x03, 0x00};
    std::copy(std::begin(mouse), std::end(mouse), table.begin());
}

}  // namespace

DeviceMemory::DeviceMemory(DeviceKind k) : kind(k), current(currentRecordSize(k)) {
    if (kind != DeviceKind::Mousepad) {
        fillInitialFactoryTable(kind, factoryKeyTable);
    }
}

DeviceModel::DeviceModel() = default;

}  // namespace quillon
