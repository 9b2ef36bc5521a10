// Feeds arbitrary bytes to the report descriptor parser and, when it accepts them, an arbitrary
// report to every extraction call and to the input data items built from the description.
//
// Input layout: one byte that picks how many of the following bytes are the descriptor, then the
// descriptor, then the report.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <vector>

#include "device/HidDataItems.h"
#include "device/HidDescriptor.h"

namespace {

using quillon::HidCapability;
using quillon::HidReportDescriptor;
using quillon::HidReportType;

// Every field an accepted descriptor describes lies inside the longest report of its type.
void checkFieldsInsideReports(const HidReportDescriptor& descriptor, HidReportType type) {
    for (const auto* caps : {&descriptor.buttonCaps(type), &descriptor.valueCaps(type)}) {
        for (const HidCapability& cap : *caps) {
            const std::uint64_t end = cap.bitOffset + std::uint64_t{cap.bitSize} * cap.reportCount;
            if ((end + 7) / 8 + 1 > descriptor.reportByteLength(type)) {
                std::abort();
            }
        }
    }
}

void extractEverything(const HidReportDescriptor& descriptor, HidReportType type,
                       const std::uint8_t* report, std::size_t length) {
    std::vector<std::uint16_t> usages;
    std::set<std::uint16_t> pages;
    for (const HidCapability& cap : descriptor.buttonCaps(type)) {
        pages.insert(cap.usagePage);
    }
    for (std::uint16_t page : pages) {
        const std::uint32_t max = descriptor.maxUsageListLength(type, page);
        descriptor.getUsages(type, page, report, length, usages, max);
        if (usages.size() > max) {
            std::abort();
        }
    }
    for (const HidCapability& cap : descriptor.valueCaps(type)) {
        // A few usages of each range are enough to reach every path.
        const std::uint32_t last = std::min<std::uint32_t>(cap.usageMax, cap.usageMin + 4u);
        for (std::uint32_t usage = cap.usageMin; usage <= last; ++usage) {
            std::uint32_t raw = 0;
            std::int32_t scaled = 0;
            const auto u = static_cast<std::uint16_t>(usage);
            descriptor.getUsageValue(type, cap.usagePage, u, report, length, raw);
            descriptor.getScaledUsageValue(type, cap.usagePage, u, report, length, scaled);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const std::size_t rest = size - 1;
    const std::size_t descriptorLength = rest == 0 ? 0 : (data[0] * rest) / 255;
    const std::uint8_t* descriptorBytes = data + 1;
    const std::uint8_t* report = descriptorBytes + descriptorLength;
    const std::size_t reportLength = rest - descriptorLength;

    HidReportDescriptor descriptor;
    if (HidReportDescriptor::parse(descriptorBytes, descriptorLength, descriptor) !=
        quillon::kHidParseOk) {
        if (!descriptor.collections().empty()) {
            std::abort();  // a refused descriptor must leave nothing behind
        }
        return 0;
    }
    for (auto type : {HidReportType::Input, HidReportType::Output, HidReportType::Feature}) {
        checkFieldsInsideReports(descriptor, type);
        extractEverything(descriptor, type, report, reportLength);
    }
    std::vector<quillon::HidDataItem> items = quillon::buildInputDataItems(descriptor);
    quillon::UnpackInputReport(items, descriptor, report, reportLength);
    return 0;
}
