#pragma once
// One opened HID interface: its description (identity, top-level usage, input report length, the
// input data items built from the report descriptor), single-report transfers with time limits and
// a cancel that ends a waiting transfer at once.
//
// One record exists per use: one in each DeviceChannel for the configuration interface and one in
// each notification worker for the consumer-control interface. A record may be used by one reader
// and one writer at the same time; it takes no lock of its own (the channel's lock serialises it).

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/HidDescriptor.h"
#include "platform/HidBackend.h"

namespace quillon {

inline constexpr Millis kHidWriteLimitMs = 1000;
inline constexpr std::size_t kMaxDevicePathLength = 259;

// The status the parser gives a data item is one of the kHidStatus values of HidDescriptor.h;
// kHidStatusSuccess matches the value the device layer has always used for "parsed".

struct HidDataItem {
    bool isButtonData = false;
    std::uint16_t usagePage = 0;
    std::uint32_t status = kHidStatusSuccess;
    std::uint32_t reportId = 0;
    bool isDataSet = false;
    // Button items.
    std::uint32_t usageMin = 0;
    std::uint32_t usageMax = 0;
    std::uint32_t maxUsageCount = 0;
    std::vector<std::uint16_t> usages;  // maxUsageCount entries
    // Value items.
    std::uint16_t usage = 0;
    std::uint32_t value = 0;
    std::int32_t scaledValue = 0;
};

struct HidCapabilitiesSummary {
    std::uint16_t usage = 0;
    std::uint16_t usagePage = 0;
    std::uint16_t inputReportByteLength = 0;
    std::uint16_t numberInputButtonCaps = 0;
    std::uint16_t numberInputValueCaps = 0;
};

class HidDevice {
  public:
    explicit HidDevice(HidBackend& backend);
    ~HidDevice();  // CloseHidDevice
    HidDevice(const HidDevice&) = delete;
    HidDevice& operator=(const HidDevice&) = delete;

    HidBackend& backend() { return backend_; }

    // Result of the last enumeration and the walk's cursor.
    std::vector<HidInterfaceInfo> pathList;
    std::uint32_t nextPathIndex = 0;

    // Access asked for by the next open.
    bool wantRead = false;
    bool wantWrite = false;
    bool wantOverlapped = false;
    bool exclusive = false;

    // Path of the interface to open (at most kMaxDevicePathLength characters).
    std::string devicePath;

    bool isOpen() const { return connection_.load() != nullptr; }
    const HidCapabilitiesSummary& capabilities() const { return caps_; }
    std::uint16_t vendorId() const { return vendorId_; }
    std::uint16_t productId() const { return productId_; }
    // Whether any top-level collection of the interface has this usage page and usage (a Linux
    // hidraw node may carry several; Windows shows each as its own interface).
    bool hasTopLevelUsage(std::uint16_t usagePage, std::uint16_t usage) const;
    const HidReportDescriptor* descriptor() const { return descriptor_.get(); }
    std::vector<HidDataItem>& inputItems() { return items_; }
    std::vector<std::uint8_t>& inputReportBuffer() { return inputReport_; }

    bool reading() const { return reading_.load(); }
    bool writing() const { return writing_.load(); }

  private:
    friend int OpenHidDevice(HidDevice& device);
    friend int ReadHidReport(HidDevice&, std::uint8_t*, std::size_t, Millis, std::size_t*);
    friend int WriteHidReport(HidDevice&, const std::uint8_t*, std::size_t, std::size_t*);
    friend void CancelHidTransfer(HidDevice& device);
    friend void ReleaseHidDescription(HidDevice& device);
    friend void CloseHidDevice(HidDevice& device);

    HidBackend& backend_;
    // Shared with the transfers under way, so that an open or close on another thread never
    // destroys the connection under a waiting read or write: it cancels them and lets the last
    // transfer to return release it.
    std::atomic<std::shared_ptr<HidConnection>> connection_;
    std::unique_ptr<HidReportDescriptor> descriptor_;
    HidCapabilitiesSummary caps_;
    std::uint16_t vendorId_ = 0;
    std::uint16_t productId_ = 0;
    std::vector<std::uint8_t> inputReport_;
    std::vector<HidDataItem> items_;
    std::atomic<bool> reading_{false};
    std::atomic<bool> writing_{false};
};

// Fills `device.pathList` with every present interface (1), or empties it (0).
int EnumerateHidPaths(HidDevice& device);
// Enumerates (the path cursor back at 0) and returns a copy of the list for a walk, because
// closing a mismatching interface on the way frees the device's own list. Nothing on failure.
std::optional<std::vector<HidInterfaceInfo>> EnumerateForWalk(HidDevice& device);
// Opens `device.devicePath` with the access flags and describes it; 1 when open and described.
// A previous open is closed first (a waiting transfer is cancelled).
int OpenHidDevice(HidDevice& device);
// One read of up to `length` bytes within `timeoutMs`. Nonzero on success; `bytesRead` gets the
// count (0 on failure).
int ReadHidReport(HidDevice& device, std::uint8_t* buffer, std::size_t length, Millis timeoutMs,
                  std::size_t* bytesRead);
// One write of `length` bytes within kHidWriteLimitMs.
int WriteHidReport(HidDevice& device, const std::uint8_t* buffer, std::size_t length,
                   std::size_t* bytesWritten);
// Ends a waiting transfer at once; when none waits, the next one fails at once.
void CancelHidTransfer(HidDevice& device);
// Fills the items whose report id equals the report's first byte. False when the raw value of a
// value item is not available.
bool UnpackInputReport(std::vector<HidDataItem>& items, const HidReportDescriptor& descriptor,
                       const std::uint8_t* report, std::size_t reportLength);
// Frees the description (buffer, items, parsed descriptor); the interface stays open.
void ReleaseHidDescription(HidDevice& device);
// Cancels a waiting transfer, releases the description, closes the interface, frees the path list.
void CloseHidDevice(HidDevice& device);

}  // namespace quillon
