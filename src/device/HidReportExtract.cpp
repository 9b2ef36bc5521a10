// Reading usages and values out of a report with the capabilities of a parsed descriptor. The
// report's first byte is the report id; field bit positions count from the byte after it.

#include <algorithm>
#include <limits>

#include "device/HidDescriptor.h"

namespace quillon {

struct HidReportDescriptor::FieldLookup {
    const HidCapability* cap = nullptr;
    std::uint32_t field = 0;  // which field of the capability holds the usage
};

namespace {

// Whether `bits` bits starting at `bitPos` lie inside the report data.
bool fieldFits(std::size_t length, std::uint64_t bitPos, std::uint64_t bits) {
    return length >= 1 && (bitPos + bits + 7) / 8 <= length - 1;
}

// Reads a field of 1 to 32 bits, least significant bit first. The caller checks that it fits.
std::uint32_t readField(const std::uint8_t* report, std::uint64_t bitPos, std::uint32_t bits) {
    const std::size_t first = 1 + static_cast<std::size_t>(bitPos / 8);
    const std::size_t last = 1 + static_cast<std::size_t>((bitPos + bits - 1) / 8);
    std::uint64_t gathered = 0;
    for (std::size_t byte = last + 1; byte-- > first;) {
        gathered = gathered << 8 | report[byte];
    }
    gathered >>= bitPos % 8;
    const std::uint64_t mask = bits >= 32 ? 0xFFFFFFFFull : (1ull << bits) - 1;
    return static_cast<std::uint32_t>(gathered & mask);
}

// The field as a number on the capability's logical scale: signed when the scale has negative
// values.
std::int64_t logicalValue(const HidCapability& cap, std::uint32_t raw) {
    if (cap.logicalMin >= 0 || cap.bitSize == 0 || cap.bitSize >= 32) {
        return cap.logicalMin < 0 ? static_cast<std::int32_t>(raw) : static_cast<std::int64_t>(raw);
    }
    const std::uint32_t sign = 1u << (cap.bitSize - 1);
    return static_cast<std::int64_t>(raw ^ sign) - static_cast<std::int64_t>(sign);
}

bool appendUsage(std::vector<std::uint16_t>& usages, std::size_t maxUsages, std::uint16_t usage) {
    if (usages.size() >= maxUsages) {
        return false;
    }
    usages.push_back(usage);
    return true;
}

std::uint32_t variableButtonUsages(const HidCapability& cap, std::uint16_t usagePage,
                                   const std::uint8_t* report, std::size_t length,
                                   std::vector<std::uint16_t>& usages, std::size_t maxUsages) {
    if (cap.usagePage != usagePage) {
        return kHidStatusSuccess;
    }
    if (!fieldFits(length, cap.bitOffset, cap.reportCount)) {
        return kHidStatusInvalidReportLength;
    }
    for (std::uint32_t bit = 0; bit < cap.reportCount; ++bit) {
        if (readField(report, cap.bitOffset + bit, 1) == 0) {
            continue;
        }
        const auto usage =
            static_cast<std::uint16_t>(cap.isRange ? cap.usageMin + bit : cap.usageMin);
        if (usage != 0 && !appendUsage(usages, maxUsages, usage)) {
            return kHidStatusBufferTooSmall;
        }
        if (!cap.isRange) {
            break;  // fields that repeat one usage report it once
        }
    }
    return kHidStatusSuccess;
}

// The capability of an array whose usages the index selects, or null. The declarations of an
// array follow each other with rising first indexes.
const HidCapability* arrayCapabilityFor(const HidCapability* first, const HidCapability* end,
                                        std::int64_t index) {
    const HidCapability* after = std::upper_bound(
        first, end, index,
        [](std::int64_t wanted, const HidCapability& cap) { return wanted < cap.arrayIndex; });
    if (after == first) {
        return nullptr;
    }
    const HidCapability* cap = after - 1;
    const std::int64_t count = static_cast<std::int64_t>(cap->usageMax) - cap->usageMin + 1;
    return index < cap->arrayIndex + count ? cap : nullptr;
}

std::uint32_t arrayButtonUsages(const HidCapability* first, const HidCapability* end,
                                std::uint16_t usagePage, const std::uint8_t* report,
                                std::size_t length, std::vector<std::uint16_t>& usages,
                                std::size_t maxUsages) {
    const HidCapability& field = *first;
    if (field.bitSize > 32) {
        return kHidStatusValueTooWide;
    }
    if (!fieldFits(length, field.bitOffset,
                   static_cast<std::uint64_t>(field.reportCount) * field.bitSize)) {
        return kHidStatusInvalidReportLength;
    }
    for (std::uint32_t slot = 0; slot < field.reportCount; ++slot) {
        const std::uint64_t bitPos = field.bitOffset + std::uint64_t{slot} * field.bitSize;
        const std::int64_t value = logicalValue(field, readField(report, bitPos, field.bitSize));
        if (value < field.logicalMin || value > field.logicalMax) {
            continue;  // an empty slot
        }
        const std::int64_t index = value - field.logicalMin;
        const HidCapability* cap = arrayCapabilityFor(first, end, index);
        if (cap == nullptr || cap->usagePage != usagePage) {
            continue;
        }
        const auto usage = static_cast<std::uint16_t>(cap->usageMin + (index - cap->arrayIndex));
        if (usage != 0 && !appendUsage(usages, maxUsages, usage)) {
            return kHidStatusBufferTooSmall;
        }
    }
    return kHidStatusSuccess;
}

}  // namespace

std::uint32_t HidReportDescriptor::getUsages(HidReportType type, std::uint16_t usagePage,
                                             const std::uint8_t* report, std::size_t length,
                                             std::vector<std::uint16_t>& usages,
                                             std::size_t maxUsages) const {
    usages.clear();
    if (report == nullptr || length == 0) {
        return kHidStatusInvalidReportLength;
    }
    const auto& caps = buttonCaps(type);
    bool pageSeen = false;
    bool reportSeen = false;
    for (std::size_t i = 0; i < caps.size();) {
        // The declarations of one array share its slots and are read together.
        std::size_t end = i + 1;
        while (caps[i].isArray && end < caps.size() && caps[end].mainItem == caps[i].mainItem) {
            ++end;
        }
        const bool onPage =
            std::any_of(caps.begin() + i, caps.begin() + end,
                        [&](const HidCapability& c) { return c.usagePage == usagePage; });
        if (onPage) {
            pageSeen = true;
        }
        if (onPage && caps[i].reportId == report[0]) {
            reportSeen = true;
            const std::uint32_t status =
                caps[i].isArray
                    ? arrayButtonUsages(&caps[i], caps.data() + end, usagePage, report, length,
                                        usages, maxUsages)
                    : variableButtonUsages(caps[i], usagePage, report, length, usages, maxUsages);
            if (status != kHidStatusSuccess) {
                return status;
            }
        }
        i = end;
    }
    if (!pageSeen) {
        return kHidStatusUsageNotFound;
    }
    return reportSeen ? kHidStatusSuccess : kHidStatusIncompatibleReportId;
}

std::uint32_t HidReportDescriptor::findValueField(HidReportType type, std::uint16_t usagePage,
                                                  std::uint16_t usage, const std::uint8_t* report,
                                                  std::size_t length, FieldLookup& found) const {
    if (report == nullptr || length == 0) {
        return kHidStatusInvalidReportLength;
    }
    bool usageSeen = false;
    for (const HidCapability& cap : valueCaps(type)) {
        if (cap.usagePage != usagePage || usage < cap.usageMin || usage > cap.usageMax) {
            continue;
        }
        usageSeen = true;
        if (cap.reportId != report[0]) {
            continue;
        }
        found.cap = &cap;
        found.field = cap.isRange ? static_cast<std::uint32_t>(usage - cap.usageMin) : 0;
        if (cap.bitSize > 32) {
            return kHidStatusValueTooWide;
        }
        const std::uint64_t bitPos = cap.bitOffset + std::uint64_t{found.field} * cap.bitSize;
        return fieldFits(length, bitPos, cap.bitSize) ? kHidStatusSuccess
                                                      : kHidStatusInvalidReportLength;
    }
    return usageSeen ? kHidStatusIncompatibleReportId : kHidStatusUsageNotFound;
}

std::uint32_t HidReportDescriptor::getUsageValue(HidReportType type, std::uint16_t usagePage,
                                                 std::uint16_t usage, const std::uint8_t* report,
                                                 std::size_t length, std::uint32_t& value) const {
    FieldLookup found;
    const std::uint32_t status = findValueField(type, usagePage, usage, report, length, found);
    if (status != kHidStatusSuccess) {
        return status;
    }
    const HidCapability& cap = *found.cap;
    value =
        readField(report, cap.bitOffset + std::uint64_t{found.field} * cap.bitSize, cap.bitSize);
    return kHidStatusSuccess;
}

std::uint32_t HidReportDescriptor::getScaledUsageValue(HidReportType type, std::uint16_t usagePage,
                                                       std::uint16_t usage,
                                                       const std::uint8_t* report,
                                                       std::size_t length,
                                                       std::int32_t& value) const {
    value = 0;
    FieldLookup found;
    const std::uint32_t status = findValueField(type, usagePage, usage, report, length, found);
    if (status != kHidStatusSuccess) {
        return status;
    }
    const HidCapability& cap = *found.cap;
    std::int64_t physicalMin = cap.physicalMin;
    std::int64_t physicalMax = cap.physicalMax;
    if (physicalMin == 0 && physicalMax == 0) {
        physicalMin = cap.logicalMin;  // no physical range declared: the logical one stands in
        physicalMax = cap.logicalMax;
    }
    if (cap.logicalMin >= cap.logicalMax || physicalMin == physicalMax) {
        return kHidStatusBadLogPhyValues;
    }
    const std::uint32_t raw =
        readField(report, cap.bitOffset + std::uint64_t{found.field} * cap.bitSize, cap.bitSize);
    const std::int64_t logical = logicalValue(cap, raw);
    if (logical < cap.logicalMin || logical > cap.logicalMax) {
        return kHidStatusNull;
    }
    // Both spans are below 2^32, so their product fits in 64 unsigned bits.
    const std::uint64_t offset = static_cast<std::uint64_t>(logical - cap.logicalMin);
    const std::int64_t physicalSpan = physicalMax - physicalMin;
    const std::uint64_t spanMagnitude =
        static_cast<std::uint64_t>(physicalSpan < 0 ? -physicalSpan : physicalSpan);
    const std::uint64_t logicalSpan =
        static_cast<std::uint64_t>(std::int64_t{cap.logicalMax} - cap.logicalMin);
    const auto step = static_cast<std::int64_t>(offset * spanMagnitude / logicalSpan);
    const std::int64_t scaled = physicalMin + (physicalSpan < 0 ? -step : step);
    value = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(scaled, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()));
    return kHidStatusSuccess;
}

}  // namespace quillon
