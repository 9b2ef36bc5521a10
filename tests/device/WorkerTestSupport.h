#pragma once
// Helpers for the detection and notification worker tests: a backend in front of the simulated
// devices that can fail enumerations, list interfaces in reverse and count what the workers ask
// of it, and events objects that record what the workers hand over, with the virtual time and
// the channel's state at that moment.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "device/DetectionWorker.h"
#include "device/NotificationWorker.h"
#include "platform/VirtualClock.h"
#include "platform/sim/SimBackend.h"

namespace quillon::workertest {

class ScriptedBackend final : public HidBackend {
  public:
    explicit ScriptedBackend(SimBackend& sim) : sim_(sim) {}

    // The next `count` enumerations fail.
    void failEnumerations(int count) { failures_ = count; }
    // List the interfaces last to first (a consumer interface before its configuration one).
    void listReversed(bool reversed) { reversed_ = reversed; }

    int enumerations() const { return enumerations_; }
    int opens(const std::string& path) const;
    int probes() const { return probes_; }

    int enumerate(std::vector<HidInterfaceInfo>& out) override;
    std::unique_ptr<HidConnection> open(const std::string& path, const HidAccess& access) override;
    bool exists(const std::string& path) override;

  private:
    SimBackend& sim_;
    int failures_ = 0;
    bool reversed_ = false;
    int enumerations_ = 0;
    int probes_ = 0;
    std::map<std::string, int> opens_;
};

// One thing a worker handed over, with the clock and the channel's flag when it did.
struct Recorded {
    std::string what;
    Millis at = 0;
    bool channelConnected = false;
};

class RecordingDetection final : public DetectionEvents {
  public:
    RecordingDetection(Clock& clock, const DeviceChannel& channel)
        : clock_(clock), channel_(channel) {}

    void arriving(DeviceKind kind) override;
    void connected(DeviceKind kind, std::uint16_t productId) override;
    void shown(DeviceKind kind) override;
    void removed(DeviceKind kind) override;
    void sameModeVisible(DeviceKind kind, bool visible) override;
    void firstPassDone(DeviceKind kind, bool mouseConnected) override;

    // Something else that happened on the worker (the cursor image arriving).
    void record(std::string what);
    std::vector<std::string> names() const;
    const std::vector<Recorded>& log() const { return log_; }
    void clear() { log_.clear(); }

  private:
    Clock& clock_;
    const DeviceChannel& channel_;
    std::vector<Recorded> log_;
};

class RecordingNotification final : public NotificationEvents {
  public:
    explicit RecordingNotification(Clock& clock) : clock_(clock) {}

    // While holding, an announcement waits as the interface's handling does, until `stop`.
    void holdUntilStopped(bool hold) { hold_ = hold; }
    void announced(DeviceKind kind, std::uint16_t usage, Event& stop) override;

    std::vector<std::string> names() const;
    const std::vector<Recorded>& log() const { return log_; }
    int released() const { return released_; }

  private:
    Clock& clock_;
    bool hold_ = false;
    int released_ = 0;
    std::vector<Recorded> log_;
};

// "connected keyboard 0x6556"-style names.
std::string hex4(std::uint16_t value);

}  // namespace quillon::workertest
