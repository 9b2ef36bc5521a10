// Fills the input data items of a HidDevice from one input report.

#include <algorithm>
#include <map>
#include <new>
#include <utility>

#include "device/HidDevice.h"

namespace quillon {
namespace {

// The usages of one page in the report, asked for once per page and list length however many
// button items share them.
class UsageLists {
  public:
    UsageLists(const HidReportDescriptor& descriptor, const std::uint8_t* report,
               std::size_t length)
        : descriptor_(descriptor), report_(report), length_(length) {}

    const std::pair<std::uint32_t, std::vector<std::uint16_t>>& of(std::uint16_t usagePage,
                                                                   std::size_t capacity) {
        auto [entry, added] = lists_.try_emplace({usagePage, capacity});
        if (added) {
            entry->second.first = descriptor_.getUsages(HidReportType::Input, usagePage, report_,
                                                        length_, entry->second.second, capacity);
        }
        return entry->second;
    }

  private:
    const HidReportDescriptor& descriptor_;
    const std::uint8_t* report_;
    std::size_t length_;
    std::map<std::pair<std::uint16_t, std::size_t>,
             std::pair<std::uint32_t, std::vector<std::uint16_t>>>
        lists_;
};

// Keeps the usages inside the item's range, in report order, at the front of its usage array;
// the rest of the array is cleared, so a 0 follows the last usage whenever there is room.
void unpackButtons(HidDataItem& item, UsageLists& lists) {
    const std::size_t capacity = std::min<std::size_t>(item.maxUsageCount, item.usages.size());
    const auto& [status, found] = lists.of(item.usagePage, capacity);
    item.status = status;
    std::size_t kept = 0;
    for (std::uint16_t usage : found) {
        if (usage >= item.usageMin && usage <= item.usageMax && kept < capacity) {
            item.usages[kept++] = usage;
        }
    }
    std::fill(item.usages.begin() + static_cast<std::ptrdiff_t>(kept), item.usages.end(), 0);
}

bool unpackValue(HidDataItem& item, const HidReportDescriptor& descriptor,
                 const std::uint8_t* report, std::size_t length) {
    std::uint32_t value = 0;
    item.status = descriptor.getUsageValue(HidReportType::Input, item.usagePage, item.usage, report,
                                           length, value);
    if (item.status != kHidStatusSuccess) {
        return false;
    }
    item.value = value;
    item.status = descriptor.getScaledUsageValue(HidReportType::Input, item.usagePage, item.usage,
                                                 report, length, item.scaledValue);
    return true;
}

}  // namespace

bool UnpackInputReport(std::vector<HidDataItem>& items, const HidReportDescriptor& descriptor,
                       const std::uint8_t* report, std::size_t reportLength) {
    if (report == nullptr || reportLength == 0) {
        return false;
    }
    try {
        UsageLists lists(descriptor, report, reportLength);
        for (HidDataItem& item : items) {
            if (item.reportId != report[0]) {
                continue;
            }
            if (item.isButtonData) {
                unpackButtons(item, lists);
            } else if (!unpackValue(item, descriptor, report, reportLength)) {
                return false;
            }
            item.isDataSet = true;
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

}  // namespace quillon
