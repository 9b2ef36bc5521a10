#pragma once
// The state machine behind HidReportDescriptor::parse: global items (with Push/Pop), local usage
// declarations and collections (HidDescriptorParser.cpp), and the main items that turn the
// current state into report fields and capabilities (HidDescriptorFields.cpp).

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "device/HidDescriptor.h"
#include "device/HidItemReader.h"

namespace quillon {

class HidDescriptorParser {
  public:
    explicit HidDescriptorParser(HidReportDescriptor& out) : out_(out) {}

    // Feeds one item; kHidParseOk or a failure result.
    int onItem(const HidItem& item);
    // Checks that everything opened was closed and computes the report lengths.
    int finish();

  private:
    struct GlobalState {
        std::uint16_t usagePage = 0;
        std::int32_t logicalMin = 0;
        std::int32_t logicalMax = 0;
        std::uint32_t logicalMaxRaw = 0;
        std::int32_t physicalMin = 0;
        std::int32_t physicalMax = 0;
        std::uint32_t physicalMaxRaw = 0;
        std::uint32_t unitExponent = 0;
        std::uint32_t unit = 0;
        std::uint32_t reportSize = 0;
        std::uint32_t reportCount = 0;
        std::uint8_t reportId = 0;
    };
    // One Usage, or one Usage Minimum/Maximum pair.
    struct UsageDeclaration {
        std::uint16_t page = 0;
        std::uint16_t min = 0;
        std::uint16_t max = 0;
        bool isRange = false;
        bool explicitPage = false;  // a 32-bit usage that named its own page
    };
    struct RangeBound {
        bool present = false;
        bool explicitPage = false;
        std::uint16_t page = 0;
        std::uint16_t usage = 0;
    };
    struct LocalState {
        std::vector<UsageDeclaration> usages;
        RangeBound min;
        RangeBound max;
        bool inDelimiter = false;
        bool delimiterSetTaken = false;  // the first declaration of a delimiter set was kept
    };
    struct OpenCollection {
        std::uint16_t usagePage = 0;
        std::uint16_t usage = 0;
        std::uint16_t topLevel = kHidNoCollection;
    };
    // The main item being turned into capabilities.
    struct FieldRun {
        HidReportType type = HidReportType::Input;
        std::uint32_t flags = 0;
        std::uint32_t firstBit = 0;
        std::int32_t logicalMin = 0;
        std::int32_t logicalMax = 0;
        std::int32_t physicalMin = 0;
        std::int32_t physicalMax = 0;
    };

    int onGlobal(const HidItem& item);
    int onReportLayout(const HidItem& item);
    int pushGlobals();
    int popGlobals();
    int onLocal(const HidItem& item);
    int onMain(const HidItem& item);
    int addUsage(const UsageDeclaration& usage);
    int completeRange();
    void settleUsagePages();
    int openCollection(std::uint32_t kind);
    int closeCollection();
    int addReportField(HidReportType type, std::uint32_t flags);
    int addCapabilities(const FieldRun& run);
    int addArrayCapabilities(const FieldRun& run);
    int addVariableCapabilities(const FieldRun& run, bool buttons);
    int pushCapability(const FieldRun& run, const UsageDeclaration& usage, bool buttons,
                       std::uint32_t firstField, std::uint32_t fields, std::uint32_t arrayIndex);
    HidCapability baseCapability(const FieldRun& run) const;
    void computeReportLengths();
    void computeUsageListLengths();

    HidReportDescriptor& out_;
    GlobalState global_;
    std::vector<GlobalState> globalStack_;
    LocalState local_;
    std::vector<OpenCollection> collections_;
    std::size_t mainItems_ = 0;
    std::size_t capabilities_ = 0;
    // Data bits declared so far per report type and report id.
    std::array<std::array<std::uint32_t, 256>, 3> reportBits_{};
    // Which top-level collection uses which report: collection << 10 | type << 8 | report id.
    std::vector<std::uint32_t> reportOwners_;
};

}  // namespace quillon
