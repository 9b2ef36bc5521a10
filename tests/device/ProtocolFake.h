#pragma once
// A scripted device for the command protocol tests: a HidBackend whose configuration interfaces
// answer requests from a small memory map, with faults (silence, statuses, failed writes, short
// responses), a latency on the clock, and a record of every request.

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/CommandFrame.h"
#include "device/DeviceChannel.h"
#include "device/DeviceKind.h"
#include "platform/HidBackend.h"
#include "platform/VirtualClock.h"

namespace quillon::protofake {

using Report = std::array<std::uint8_t, kFrameSize>;

// The memory a fake device answers from; pages lie 126 bytes apart and a page transfer may run
// 512 bytes past its start.
struct FakeMemory {
    std::array<std::uint8_t, 33> info{};
    std::array<std::uint8_t, 5 * 64> settings{};
    std::array<std::uint8_t, 512> keyTable{};
    std::array<std::uint8_t, 4 * 126 + 512> pages{};
    std::array<std::uint8_t, 3072> cursor{};
    std::array<std::uint8_t, 4096> macro{};
};

enum class Fault { Silent, StatusFF, StatusFE, WriteFail, ShortResponse, Status01 };

struct FakeDevice {
    DeviceKind kind = DeviceKind::Mouse;
    std::uint16_t productId = 0x7643;
    bool plugged = true;
    Millis latency = 1;
    FakeMemory memory;
    std::vector<Report> requests;  // every request the device received
    int writeCalls = 0;            // including refused writes
    struct Scheduled {
        Fault fault;
        int skip;   // requests to let through first
        int count;  // requests that meet the fault
    };
    std::vector<Scheduled> faults;
    // Called with each accepted request, on the writing thread (for tests that act mid-transfer).
    std::function<void(const Report&)> onRequest;
    // Real-thread tests: give the processor away after each write, as a system call may, so that
    // another thread gets every chance to step in between a write and its read.
    bool yieldAfterWrite = false;
};

// The firmware's answer to one request: status and payload from the memory map.
Report answer(FakeMemory& memory, const Report& request);

class FakeBackend final : public HidBackend {
  public:
    explicit FakeBackend(Clock& clock);
    ~FakeBackend() override;

    FakeDevice& add(DeviceKind kind, std::uint16_t productId);
    FakeDevice& device(DeviceKind kind);
    static std::string pathOf(DeviceKind kind);

    int enumerate(std::vector<HidInterfaceInfo>& out) override;
    std::unique_ptr<HidConnection> open(const std::string& path, const HidAccess& access) override;
    bool exists(const std::string& path) override;

    Clock& clock() { return clock_; }

  private:
    Clock& clock_;
    std::map<DeviceKind, std::unique_ptr<FakeDevice>> devices_;
};

// The configuration interface's report descriptor: vendor page 0xFF1C, usage 0x92, report id 4,
// 63 data bytes in each direction.
const std::vector<std::uint8_t>& configDescriptor();

// A virtual clock, a fake backend with one device of `kind`, and that kind's channel with its
// standard identity (not yet connected).
struct ProtocolRig {
    explicit ProtocolRig(DeviceKind kind = DeviceKind::Mouse, std::uint16_t productId = 0);
    VirtualClock clock;
    FakeBackend backend{clock};
    FakeDevice& device;
    DeviceChannel channel;
};

// Opens the kind's fake interface in the channel and marks it connected; false when it fails.
bool connect(DeviceChannel& channel);

// Command code, length and address of each recorded request, for sequence checks.
struct RequestShape {
    std::uint8_t command;
    std::uint8_t length;
    std::uint16_t address;
    bool operator==(const RequestShape&) const = default;
};
std::vector<RequestShape> shapes(const std::vector<Report>& requests);
// The requests of a chunked transfer of `total` bytes whose first chunk goes to `base`.
void addChunks(std::vector<RequestShape>& out, std::uint8_t command, std::uint16_t base,
               std::size_t total);
// What the whole-device reads send: the mouse with its five pages, the keyboard with `keys`
// keys, the mousepad.
std::vector<RequestShape> mouseReadSequence();
std::vector<RequestShape> keyboardReadSequence(int keys);
std::vector<RequestShape> mousepadReadSequence();
std::string describe(const std::vector<RequestShape>& shapes);

}  // namespace quillon::protofake
