#pragma once
// Our own reader of HID report descriptors. From the raw descriptor bytes of an interface it works
// out what the device layer needs to talk to it: the top-level application collections, the byte
// length of each report type, the button and value capabilities of every report, and how to find
// the usages and values inside a report.
//
// Reports are laid out the way the Windows HID stack presents them: the first byte is always the
// report id (0 when the descriptor declares none) and the fields follow from the second byte on.
// A report byte length is therefore 1 + the longest report's data bytes, or 0 when the descriptor
// has no report of that type.
//
// Descriptors come from devices and are treated as hostile: every size and offset is checked,
// nesting and counts are bounded, and a descriptor beyond the limits is refused with a clear
// result instead of being half understood.

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace quillon {

// Status codes of the report extraction calls. The values follow the HID class status family so
// that logs read the same on every platform; kHidStatusSuccess is the "parsed" status data items
// start with.
inline constexpr std::uint32_t kHidStatusSuccess = 0x00110000;
inline constexpr std::uint32_t kHidStatusNull = 0x80110001;  // value outside its logical range
inline constexpr std::uint32_t kHidStatusInvalidReportLength = 0xC0110003;
inline constexpr std::uint32_t kHidStatusUsageNotFound = 0xC0110004;
inline constexpr std::uint32_t kHidStatusBadLogPhyValues = 0xC0110006;
inline constexpr std::uint32_t kHidStatusBufferTooSmall = 0xC0110007;
inline constexpr std::uint32_t kHidStatusIncompatibleReportId = 0xC0110010;
inline constexpr std::uint32_t kHidStatusValueTooWide = 0xC0110020;  // field wider than 32 bits

// Results of HidReportDescriptor::parse.
enum HidParseResult : int {
    kHidParseOk = 1,
    kHidParseEmpty = 0,            // no bytes at all
    kHidParseTruncated = -1,       // an item runs past the end of the descriptor
    kHidParseTooLarge = -2,        // more bytes than any real descriptor has
    kHidParseNestingTooDeep = -3,  // collections or push/pop nested beyond the limit
    kHidParseUnbalanced = -4,      // End Collection or Pop without its opener, or left open
    kHidParseBadReportId = -5,     // Report ID 0 or above 255
    kHidParseFieldTooLarge = -6,   // Report Size or Report Count beyond the limits
    kHidParseReportTooLong = -7,   // one report longer than kMaxHidReportBytes
    kHidParseTooManyItems = -8,    // too many main items, usages or capabilities
    kHidParseNoCollection = -9,    // no top-level application collection
    kHidParseBadDelimiter = -10,   // delimiter sets nested or not closed
};

// A short, readable text for a parse result (for logs and the command-line tool).
const char* hidParseResultText(int result);

// Limits of what the parser accepts.
inline constexpr std::size_t kMaxHidDescriptorBytes = 16384;
inline constexpr std::size_t kMaxHidReportBytes = 16384;  // one report, report id byte included
inline constexpr std::uint32_t kMaxHidReportSize = 256;   // bits of one field
inline constexpr std::uint32_t kMaxHidReportCount = 12288;
inline constexpr std::size_t kMaxHidNesting = 32;          // collections inside each other
inline constexpr std::size_t kMaxHidGlobalStack = 16;      // Push without Pop
inline constexpr std::size_t kMaxHidMainItems = 1024;      // Input, Output and Feature items
inline constexpr std::size_t kMaxHidUsagesPerItem = 1024;  // usage declarations of one main item
inline constexpr std::size_t kMaxHidCapabilities = 4096;

enum class HidReportType : std::uint8_t { Input = 0, Output = 1, Feature = 2 };

// A top-level application collection and the report lengths of the reports it owns.
struct HidCollection {
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    std::uint16_t inputReportByteLength = 0;
    std::uint16_t outputReportByteLength = 0;
    std::uint16_t featureReportByteLength = 0;
};

// One button or value capability: a run of fields of one main item that share a usage
// declaration (a single usage, or a Usage Minimum/Maximum range).
struct HidCapability {
    std::uint16_t usagePage = 0;
    std::uint8_t reportId = 0;
    bool isRange = false;
    std::uint16_t usageMin = 0;  // both equal the usage when the capability is not a range
    std::uint16_t usageMax = 0;
    // Array fields hold usage indexes (the usages pressed); variable fields hold one bit or value
    // per usage. Only buttons can be arrays.
    bool isArray = false;
    bool isAbsolute = true;
    bool isConstant = false;
    bool hasNull = false;
    std::uint16_t bitSize = 0;      // bits of one field
    std::uint16_t reportCount = 0;  // fields: array slots, bits, or values
    // Bit position of the first field, counted from the first bit after the report id byte.
    std::uint32_t bitOffset = 0;
    std::int32_t logicalMin = 0;
    std::int32_t logicalMax = 0;
    std::int32_t physicalMin = 0;
    std::int32_t physicalMax = 0;
    std::uint32_t unit = 0;
    std::uint32_t unitExponent = 0;   // as declared: a 4-bit two's complement exponent
    std::uint16_t collection = 0;     // index into collections(), or kHidNoCollection
    std::uint16_t linkUsagePage = 0;  // innermost enclosing collection
    std::uint16_t linkUsage = 0;
    // Arrays: the index (array value minus logical minimum) that selects usageMin.
    std::uint32_t arrayIndex = 0;
    std::uint32_t mainItem = 0;  // capabilities of one main item share this number
};

inline constexpr std::uint16_t kHidNoCollection = 0xFFFF;

class HidReportDescriptor {
  public:
    // Reads `size` descriptor bytes into `out` (replacing what it held). Returns kHidParseOk or
    // a HidParseResult failure; on failure `out` is left empty and errorOffset() says where the
    // parser stopped.
    static int parse(const std::uint8_t* bytes, std::size_t size, HidReportDescriptor& out);
    static int parse(const std::vector<std::uint8_t>& bytes, HidReportDescriptor& out) {
        return parse(bytes.data(), bytes.size(), out);
    }

    const std::vector<HidCollection>& collections() const { return collections_; }
    bool usesReportIds() const { return usesReportIds_; }
    std::size_t errorOffset() const { return errorOffset_; }

    std::uint16_t reportByteLength(HidReportType type) const;
    std::uint16_t inputReportByteLength() const { return reportByteLength(HidReportType::Input); }
    std::uint16_t outputReportByteLength() const { return reportByteLength(HidReportType::Output); }
    std::uint16_t featureReportByteLength() const {
        return reportByteLength(HidReportType::Feature);
    }

    const std::vector<HidCapability>& buttonCaps(HidReportType type) const;
    const std::vector<HidCapability>& valueCaps(HidReportType type) const;

    // The most usages getUsages can return for `usagePage` (0: every page) in one report of this
    // type: a bit per variable button, a slot per array field.
    std::uint32_t maxUsageListLength(HidReportType type, std::uint16_t usagePage) const;

    // Usages on `usagePage` set in `report` (first byte the report id): each set bit of a
    // variable button field, each array slot whose value names a usage. Usage 0 ("no event") is
    // never listed. At most `maxUsages` are stored; kHidStatusBufferTooSmall when more were set.
    std::uint32_t getUsages(HidReportType type, std::uint16_t usagePage, const std::uint8_t* report,
                            std::size_t length, std::vector<std::uint16_t>& usages,
                            std::size_t maxUsages) const;
    // The raw bits of the value of `usage` (the first field when the usage has several).
    std::uint32_t getUsageValue(HidReportType type, std::uint16_t usagePage, std::uint16_t usage,
                                const std::uint8_t* report, std::size_t length,
                                std::uint32_t& value) const;
    // The value of `usage` mapped from its logical range onto its physical range (the logical
    // range stands in when no physical range is declared).
    std::uint32_t getScaledUsageValue(HidReportType type, std::uint16_t usagePage,
                                      std::uint16_t usage, const std::uint8_t* report,
                                      std::size_t length, std::int32_t& value) const;

  private:
    friend class HidDescriptorParser;

    struct FieldLookup;
    std::uint32_t findValueField(HidReportType type, std::uint16_t usagePage, std::uint16_t usage,
                                 const std::uint8_t* report, std::size_t length,
                                 FieldLookup& found) const;
    void clear();

    std::vector<HidCollection> collections_;
    bool usesReportIds_ = false;
    std::size_t errorOffset_ = 0;
    std::uint16_t reportBytes_[3] = {0, 0, 0};
    std::vector<HidCapability> buttonCaps_[3];
    std::vector<HidCapability> valueCaps_[3];
    // maxUsageListLength per report type: (usage page, length) sorted by page; page 0 is the
    // total over all pages.
    std::vector<std::pair<std::uint16_t, std::uint32_t>> usageListLengths_[3];
};

}  // namespace quillon
