#pragma once
// What the hidraw class folder in sysfs tells about an interface, and how it is read. Nothing read
// from there is trusted: names must be "hidraw" and a number, files are read up to a limit, and
// the uevent text is parsed strictly.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// "hidraw" followed by 1 to 9 decimal digits; `number` receives the digits' value.
bool parseHidrawName(std::string_view name, unsigned& number);

// Finds "HID_ID=BUS:VENDOR:PRODUCT" (hexadecimal fields) in a HID device's uevent text. False when
// the line is missing, malformed, or names an id wider than 16 bits.
bool parseHidUevent(std::string_view text, std::uint16_t& vendorId, std::uint16_t& productId);

enum class SmallFileRead { Loaded, Missing, TooLarge, Failed };

// Reads a file whose size the file system does not tell in advance (sysfs attributes), until its
// end, at most `limit` bytes.
SmallFileRead readSmallFile(const std::string& path, std::size_t limit,
                            std::vector<std::uint8_t>& out);

// Whether a HID report descriptor declares report ids (a Report ID item anywhere). Stops at the
// first item that does not fit.
bool descriptorDeclaresReportIds(const std::vector<std::uint8_t>& descriptor);

}  // namespace quillon
