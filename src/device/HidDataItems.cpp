#include "device/HidDataItems.h"

#include <algorithm>

namespace quillon {
namespace {

std::uint16_t clampCount(std::size_t count) {
    return static_cast<std::uint16_t>(std::min<std::size_t>(count, 0xFFFF));
}

std::size_t countInputItems(const HidReportDescriptor& descriptor) {
    std::size_t count = descriptor.buttonCaps(HidReportType::Input).size();
    for (const HidCapability& cap : descriptor.valueCaps(HidReportType::Input)) {
        count += static_cast<std::size_t>(cap.usageMax) - cap.usageMin + 1;
    }
    return std::min(count, kMaxHidDataItems);
}

}  // namespace

HidCapabilitiesSummary summarizeCapabilities(const HidReportDescriptor& descriptor) {
    HidCapabilitiesSummary caps;
    if (!descriptor.collections().empty()) {
        caps.usagePage = descriptor.collections().front().usagePage;
        caps.usage = descriptor.collections().front().usage;
    }
    caps.inputReportByteLength = descriptor.inputReportByteLength();
    caps.numberInputButtonCaps = clampCount(descriptor.buttonCaps(HidReportType::Input).size());
    caps.numberInputValueCaps = clampCount(descriptor.valueCaps(HidReportType::Input).size());
    return caps;
}

std::vector<HidDataItem> buildInputDataItems(const HidReportDescriptor& descriptor) {
    const std::size_t limit = countInputItems(descriptor);
    std::vector<HidDataItem> items;
    items.reserve(limit);
    std::size_t usageBudget = kMaxHidUsageEntries;
    for (const HidCapability& cap : descriptor.buttonCaps(HidReportType::Input)) {
        if (items.size() >= limit) {
            return items;
        }
        HidDataItem item;
        item.isButtonData = true;
        item.usagePage = cap.usagePage;
        item.reportId = cap.reportId;
        item.usageMin = cap.usageMin;
        item.usageMax = cap.usageMax;
        const std::size_t listLength =
            descriptor.maxUsageListLength(HidReportType::Input, cap.usagePage);
        item.maxUsageCount =
            static_cast<std::uint32_t>(std::min({listLength, kMaxHidUsageListLength, usageBudget}));
        usageBudget -= item.maxUsageCount;
        item.usages.assign(item.maxUsageCount, 0);
        items.push_back(std::move(item));
    }
    for (const HidCapability& cap : descriptor.valueCaps(HidReportType::Input)) {
        for (std::uint32_t usage = cap.usageMin; usage <= cap.usageMax; ++usage) {
            if (items.size() >= limit) {
                return items;
            }
            HidDataItem item;
            item.usagePage = cap.usagePage;
            item.reportId = cap.reportId;
            item.usage = static_cast<std::uint16_t>(usage);
            items.push_back(std::move(item));
        }
    }
    return items;
}

}  // namespace quillon
