#include "platform/sim/SimMemory.h"

#include <algorithm>
#include <utility>

#include "platform/sim/SimCursorImage.h"
#include "platform/sim/SimKeyTables.h"

namespace quillon {

SimMemory::SimMemory(SimKind kind) : kind_(kind) {
    const SimInfoBytes info = simDefaultDeviceInfo(kind);
    info_.assign(info.begin(), info.end());
    keyCount_ = kind == SimKind::Mousepad ? 0 : info[sim_info::kKeyCount];
    if (hasRegion(SimRegion::Macro)) {
        macro_.assign(0xFF * kSimMacroUnit, 0);
    }
    factoryReset();
}

bool SimMemory::hasRegion(SimRegion region) const {
    switch (region) {
        case SimRegion::Info:
        case SimRegion::Settings:
            return true;
        case SimRegion::KeyTable:
        case SimRegion::Pages:
        case SimRegion::Macro:
            return kind_ != SimKind::Mousepad;
        case SimRegion::Cursor:
            return kind_ == SimKind::Mouse;
    }
    return false;
}

std::size_t SimMemory::size(SimRegion region) const {
    if (region == SimRegion::Macro && hasRegion(region)) {
        return std::min<std::size_t>(info_[sim_info::kMacroCapacity] * kSimMacroUnit,
                                     macro_.size());
    }
    const std::vector<std::uint8_t>* bytes = storage(region);
    return bytes == nullptr ? 0 : bytes->size();
}

bool SimMemory::read(SimRegion region, std::size_t offset, std::span<std::uint8_t> out) const {
    const std::vector<std::uint8_t>* bytes = storage(region);
    if (bytes == nullptr || !simRangeFits(offset, out.size(), size(region))) {
        return false;
    }
    std::copy_n(bytes->begin() + static_cast<std::ptrdiff_t>(offset), out.size(), out.begin());
    return true;
}

bool SimMemory::write(SimRegion region, std::size_t offset, std::span<const std::uint8_t> in) {
    std::vector<std::uint8_t>* bytes = storage(region);
    if (bytes == nullptr || !simRangeFits(offset, in.size(), size(region))) {
        return false;
    }
    std::copy(in.begin(), in.end(), bytes->begin() + static_cast<std::ptrdiff_t>(offset));
    return true;
}

bool SimMemory::setKeyCount(int count) {
    if (kind_ != SimKind::Keyboard || count < 0 || count > static_cast<int>(kSimMaxKeyCount)) {
        return false;
    }
    keyCount_ = count;
    info_[sim_info::kKeyCount] = static_cast<std::uint8_t>(count);
    resetKeyTables();
    return true;
}

void SimMemory::factoryReset() {
    settings_ = simDefaultSettings(kind_);
    resetKeyTables();
    std::fill(macro_.begin(), macro_.end(), 0);
    if (hasRegion(SimRegion::Cursor)) {
        cursor_ = simDefaultCursorImage();
    }
}

void SimMemory::resetKeyTables() {
    switch (kind_) {
        case SimKind::Mouse:
            keyTable_ = simMouseFactoryKeyTable();
            break;
        case SimKind::Keyboard:
            keyTable_ = simKeyboardFactoryKeyTable(keyCount_);
            break;
        case SimKind::Mousepad:
            return;
    }
    pages_ = simDefaultPages(kind_, keyTable_);
}

std::vector<std::uint8_t>* SimMemory::storage(SimRegion region) {
    return const_cast<std::vector<std::uint8_t>*>(std::as_const(*this).storage(region));
}

const std::vector<std::uint8_t>* SimMemory::storage(SimRegion region) const {
    if (!hasRegion(region)) {
        return nullptr;
    }
    switch (region) {
        case SimRegion::Info:
            return &info_;
        case SimRegion::Settings:
            return &settings_;
        case SimRegion::KeyTable:
            return &keyTable_;
        case SimRegion::Pages:
            return &pages_;
        case SimRegion::Macro:
            return &macro_;
        case SimRegion::Cursor:
            return &cursor_;
    }
    return nullptr;
}

}  // namespace quillon
