#pragma once
// The shared state of the simulated devices: the three devices, the open interfaces (endpoints)
// with the reports waiting in them, and the report trace. Every piece of it is changed only with
// the clock's lock held (Clock::update, or inside a Clock::waitUntil condition), so that a reader
// waiting through the clock sees each change at once, on real and on virtual time alike.
//
// The hub is shared by the backend and by every connection it opened, so a connection that
// outlives its backend stays safe. The clock must outlive them all.

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "platform/HidBackend.h"
#include "platform/sim/SimDevice.h"
#include "platform/sim/SimTrace.h"

namespace quillon {

inline constexpr std::size_t kSimMaxInbox = 64;  // reports an interface holds for its reader

// One open interface: what it was opened for and the input reports waiting to be read.
struct SimEndpoint {
    struct Pending {
        Millis readyAt = 0;
        std::vector<std::uint8_t> bytes;
    };

    SimKind kind = SimKind::Mouse;
    SimInterface iface = SimInterface::Config;
    HidAccess access;
    std::uint64_t generation = 0;
    std::uint16_t productId = 0;  // as the device presented itself when opened
    bool cancelPending = false;
    std::deque<Pending> inbox;
};

// What a waiting reader finds in its endpoint.
struct SimInboxLook {
    enum class What { Nothing, Report, Cancelled, Gone } what = What::Nothing;
    Millis readyAt = 0;  // for Report: when the first waiting report becomes readable
};

using SimTraceSink = std::function<void(const SimReport&)>;

class SimHub {
  public:
    explicit SimHub(Clock& clock);
    SimHub(const SimHub&) = delete;
    SimHub& operator=(const SimHub&) = delete;

    Clock& clock() { return clock_; }

    // --- control (any thread) ---
    bool plug(SimKind kind, std::uint16_t productId);
    bool unplug(SimKind kind);
    bool isPlugged(SimKind kind);
    std::uint16_t productId(SimKind kind);
    bool announce(SimKind kind, std::uint16_t usage);
    bool setMemory(SimKind kind, SimRegion region, std::size_t offset,
                   std::span<const std::uint8_t> bytes);
    bool readMemory(SimKind kind, SimRegion region, std::size_t offset, std::size_t count,
                    std::vector<std::uint8_t>& out);
    std::size_t regionSize(SimKind kind, SimRegion region);
    bool setFault(SimKind kind, SimFault fault, int count);
    bool setKeyCount(SimKind kind, int count);
    bool setLatency(SimKind kind, Millis latency);

    void resetTrace();
    std::vector<SimReport> trace();
    std::vector<SimFrame> requests(SimKind kind);
    std::size_t traceOverflow();
    // The sink gets each report of a configuration interface as it crosses, on the writing
    // thread, in the order of the trace. It must not call back into the simulated devices.
    void setTraceSink(SimTraceSink sink);

    // --- enumeration ---
    std::vector<HidInterfaceInfo> interfaces();
    bool exists(const std::string& path);

    // --- transport (used by SimConnection) ---
    // Registers an endpoint for a plugged device's interface; null when the device is absent or an
    // exclusive holder forbids the access asked for.
    std::unique_ptr<SimEndpoint> attach(SimKind kind, SimInterface iface, const HidAccess& access);
    void detach(SimEndpoint* endpoint);
    // One output report; the bytes written or a HidTransfer.
    int write(SimEndpoint& endpoint, const std::uint8_t* data, std::size_t length);
    void cancel(SimEndpoint& endpoint);
    // With the clock's lock held: what the endpoint's reader finds. A pending cancel is consumed.
    SimInboxLook lookLocked(SimEndpoint& endpoint, bool wantReport);
    // With the lock held: hands out the first waiting report; kHidError, keeping it, when
    // `capacity` is too small for it.
    int takeLocked(SimEndpoint& endpoint, std::uint8_t* buffer, std::size_t capacity);

  private:
    SimDevice& device(SimKind kind) {
        return devices_[static_cast<std::size_t>(simKindIndex(kind))];
    }
    bool aliveLocked(const SimEndpoint& endpoint);
    bool accessAllowedLocked(SimKind kind, SimInterface iface, const HidAccess& access);
    int writeLocked(SimEndpoint& endpoint, const std::uint8_t* data, std::size_t length, Millis now,
                    std::vector<SimReport>& crossed);
    // Puts an input report into every live reader of the device's interface; false when there is
    // none.
    bool deliverLocked(SimKind kind, SimInterface iface, Millis readyAt,
                       const std::vector<std::uint8_t>& bytes);

    Clock& clock_;
    std::array<SimDevice, 3> devices_;
    std::vector<SimEndpoint*> endpoints_;
    SimTraceLog trace_;
    std::mutex sinkMutex_;  // held around a write and its sink calls, never across a wait
    SimTraceSink sink_;
};

}  // namespace quillon
