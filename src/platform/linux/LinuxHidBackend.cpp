#include "platform/linux/LinuxHidBackend.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/hidraw.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

#include "platform/UniqueFd.h"
#include "platform/linux/HidrawConnection.h"
#include "platform/linux/HidrawSysfs.h"

namespace quillon {
namespace {

constexpr std::size_t kMaxUeventBytes = 8192;
constexpr std::size_t kMaxDescriptorBytes = 16384;
constexpr std::size_t kMaxListedNodes = 4096;

std::string withoutTrailingSlashes(std::string path) {
    while (!path.empty() && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

int openFlags(const HidAccess& access) {
    const int mode = access.read && access.write ? O_RDWR : access.write ? O_WRONLY : O_RDONLY;
    return mode | O_NONBLOCK | O_CLOEXEC;
}

// Linux has no share modes: any process the node's permissions admit may open it, and hidraw
// hands every input report to every open file. What can be had is an advisory flock(), which only
// the programs that ask for it respect (other Quillon instances, tools that lock hidraw nodes).
// An exclusive open locks exclusively and an open with write access locks shared, so an exclusive
// holder and writers keep each other out while readers are never stopped - as close as Linux
// comes to "others may only read".
bool lockForAccess(int fd, const HidAccess& access) {
    if (!access.exclusive && !access.write) {
        return true;
    }
    return ::flock(fd, (access.exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) == 0;
}

// Real nodes are character devices; tests stand in a named pipe. Anything else is not a device.
bool isDeviceNode(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && (S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode));
}

}  // namespace

LinuxHidBackend::LinuxHidBackend(std::string sysfsRoot, std::string devRoot)
    : sysfsRoot_(withoutTrailingSlashes(std::move(sysfsRoot))),
      devRoot_(withoutTrailingSlashes(std::move(devRoot))),
      clock_(makeSteadyClock()) {}

std::string LinuxHidBackend::nodePath(unsigned number) const {
    return devRoot_ + "/hidraw" + std::to_string(number);
}

std::string LinuxHidBackend::classEntry(unsigned number) const {
    return sysfsRoot_ + "/class/hidraw/hidraw" + std::to_string(number);
}

bool LinuxHidBackend::nodeNumber(const std::string& path, unsigned& number) const {
    const std::string folder = devRoot_ + "/";
    if (path.size() <= folder.size() || path.compare(0, folder.size(), folder) != 0 ||
        !parseHidrawName(std::string_view(path).substr(folder.size()), number)) {
        return false;
    }
    return path == nodePath(number);  // no leading zeros or other spellings of the same node
}

int LinuxHidBackend::enumerate(std::vector<HidInterfaceInfo>& out) {
    out.clear();
    const std::string folder = sysfsRoot_ + "/class/hidraw";
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), &::closedir);
    if (!dir) {
        return errno == ENOENT ? 1 : 0;  // no hidraw class at all: no interfaces
    }
    std::vector<unsigned> numbers;
    errno = 0;
    while (const dirent* entry = ::readdir(dir.get())) {
        unsigned number = 0;
        if (parseHidrawName(entry->d_name, number) && numbers.size() < kMaxListedNodes) {
            numbers.push_back(number);
        }
    }
    if (errno != 0) {
        return 0;
    }
    std::sort(numbers.begin(), numbers.end());
    for (unsigned number : numbers) {
        HidInterfaceInfo info;
        info.path = nodePath(number);
        readIds(-1, number, info.vendorId, info.productId);
        out.push_back(std::move(info));
    }
    return 1;
}

void LinuxHidBackend::readIds(int fd, unsigned number, std::uint16_t& vendorId,
                              std::uint16_t& productId) const {
    hidraw_devinfo info{};
    if (fd >= 0 && ::ioctl(fd, HIDIOCGRAWINFO, &info) == 0) {
        vendorId = static_cast<std::uint16_t>(info.vendor);
        productId = static_cast<std::uint16_t>(info.product);
        return;
    }
    std::vector<std::uint8_t> text;
    if (readSmallFile(classEntry(number) + "/device/uevent", kMaxUeventBytes, text) ==
        SmallFileRead::Loaded) {
        parseHidUevent(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()),
                       vendorId, productId);
    }
}

bool LinuxHidBackend::readDescriptor(int fd, unsigned number,
                                     std::vector<std::uint8_t>& out) const {
    const SmallFileRead read =
        readSmallFile(classEntry(number) + "/device/report_descriptor", kMaxDescriptorBytes, out);
    if (read == SmallFileRead::Loaded && !out.empty()) {
        return true;
    }
    if (read == SmallFileRead::TooLarge) {
        return false;
    }
    int size = 0;
    if (::ioctl(fd, HIDIOCGRDESCSIZE, &size) != 0 || size <= 0 || size > HID_MAX_DESCRIPTOR_SIZE) {
        return false;
    }
    auto request = std::make_unique<hidraw_report_descriptor>();
    request->size = static_cast<__u32>(size);
    if (::ioctl(fd, HIDIOCGRDESC, request.get()) != 0) {
        return false;
    }
    out.assign(request->value, request->value + size);
    return true;
}

std::unique_ptr<HidConnection> LinuxHidBackend::open(const std::string& path,
                                                     const HidAccess& access) {
    unsigned number = 0;
    if (!nodeNumber(path, number)) {
        return nullptr;
    }
    UniqueFd device(::open(path.c_str(), openFlags(access)));
    if (!device.valid() || !isDeviceNode(device.get()) || !lockForAccess(device.get(), access)) {
        return nullptr;
    }
    HidrawConnection::Identity identity;
    if (!readDescriptor(device.get(), number, identity.descriptor)) {
        return nullptr;
    }
    readIds(device.get(), number, identity.vendorId, identity.productId);
    UniqueFd cancelSignal(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC));
    if (!cancelSignal.valid()) {
        return nullptr;
    }
    return std::make_unique<HidrawConnection>(std::move(identity), std::move(device),
                                              std::move(cancelSignal), access, clock_);
}

bool LinuxHidBackend::exists(const std::string& path) {
    unsigned number = 0;
    struct stat info {};
    return nodeNumber(path, number) && ::stat(path.c_str(), &info) == 0 &&
           (S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode)) &&
           ::stat(classEntry(number).c_str(), &info) == 0;
}

std::unique_ptr<HidBackend> makeLinuxHidBackend() {
    return std::make_unique<LinuxHidBackend>();
}

}  // namespace quillon
