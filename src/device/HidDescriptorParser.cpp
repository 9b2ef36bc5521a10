#include "device/HidDescriptorParser.h"

namespace quillon {
namespace {

constexpr std::uint32_t kApplicationCollection = 0x01;

}  // namespace

int HidDescriptorParser::onItem(const HidItem& item) {
    if (item.isLong) {
        return kHidParseOk;  // no long items are defined for reports; skipped
    }
    switch (item.type) {
        case HidItemType::Main:
            return onMain(item);
        case HidItemType::Global:
            return onGlobal(item);
        case HidItemType::Local:
            return onLocal(item);
        default:
            return kHidParseOk;
    }
}

int HidDescriptorParser::onGlobal(const HidItem& item) {
    switch (item.tag) {
        case 0x0:
            global_.usagePage = static_cast<std::uint16_t>(item.unsignedData);
            break;
        case 0x1:
            global_.logicalMin = item.signedData;
            break;
        case 0x2:
            global_.logicalMax = item.signedData;
            global_.logicalMaxRaw = item.unsignedData;
            break;
        case 0x3:
            global_.physicalMin = item.signedData;
            break;
        case 0x4:
            global_.physicalMax = item.signedData;
            global_.physicalMaxRaw = item.unsignedData;
            break;
        case 0x5:
            global_.unitExponent = item.unsignedData;
            break;
        case 0x6:
            global_.unit = item.unsignedData;
            break;
        case 0x7:
        case 0x8:
        case 0x9:
            return onReportLayout(item);
        case 0xA:
            return pushGlobals();
        case 0xB:
            return popGlobals();
        default:
            break;  // reserved tags carry nothing we use
    }
    return kHidParseOk;
}

int HidDescriptorParser::onReportLayout(const HidItem& item) {
    const std::uint32_t value = item.unsignedData;
    switch (item.tag) {
        case 0x7:
            if (value > kMaxHidReportSize) {
                return kHidParseFieldTooLarge;
            }
            global_.reportSize = value;
            return kHidParseOk;
        case 0x8:
            if (value == 0 || value > 0xFF) {
                return kHidParseBadReportId;
            }
            global_.reportId = static_cast<std::uint8_t>(value);
            out_.usesReportIds_ = true;
            return kHidParseOk;
        default:
            if (value > kMaxHidReportCount) {
                return kHidParseFieldTooLarge;
            }
            global_.reportCount = value;
            return kHidParseOk;
    }
}

int HidDescriptorParser::pushGlobals() {
    if (globalStack_.size() >= kMaxHidGlobalStack) {
        return kHidParseNestingTooDeep;
    }
    globalStack_.push_back(global_);
    return kHidParseOk;
}

int HidDescriptorParser::popGlobals() {
    if (globalStack_.empty()) {
        return kHidParseUnbalanced;
    }
    global_ = globalStack_.back();
    globalStack_.pop_back();
    return kHidParseOk;
}

int HidDescriptorParser::onLocal(const HidItem& item) {
    // A 4-byte usage names its own page in the upper 16 bits.
    const bool extended = item.dataSize == 4;
    const auto page =
        extended ? static_cast<std::uint16_t>(item.unsignedData >> 16) : global_.usagePage;
    const auto usage = static_cast<std::uint16_t>(item.unsignedData & 0xFFFF);
    switch (item.tag) {
        case 0x0:
            return addUsage(UsageDeclaration{page, usage, usage, false, extended});
        case 0x1:
            local_.min = RangeBound{true, extended, page, usage};
            return completeRange();
        case 0x2:
            local_.max = RangeBound{true, extended, page, usage};
            return completeRange();
        case 0xA:
            if (item.unsignedData > 1 || (item.unsignedData == 1) == local_.inDelimiter) {
                return kHidParseBadDelimiter;
            }
            local_.inDelimiter = item.unsignedData == 1;
            local_.delimiterSetTaken = false;
            return kHidParseOk;
        default:
            return kHidParseOk;  // designators and strings are not used
    }
}

int HidDescriptorParser::completeRange() {
    if (!local_.min.present || !local_.max.present) {
        return kHidParseOk;
    }
    const RangeBound min = local_.min;
    const RangeBound max = local_.max;
    local_.min = RangeBound{};
    local_.max = RangeBound{};
    // A range across two pages, or running backwards, names nothing usable; it is left out.
    if ((min.explicitPage && max.explicitPage && min.page != max.page) || min.usage > max.usage) {
        return kHidParseOk;
    }
    const std::uint16_t page = min.explicitPage ? min.page : max.page;
    return addUsage(
        UsageDeclaration{page, min.usage, max.usage, true, min.explicitPage || max.explicitPage});
}

int HidDescriptorParser::addUsage(const UsageDeclaration& usage) {
    if (local_.inDelimiter) {
        // Only the first (preferred) usage of a set of alternatives is kept.
        if (local_.delimiterSetTaken) {
            return kHidParseOk;
        }
        local_.delimiterSetTaken = true;
    }
    if (local_.usages.size() >= kMaxHidUsagesPerItem) {
        return kHidParseTooManyItems;
    }
    local_.usages.push_back(usage);
    return kHidParseOk;
}

// A Usage Page item may follow the usages it belongs to. The page in force at the main item is
// given to the trailing usages that did not name a page, back to the first one that already has
// it.
void HidDescriptorParser::settleUsagePages() {
    for (auto it = local_.usages.rbegin(); it != local_.usages.rend(); ++it) {
        if (it->explicitPage) {
            continue;
        }
        if (it->page == global_.usagePage) {
            break;
        }
        it->page = global_.usagePage;
    }
}

int HidDescriptorParser::onMain(const HidItem& item) {
    if (local_.inDelimiter) {
        return kHidParseBadDelimiter;
    }
    int result = kHidParseOk;
    switch (item.tag) {
        case 0x8:
            result = addReportField(HidReportType::Input, item.unsignedData);
            break;
        case 0x9:
            result = addReportField(HidReportType::Output, item.unsignedData);
            break;
        case 0xB:
            result = addReportField(HidReportType::Feature, item.unsignedData);
            break;
        case 0xA:
            result = openCollection(item.unsignedData & 0xFF);
            break;
        case 0xC:
            result = closeCollection();
            break;
        default:
            break;
    }
    local_ = LocalState{};
    return result;
}

int HidDescriptorParser::openCollection(std::uint32_t kind) {
    if (collections_.size() >= kMaxHidNesting) {
        return kHidParseNestingTooDeep;
    }
    settleUsagePages();
    OpenCollection opened;
    if (!local_.usages.empty()) {
        opened.usagePage = local_.usages.front().page;
        opened.usage = local_.usages.front().min;
    }
    if (!collections_.empty()) {
        opened.topLevel = collections_.back().topLevel;
    } else if (kind == kApplicationCollection) {
        if (out_.collections_.size() >= kHidNoCollection) {
            return kHidParseTooManyItems;
        }
        opened.topLevel = static_cast<std::uint16_t>(out_.collections_.size());
        HidCollection top;
        top.usagePage = opened.usagePage;
        top.usage = opened.usage;
        out_.collections_.push_back(top);
    }
    collections_.push_back(opened);
    return kHidParseOk;
}

int HidDescriptorParser::closeCollection() {
    if (collections_.empty()) {
        return kHidParseUnbalanced;
    }
    collections_.pop_back();
    return kHidParseOk;
}

int HidDescriptorParser::finish() {
    if (!collections_.empty()) {
        return kHidParseUnbalanced;
    }
    if (out_.collections_.empty()) {
        return kHidParseNoCollection;
    }
    computeReportLengths();
    computeUsageListLengths();
    return kHidParseOk;
}

}  // namespace quillon
