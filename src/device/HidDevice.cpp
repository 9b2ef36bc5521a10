#include "device/HidDevice.h"

#include <algorithm>

#include "device/HidDataItems.h"

namespace quillon {
namespace {

// Takes the connection away from the record and cancels whatever waits on it. A transfer still
// under way keeps its own reference and releases the connection when it returns.
void detachConnection(std::atomic<std::shared_ptr<HidConnection>>& connection) {
    if (std::shared_ptr<HidConnection> old = connection.exchange(nullptr)) {
        old->cancel();
    }
}

bool acceptablePath(const std::string& path) {
    return !path.empty() && path.size() <= kMaxDevicePathLength &&
           path.find('\0') == std::string::npos;
}

}  // namespace

HidDevice::HidDevice(HidBackend& backend) : backend_(backend) {}

HidDevice::~HidDevice() {
    CloseHidDevice(*this);
}

bool HidDevice::hasTopLevelUsage(std::uint16_t usagePage, std::uint16_t usage) const {
    if (!descriptor_) {
        return false;
    }
    const auto& tops = descriptor_->collections();
    return std::any_of(tops.begin(), tops.end(), [&](const HidCollection& top) {
        return top.usagePage == usagePage && top.usage == usage;
    });
}

int EnumerateHidPaths(HidDevice& device) {
    device.pathList.clear();
    device.nextPathIndex = 0;
    try {
        std::vector<HidInterfaceInfo> found;
        if (device.backend().enumerate(found) != 1) {
            return 0;
        }
        device.pathList = std::move(found);
        return 1;
    } catch (...) {
        device.pathList.clear();
        return 0;
    }
}

int OpenHidDevice(HidDevice& device) {
    detachConnection(device.connection_);
    ReleaseHidDescription(device);
    device.caps_ = HidCapabilitiesSummary{};
    device.vendorId_ = 0;
    device.productId_ = 0;
    // A path that does not fit the record is refused rather than cut to another path.
    if (!acceptablePath(device.devicePath)) {
        return 0;
    }
    try {
        const HidAccess access{device.wantRead, device.wantWrite, device.wantOverlapped,
                               device.exclusive};
        std::unique_ptr<HidConnection> opened = device.backend_.open(device.devicePath, access);
        if (!opened) {
            return 0;
        }
        auto descriptor = std::make_unique<HidReportDescriptor>();
        if (HidReportDescriptor::parse(opened->reportDescriptor(), *descriptor) != kHidParseOk) {
            return 0;
        }
        device.caps_ = summarizeCapabilities(*descriptor);
        device.vendorId_ = opened->vendorId();
        device.productId_ = opened->productId();
        device.inputReport_.assign(device.caps_.inputReportByteLength, 0);
        device.items_ = buildInputDataItems(*descriptor);
        device.descriptor_ = std::move(descriptor);
        // Published last: a transfer on another thread sees a fully described device or none.
        device.connection_.store(std::shared_ptr<HidConnection>(std::move(opened)));
        return 1;
    } catch (...) {
        ReleaseHidDescription(device);
        device.caps_ = HidCapabilitiesSummary{};
        return 0;
    }
}

void ReleaseHidDescription(HidDevice& device) {
    device.descriptor_.reset();
    std::vector<HidDataItem>().swap(device.items_);
    std::vector<std::uint8_t>().swap(device.inputReport_);
}

std::optional<std::vector<HidInterfaceInfo>> EnumerateForWalk(HidDevice& device) {
    device.nextPathIndex = 0;
    if (EnumerateHidPaths(device) != 1) {
        return std::nullopt;
    }
    return device.pathList;
}

void CloseHidDevice(HidDevice& device) {
    detachConnection(device.connection_);
    ReleaseHidDescription(device);
    device.caps_ = HidCapabilitiesSummary{};
    device.vendorId_ = 0;
    device.productId_ = 0;
    std::vector<HidInterfaceInfo>().swap(device.pathList);
    device.nextPathIndex = 0;
}

}  // namespace quillon
