#pragma once
// One simulated device between the transport and its firmware: whether it is plugged in and under
// which product id, how long it takes to answer, which faults its next requests meet, and the
// announcements it has made that no reader has collected yet. Plain data; SimHub guards it.

#include <atomic>
#include <cstdint>
#include <deque>
#include <optional>

#include "platform/Clock.h"
#include "platform/sim/SimFirmware.h"
#include "platform/sim/SimMemory.h"

namespace quillon {

// What became of one request report.
struct SimDelivery {
    bool accepted = false;           // false: the report could not be written at all
    std::optional<SimFrame> answer;  // none: the device stays silent
};

inline constexpr Millis kSimMaxLatencyMs = 60'000;
inline constexpr int kSimMaxFaultCount = 1'000'000;
inline constexpr std::size_t kSimMaxBacklog = 64;

class SimDevice {
  public:
    explicit SimDevice(SimKind kind);

    SimKind kind() const { return memory_.kind(); }
    SimMemory& memory() { return memory_; }
    const SimMemory& memory() const { return memory_; }

    // Read without the clock's lock too (see SimHub::isPlugged); changed only under it.
    bool plugged() const { return plugged_.load(std::memory_order_acquire); }
    std::uint16_t productId() const { return productId_; }
    // Changes whenever the device is plugged in or pulled out: a connection opened in an earlier
    // generation is dead for good, as an open handle to a replugged USB device is.
    std::uint64_t generation() const { return generation_; }
    // 0 chooses the kind's usual product id. Plugging a plugged device under the same id changes
    // nothing; under another id it comes back as a new device.
    void plug(std::uint16_t productId);
    void unplug();

    Millis latency() const { return latency_; }
    bool setLatency(Millis latency);

    // The next `count` requests meet `fault`; None or a count of 0 clears it.
    bool setFault(SimFault fault, int count);
    SimFault fault() const { return faultCount_ > 0 ? fault_ : SimFault::None; }
    int faultCount() const { return faultCount_; }

    // One request report written to the configuration interface.
    SimDelivery receive(const SimFrame& request);

    // Announcements waiting for a reader of the consumer-control interface (the oldest first).
    void keepAnnouncement(std::uint16_t usage);
    std::deque<std::uint16_t> takeAnnouncements();

  private:
    SimMemory memory_;
    std::atomic<bool> plugged_{false};
    std::uint16_t productId_ = 0;
    std::uint64_t generation_ = 0;
    Millis latency_ = kSimDefaultLatencyMs;
    SimFault fault_ = SimFault::None;
    int faultCount_ = 0;
    std::deque<std::uint16_t> backlog_;
};

}  // namespace quillon
