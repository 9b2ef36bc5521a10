#pragma once
// One device's configuration interface and the request/response exchange on it.
//
// The main window owns one channel per device kind. The detection worker opens the interface in
// the channel's HidDevice and sets the connected flag; commands (device/Commands.h) build request
// frames and run them through transact(). The transaction lock is held across the write and the
// read of each attempt, so two threads transacting on one channel can never read each other's
// responses; the detection worker holds the same (recursive) lock for a whole pass.

#include <atomic>
#include <cstdint>

#include "device/CommandFrame.h"
#include "device/CommandResult.h"
#include "device/DeviceKind.h"
#include "device/HidDevice.h"
#include "device/ReportTrace.h"
#include "platform/Clock.h"
#include "platform/ClockSync.h"

namespace quillon {

inline constexpr std::uint16_t kDeviceVendorId = 0x0C45;
inline constexpr std::uint16_t kConfigUsagePage = 0xFF1C;
inline constexpr std::uint16_t kConfigUsage = 0x0092;
inline constexpr std::uint16_t kInitialBlockSize = 512;
inline constexpr Millis kResponseLimitMs = 300;
inline constexpr int kMaxSends = 4;
inline constexpr Millis kEndConfigPauseMs = 10;

struct ChannelIdentity {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
};

// The configuration interface of each kind: vendor 0x0C45, usage page 0xFF1C, usage 0x92 and
// product 0x7643 (mouse), 0x6556 (keyboard) or 0x5004 (mousepad).
ChannelIdentity standardIdentity(DeviceKind kind);
// The identity's product id, and for the keyboard also 0x0800 and 0x7200.
bool acceptsProductId(DeviceKind kind, const ChannelIdentity& identity, std::uint16_t productId);
// Whether an opened interface is the kind's configuration interface.
bool matchesIdentity(DeviceKind kind, const ChannelIdentity& identity, const HidDevice& device);

class DeviceChannel {
  public:
    DeviceChannel(DeviceKind kind, HidBackend& backend, Clock& clock);
    DeviceChannel(const DeviceChannel&) = delete;
    DeviceChannel& operator=(const DeviceChannel&) = delete;

    DeviceKind kind() const { return kind_; }
    Clock& clock() const { return clock_; }
    HidDevice& device() { return device_; }
    ClockMutex& transactionLock() { return lock_; }

    std::uint16_t blockSize() const { return blockSize_.load(); }
    void setBlockSize(std::uint16_t size) { blockSize_.store(size); }

    // Set by the shell before the workers start; read-only afterwards.
    const ChannelIdentity& identity() const { return identity_; }
    void setIdentity(const ChannelIdentity& identity) { identity_ = identity; }

    bool connected() const { return connected_.load(); }
    void setConnected(bool value) { connected_.store(value); }
    bool lightingSync() const { return lightingSync_.load(); }
    void setLightingSync(bool value) { lightingSync_.store(value); }

    // Every report written or read from now on is also given to `trace` (null: none). The trace
    // must outlive its use by the channel.
    void setTrace(ReportTrace* trace) { trace_.store(trace); }

    // The standard exchange: 0 when not connected (nothing sent); otherwise the request is sent
    // at most kMaxSends times, again only when no response came within kResponseLimitMs. A failed
    // write ends it at once with -1. An answer gives -102 (status 0xFF), -103 (0xFE) or 1, and
    // `response` holds it.
    CommandResult transact(const CommandFrame& request, CommandFrame& response);
    // One write and one read, neither retried nor stopped by the other's failure; the status is
    // not examined. 1 when a response was read, 0 otherwise (also when not connected).
    CommandResult sendRaw(const CommandFrame& request);

  private:
    enum class Attempt { Answered, Silent, WriteFailed };
    Attempt attempt(const CommandFrame& request, CommandFrame& response);
    bool writeRequest(const CommandFrame& request);
    bool readResponse(CommandFrame& response);
    void trace(ReportDirection direction, const CommandFrame& frame);

    const DeviceKind kind_;
    Clock& clock_;
    ChannelIdentity identity_;
    std::atomic<std::uint16_t> blockSize_{kInitialBlockSize};
    std::atomic<bool> connected_{false};
    std::atomic<bool> lightingSync_{false};
    std::atomic<ReportTrace*> trace_{nullptr};
    HidDevice device_;
    ClockMutex lock_;
};

}  // namespace quillon
