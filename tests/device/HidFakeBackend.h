#pragma once
// A scripted HID backend for the HidDevice tests, on a Clock: interfaces with a descriptor, input
// reports queued by the test, writes recorded or stalled, cancel as the port describes it. All
// state is guarded by the clock's lock, so transfers wait through the clock (virtual time).

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/HidBackend.h"

namespace quillon::hidfake {

// The wire of one interface, shared by the backend and the connections opened on it.
struct FakeLine {
    std::deque<std::vector<std::uint8_t>> input;     // reports the device will send
    std::vector<std::vector<std::uint8_t>> written;  // reports the device received
    bool writesStall = false;                        // the device takes no report
    int liveConnections = 0;
    int reads = 0;  // read calls that reached the device
};

struct FakeInterface {
    std::string path;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::vector<std::uint8_t> descriptor;
    bool openable = true;
};

class FakeHidBackend final : public HidBackend {
  public:
    explicit FakeHidBackend(Clock& clock) : clock_(clock) {}

    void add(const FakeInterface& interface);
    void addMany(std::size_t count);  // "fake/0", "fake/1", ... with the boot mouse descriptor
    void failEnumeration(bool fail) { failEnumeration_ = fail; }
    // Queues an input report on the interface's line.
    void send(const std::string& path, std::vector<std::uint8_t> report);
    void stallWrites(const std::string& path, bool stall);
    std::vector<std::vector<std::uint8_t>> written(const std::string& path) const;
    int liveConnections(const std::string& path) const;
    int reads(const std::string& path) const;

    int opens() const { return opens_; }
    const HidAccess& lastAccess() const { return lastAccess_; }

    int enumerate(std::vector<HidInterfaceInfo>& out) override;
    std::unique_ptr<HidConnection> open(const std::string& path, const HidAccess& access) override;
    bool exists(const std::string& path) override { return interfaces_.count(path) != 0; }

  private:
    struct Entry {
        FakeInterface interface;
        std::shared_ptr<FakeLine> line;
    };

    Clock& clock_;
    std::map<std::string, Entry> interfaces_;
    std::vector<std::string> order_;
    bool failEnumeration_ = false;
    int opens_ = 0;
    HidAccess lastAccess_;
};

}  // namespace quillon::hidfake
