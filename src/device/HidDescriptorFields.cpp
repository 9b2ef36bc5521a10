// The main items of a descriptor: each Input, Output or Feature item takes its bits in its
// report and turns the usage declarations in force into button or value capabilities. At the end
// the report lengths and usage list lengths follow from what was declared.

#include <algorithm>
#include <map>
#include <set>

#include "device/HidDescriptorParser.h"

namespace quillon {
namespace {

// Main item data bits.
constexpr std::uint32_t kConstantFlag = 0x01;
constexpr std::uint32_t kVariableFlag = 0x02;
constexpr std::uint32_t kRelativeFlag = 0x04;
constexpr std::uint32_t kNullStateFlag = 0x40;

std::size_t typeIndex(HidReportType type) {
    return static_cast<std::size_t>(type);
}

// Descriptors often write a maximum such as 255 in one byte, which reads as -1. When the minimum
// is not negative the maximum is meant unsigned.
std::int32_t resolveMaximum(std::int32_t min, std::int32_t max, std::uint32_t raw) {
    if (min >= 0 && max < 0 && raw <= static_cast<std::uint32_t>(INT32_MAX)) {
        return static_cast<std::int32_t>(raw);
    }
    return max;
}

std::uint32_t usageCount(std::uint16_t min, std::uint16_t max) {
    return static_cast<std::uint32_t>(max) - min + 1;
}

}  // namespace

int HidDescriptorParser::addReportField(HidReportType type, std::uint32_t flags) {
    if (++mainItems_ > kMaxHidMainItems) {
        return kHidParseTooManyItems;
    }
    settleUsagePages();
    // Both limits are small enough that the product and the sum below cannot overflow.
    const std::uint32_t fieldBits = global_.reportSize * global_.reportCount;
    std::uint32_t& bits = reportBits_[typeIndex(type)][global_.reportId];
    if (fieldBits > (kMaxHidReportBytes - 1) * 8 - bits) {
        return kHidParseReportTooLong;
    }
    FieldRun run;
    run.type = type;
    run.flags = flags;
    run.firstBit = bits;
    run.logicalMin = global_.logicalMin;
    run.logicalMax = resolveMaximum(global_.logicalMin, global_.logicalMax, global_.logicalMaxRaw);
    run.physicalMin = global_.physicalMin;
    run.physicalMax =
        resolveMaximum(global_.physicalMin, global_.physicalMax, global_.physicalMaxRaw);
    bits += fieldBits;
    const std::uint16_t owner =
        collections_.empty() ? kHidNoCollection : collections_.back().topLevel;
    if (fieldBits > 0 && owner != kHidNoCollection) {
        reportOwners_.push_back(static_cast<std::uint32_t>(owner) << 10 |
                                static_cast<std::uint32_t>(typeIndex(type)) << 8 |
                                global_.reportId);
    }
    return addCapabilities(run);
}

int HidDescriptorParser::addCapabilities(const FieldRun& run) {
    // Fields without usages (padding, or data nobody named) take room but cannot be addressed.
    if (global_.reportSize == 0 || global_.reportCount == 0 || local_.usages.empty()) {
        return kHidParseOk;
    }
    if ((run.flags & kVariableFlag) == 0) {
        return addArrayCapabilities(run);
    }
    return addVariableCapabilities(run, global_.reportSize == 1);
}

// Every usage declaration of an array item becomes a button capability over all the array's
// slots; together they number the usages an array value can select.
int HidDescriptorParser::addArrayCapabilities(const FieldRun& run) {
    std::uint32_t arrayIndex = 0;
    for (const UsageDeclaration& usage : local_.usages) {
        const int result = pushCapability(run, usage, true, 0, global_.reportCount, arrayIndex);
        if (result != kHidParseOk) {
            return result;
        }
        arrayIndex += usageCount(usage.min, usage.max);
    }
    return kHidParseOk;
}

// The fields of a variable item take the declared usages in order; a range takes one field per
// usage. Usages beyond the fields are dropped; fields beyond the usages repeat the last usage.
int HidDescriptorParser::addVariableCapabilities(const FieldRun& run, bool buttons) {
    const std::uint32_t fields = global_.reportCount;
    std::uint32_t next = 0;
    for (std::size_t i = 0; i < local_.usages.size() && next < fields; ++i) {
        const bool last = i + 1 == local_.usages.size();
        UsageDeclaration usage = local_.usages[i];
        const std::uint32_t remaining = fields - next;
        int result = kHidParseOk;
        if (!usage.isRange) {
            const std::uint32_t taken = last ? remaining : 1;
            result = pushCapability(run, usage, buttons, next, taken, 0);
            next += taken;
        } else {
            const std::uint32_t taken = std::min(usageCount(usage.min, usage.max), remaining);
            usage.max = static_cast<std::uint16_t>(usage.min + taken - 1);
            result = pushCapability(run, usage, buttons, next, taken, 0);
            next += taken;
            if (result == kHidParseOk && last && next < fields) {
                const UsageDeclaration repeated{usage.page, usage.max, usage.max, false,
                                                usage.explicitPage};
                result = pushCapability(run, repeated, buttons, next, fields - next, 0);
                next = fields;
            }
        }
        if (result != kHidParseOk) {
            return result;
        }
    }
    return kHidParseOk;
}

HidCapability HidDescriptorParser::baseCapability(const FieldRun& run) const {
    HidCapability cap;
    cap.reportId = global_.reportId;
    cap.isArray = (run.flags & kVariableFlag) == 0;
    cap.isAbsolute = (run.flags & kRelativeFlag) == 0;
    cap.isConstant = (run.flags & kConstantFlag) != 0;
    cap.hasNull = (run.flags & kNullStateFlag) != 0;
    cap.bitSize = static_cast<std::uint16_t>(global_.reportSize);
    cap.logicalMin = run.logicalMin;
    cap.logicalMax = run.logicalMax;
    cap.physicalMin = run.physicalMin;
    cap.physicalMax = run.physicalMax;
    cap.unit = global_.unit;
    cap.unitExponent = global_.unitExponent;
    if (!collections_.empty()) {
        cap.collection = collections_.back().topLevel;
        cap.linkUsagePage = collections_.back().usagePage;
        cap.linkUsage = collections_.back().usage;
    } else {
        cap.collection = kHidNoCollection;
    }
    cap.mainItem = static_cast<std::uint32_t>(mainItems_ - 1);
    return cap;
}

int HidDescriptorParser::pushCapability(const FieldRun& run, const UsageDeclaration& usage,
                                        bool buttons, std::uint32_t firstField,
                                        std::uint32_t fields, std::uint32_t arrayIndex) {
    if (++capabilities_ > kMaxHidCapabilities) {
        return kHidParseTooManyItems;
    }
    HidCapability cap = baseCapability(run);
    cap.usagePage = usage.page;
    cap.isRange = usage.isRange;
    cap.usageMin = usage.min;
    cap.usageMax = usage.max;
    cap.bitOffset = run.firstBit + firstField * global_.reportSize;
    cap.reportCount = static_cast<std::uint16_t>(fields);
    cap.arrayIndex = arrayIndex;
    auto& list =
        buttons ? out_.buttonCaps_[typeIndex(run.type)] : out_.valueCaps_[typeIndex(run.type)];
    list.push_back(cap);
    return kHidParseOk;
}

void HidDescriptorParser::computeReportLengths() {
    auto bytesOf = [](std::uint32_t bits) {
        return static_cast<std::uint16_t>(bits == 0 ? 0 : 1 + (bits + 7) / 8);
    };
    for (std::size_t type = 0; type < 3; ++type) {
        const auto& bits = reportBits_[type];
        out_.reportBytes_[type] = bytesOf(*std::max_element(bits.begin(), bits.end()));
    }
    for (std::uint32_t owner : reportOwners_) {
        HidCollection& top = out_.collections_[owner >> 10];
        const std::size_t type = (owner >> 8) & 0x3;
        const std::uint16_t length = bytesOf(reportBits_[type][owner & 0xFF]);
        std::uint16_t* slot = type == 0   ? &top.inputReportByteLength
                              : type == 1 ? &top.outputReportByteLength
                                          : &top.featureReportByteLength;
        *slot = std::max(*slot, length);
    }
}

// The most usages one report can set per usage page: a bit per variable button, and per array
// the number of its slots, counted once for every page its declarations name.
void HidDescriptorParser::computeUsageListLengths() {
    for (std::size_t type = 0; type < 3; ++type) {
        std::map<std::uint16_t, std::uint32_t> lengths;
        std::uint32_t total = 0;
        const auto& caps = out_.buttonCaps_[type];
        for (std::size_t i = 0; i < caps.size();) {
            std::size_t end = i + 1;
            while (caps[i].isArray && end < caps.size() && caps[end].mainItem == caps[i].mainItem) {
                ++end;
            }
            std::set<std::uint16_t> pages;
            for (std::size_t j = i; j < end; ++j) {
                pages.insert(caps[j].usagePage);
            }
            for (std::uint16_t page : pages) {
                lengths[page] += caps[i].reportCount;
            }
            total += caps[i].reportCount;
            i = end;
        }
        lengths[0] = total;
        out_.usageListLengths_[type].assign(lengths.begin(), lengths.end());
    }
}

}  // namespace quillon
