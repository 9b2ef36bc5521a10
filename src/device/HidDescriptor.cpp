#include "device/HidDescriptor.h"

#include <algorithm>
#include <new>

#include "device/HidDescriptorParser.h"
#include "device/HidItemReader.h"

namespace quillon {

const char* hidParseResultText(int result) {
    switch (result) {
        case kHidParseOk:
            return "parsed";
        case kHidParseEmpty:
            return "empty report descriptor";
        case kHidParseTruncated:
            return "report descriptor ends inside an item";
        case kHidParseTooLarge:
            return "report descriptor too large";
        case kHidParseNestingTooDeep:
            return "collections or pushed states nested too deep";
        case kHidParseUnbalanced:
            return "unbalanced collection or push/pop";
        case kHidParseBadReportId:
            return "report id 0 or above 255";
        case kHidParseFieldTooLarge:
            return "report size or report count too large";
        case kHidParseReportTooLong:
            return "report too long";
        case kHidParseTooManyItems:
            return "too many items, usages or capabilities";
        case kHidParseNoCollection:
            return "no top-level application collection";
        case kHidParseBadDelimiter:
            return "bad delimiter set";
        default:
            return "unknown report descriptor failure";
    }
}

void HidReportDescriptor::clear() {
    collections_.clear();
    usesReportIds_ = false;
    errorOffset_ = 0;
    for (std::size_t type = 0; type < 3; ++type) {
        reportBytes_[type] = 0;
        buttonCaps_[type].clear();
        valueCaps_[type].clear();
        usageListLengths_[type].clear();
    }
}

int HidReportDescriptor::parse(const std::uint8_t* bytes, std::size_t size,
                               HidReportDescriptor& out) {
    out.clear();
    if (bytes == nullptr || size == 0) {
        return kHidParseEmpty;
    }
    if (size > kMaxHidDescriptorBytes) {
        return kHidParseTooLarge;
    }
    auto fail = [&out](int result, std::size_t offset) {
        out.clear();
        out.errorOffset_ = offset;
        return result;
    };
    std::size_t pos = 0;
    try {
        HidDescriptorParser parser(out);
        while (pos < size) {
            const std::size_t start = pos;
            HidItem item;
            int result = readHidItem(bytes, size, pos, item);
            if (result == kHidParseOk) {
                result = parser.onItem(item);
            }
            if (result != kHidParseOk) {
                return fail(result, start);
            }
        }
        const int result = parser.finish();
        if (result != kHidParseOk) {
            return fail(result, size);
        }
    } catch (const std::bad_alloc&) {
        return fail(kHidParseTooManyItems, pos);
    }
    return kHidParseOk;
}

std::uint16_t HidReportDescriptor::reportByteLength(HidReportType type) const {
    return reportBytes_[static_cast<std::size_t>(type)];
}

const std::vector<HidCapability>& HidReportDescriptor::buttonCaps(HidReportType type) const {
    return buttonCaps_[static_cast<std::size_t>(type)];
}

const std::vector<HidCapability>& HidReportDescriptor::valueCaps(HidReportType type) const {
    return valueCaps_[static_cast<std::size_t>(type)];
}

std::uint32_t HidReportDescriptor::maxUsageListLength(HidReportType type,
                                                      std::uint16_t usagePage) const {
    const auto& lengths = usageListLengths_[static_cast<std::size_t>(type)];
    const auto found = std::lower_bound(lengths.begin(), lengths.end(), usagePage,
                                        [](const std::pair<std::uint16_t, std::uint32_t>& entry,
                                           std::uint16_t page) { return entry.first < page; });
    return found != lengths.end() && found->first == usagePage ? found->second : 0;
}

}  // namespace quillon
