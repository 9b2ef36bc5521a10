#pragma once
// The operating system's HID class, as Quillon needs it: list the interfaces, open one, move
// single reports with time limits, cancel a waiting transfer, and hand over the interface's
// report descriptor so that the device layer can describe it with its own parser.
//
// Implementations: platform/linux (hidraw), platform/sim (simulated devices). Each backend is
// used from several threads at once (detection and notification workers, the interface thread);
// enumerate(), open() and exists() are safe to call concurrently. One HidConnection is used by one
// reader and one writer at a time; cancel() may be called from any thread.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Clock.h"

namespace quillon {

// One interface as the enumeration sees it, before it is opened. The vendor and product id come
// from the system's device records (on Windows they are read from the path's "vid_"/"pid_").
struct HidInterfaceInfo {
    std::string path;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
};

struct HidAccess {
    bool read = false;
    bool write = false;
    bool overlapped = false;  // transfers with time limits; every Quillon open sets it
    bool exclusive = false;   // others may only read while we hold the interface
};

// Results of a transfer. A count > 0 is the number of bytes moved.
enum HidTransfer : int {
    kHidTimeout = 0,      // nothing arrived (read) or could be sent (write) within the limit
    kHidError = -1,       // the device failed or is gone
    kHidCancelled = -2,   // cancel() ended the wait, or a cancel was pending when it started
};

class HidConnection {
public:
    virtual ~HidConnection() = default;

    std::uint16_t vendorId() const { return vendorId_; }
    std::uint16_t productId() const { return productId_; }
    // The interface's raw report descriptor, parsed by device/HidDescriptor.
    const std::vector<std::uint8_t>& reportDescriptor() const { return descriptor_; }

    // Writes one report (first byte the report id). Returns the bytes written or a HidTransfer.
    virtual int write(const std::uint8_t* data, std::size_t length, Millis timeout) = 0;
    // Reads one input report into `buffer`. Returns the bytes read or a HidTransfer.
    virtual int read(std::uint8_t* buffer, std::size_t capacity, Millis timeout) = 0;
    // Ends a waiting read or write at once. When nothing waits, the next transfer fails at once
    // (the cancel is consumed by the first wait that sees it).
    virtual void cancel() = 0;

protected:
    HidConnection(std::uint16_t vendorId, std::uint16_t productId,
                  std::vector<std::uint8_t> descriptor)
        : vendorId_(vendorId), productId_(productId), descriptor_(std::move(descriptor)) {}

private:
    std::uint16_t vendorId_;
    std::uint16_t productId_;
    std::vector<std::uint8_t> descriptor_;
};

class HidBackend {
public:
    virtual ~HidBackend() = default;

    // Fills `out` with every present HID interface. Returns 1 on success, 0 on failure (then
    // `out` is empty).
    virtual int enumerate(std::vector<HidInterfaceInfo>& out) = 0;
    // Opens and describes the interface at `path`; null when it cannot be opened or described.
    virtual std::unique_ptr<HidConnection> open(const std::string& path, const HidAccess& access) = 0;
    // Whether the interface at `path` is still present (an open with no access, closed at once).
    virtual bool exists(const std::string& path) = 0;
};

}  // namespace quillon
