#pragma once
// Simulated devices behind the HID port: a mouse (0x7643), a keyboard (0x6556, 0x0800 or 0x7200)
// and a mousepad (0x5004), vendor 0x0C45, each with its configuration interface
// ("sim/<kind>/config": report id 4, 64-byte reports, the command protocol) and, for the mouse and
// the keyboard, a consumer-control interface ("sim/<kind>/consumer") on which they announce their
// own changes. All timing goes through the Clock given at construction, so on a VirtualClock a
// silent device costs no real time. The clock must outlive the backend and its connections.
//
// Every device starts unplugged, with its factory memory (SimDefaults). The control functions may
// be called from any thread, including threads that do not take part in a virtual clock.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/HidBackend.h"
#include "platform/sim/SimHub.h"
#include "platform/sim/SimIdentity.h"

namespace quillon {

class SimBackend final : public HidBackend {
  public:
    explicit SimBackend(Clock& clock);
    ~SimBackend() override;
    SimBackend(const SimBackend&) = delete;
    SimBackend& operator=(const SimBackend&) = delete;

    // --- the HID port ---
    // The plugged devices' interfaces, configuration interface first, in the order keyboard,
    // mouse, mousepad.
    int enumerate(std::vector<HidInterfaceInfo>& out) override;
    std::unique_ptr<HidConnection> open(const std::string& path, const HidAccess& access) override;
    bool exists(const std::string& path) override;

    // --- the devices ---
    // productId 0 chooses the kind's usual id; any other id is presented as given (a keyboard
    // variant, or a device the program must not accept). Memory survives unplugging, as a
    // device's flash does; connections opened before an unplug stay dead after a replug.
    bool plug(SimKind kind, std::uint16_t productId = 0);
    bool unplug(SimKind kind);
    bool isPlugged(SimKind kind);
    std::uint16_t productId(SimKind kind);

    // The device sends a consumer-control report whose first usage is `usage`. It is read by every
    // reader of the interface, or kept for the next one to open it. False when the device is not
    // plugged or has no such interface (the mousepad).
    bool announce(SimKind kind, std::uint16_t usage);

    // Direct access to device memory (bounds-checked; false and nothing changed when the range is
    // not inside the region or the device lacks the region).
    bool setMemory(SimKind kind, SimRegion region, std::size_t offset,
                   std::span<const std::uint8_t> bytes);
    bool readMemory(SimKind kind, SimRegion region, std::size_t offset, std::size_t count,
                    std::vector<std::uint8_t>& out);
    std::size_t regionSize(SimKind kind, SimRegion region);

    // The next `count` requests (0..1000000) to the device meet `fault`; SimFault::None clears.
    bool setFault(SimKind kind, SimFault fault, int count = 1);
    // Keyboard only, 0..255 keys: the device information's key count, and the factory key table and
    // profile pages start over for that many keys.
    bool setKeyCount(SimKind kind, int count);
    // Time from a request to its answer, 0..60000 ms.
    bool setLatency(SimKind kind, Millis latency);
    bool setLatency(Millis latency);  // all three devices

    // --- the record of the configuration interfaces ---
    void resetTrace();
    std::vector<SimReport> trace();  // every request and response since the reset
    std::vector<SimFrame> requests(SimKind kind);
    // Reports that no longer fit the record (the sink still got them).
    std::size_t traceOverflow();
    // Gets each report as it crosses, on the writing thread, in the record's order. The sink must
    // not call back into the backend. An empty function removes it.
    void setTraceSink(SimTraceSink sink);

  private:
    std::shared_ptr<SimHub> hub_;
};

}  // namespace quillon
