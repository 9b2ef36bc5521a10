#pragma once
// The HID port on Linux: the interfaces are the hidraw nodes. They are listed from
// <sysfs>/class/hidraw, each named "<dev>/hidrawN", with the vendor and product id from the HID
// device's uevent and the report descriptor from its "report_descriptor" attribute (or the
// HIDIOCGRDESC request when sysfs has none).
//
// Both roots can be moved so that tests run on a fake tree in a temporary folder. Only paths of
// the form "<dev>/hidrawN" are opened or probed; anything else is refused.

#include <memory>
#include <string>

#include "platform/Clock.h"
#include "platform/HidBackend.h"

namespace quillon {

class LinuxHidBackend final : public HidBackend {
  public:
    explicit LinuxHidBackend(std::string sysfsRoot = "/sys", std::string devRoot = "/dev");

    int enumerate(std::vector<HidInterfaceInfo>& out) override;
    std::unique_ptr<HidConnection> open(const std::string& path, const HidAccess& access) override;
    bool exists(const std::string& path) override;

  private:
    bool nodeNumber(const std::string& path, unsigned& number) const;
    std::string nodePath(unsigned number) const;
    std::string classEntry(unsigned number) const;
    void readIds(int fd, unsigned number, std::uint16_t& vendorId, std::uint16_t& productId) const;
    bool readDescriptor(int fd, unsigned number, std::vector<std::uint8_t>& out) const;

    std::string sysfsRoot_;
    std::string devRoot_;
    std::shared_ptr<Clock> clock_;  // counts transfer limits; shared with the open connections
};

std::unique_ptr<HidBackend> makeLinuxHidBackend();

}  // namespace quillon
