#include "platform/sim/SimDescriptors.h"

namespace quillon {

const std::vector<std::uint8_t>& simConfigDescriptor() {
    static const std::vector<std::uint8_t> bytes = {
        0x06, 0x1C, 0xFF,  // Usage Page (vendor 0xFF1C)
        0x09, 0x92,        // Usage (0x92)
        0xA1, 0x01,        // Collection (Application)
        0x85, 0x04,        //   Report ID (4)
        0x15, 0x00,        //   Logical Minimum (0)
        0x26, 0xFF, 0x00,  //   Logical Maximum (255)
        0x75, 0x08,        //   Report Size (8)
        0x95, 0x3F,        //   Report Count (63)
        0x09, 0x01,        //   Usage (1)
        0x81, 0x02,        //   Input (Data, Variable, Absolute)
        0x09, 0x02,        //   Usage (2)
        0x91, 0x02,        //   Output (Data, Variable, Absolute)
        0xC0,              // End Collection
    };
    return bytes;
}

const std::vector<std::uint8_t>& simConsumerDescriptor() {
    static const std::vector<std::uint8_t> bytes = {
        0x05, 0x0C,        // Usage Page (Consumer)
        0x09, 0x01,        // Usage (Consumer Control)
        0xA1, 0x01,        // Collection (Application)
        0x85, 0x03,        //   Report ID (3)
        0x19, 0x00,        //   Usage Minimum (0)
        0x2A, 0xFF, 0x0F,  //   Usage Maximum (0x0FFF): covers the announcements 0x0401..0x0403
        0x15, 0x00,        //   Logical Minimum (0)
        0x26, 0xFF, 0x0F,  //   Logical Maximum (0x0FFF)
        0x75, 0x10,        //   Report Size (16)
        0x95, 0x02,        //   Report Count (2)
        0x81, 0x00,        //   Input (Data, Array, Absolute)
        0xC0,              // End Collection
    };
    return bytes;
}

std::vector<std::uint8_t> simConsumerReport(std::uint16_t usage) {
    std::vector<std::uint8_t> report(kSimConsumerReportLength, 0);
    report[0] = kSimConsumerReportId;
    report[1] = static_cast<std::uint8_t>(usage & 0xFF);
    report[2] = static_cast<std::uint8_t>(usage >> 8);
    return report;
}

}  // namespace quillon
