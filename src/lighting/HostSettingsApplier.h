#pragma once
// Hands the pointer speed and the wheel lines to the desktop off the interface thread: each
// change starts a short-lived worker that applies the newest value asked for. The workers apply
// one at a time, so after any number of quick changes the desktop ends with the last one asked
// for, whatever order the workers run in.

#include <atomic>
#include <memory>
#include <vector>

#include "platform/ClockSync.h"
#include "platform/PointerSettings.h"

namespace quillon::lighting {

class HostSettingsApplier {
  public:
    HostSettingsApplier(Clock& clock, PointerSettings& desktop);
    ~HostSettingsApplier();
    HostSettingsApplier(const HostSettingsApplier&) = delete;
    HostSettingsApplier& operator=(const HostSettingsApplier&) = delete;

    // Called on the interface thread. The value is applied as given; the caller has already
    // brought it into range.
    void applyPointerSpeed(int speed);
    void applyWheelLines(int lines);
    // Waits for every worker to end (shutdown).
    void finish();

  private:
    enum class Setting { PointerSpeed, WheelLines };
    void start(Setting setting);
    void applyNewest(Setting setting);
    void dropFinished();

    Clock& clock_;
    PointerSettings& desktop_;
    std::atomic<int> wantedSpeed_{0};
    std::atomic<int> wantedLines_{0};
    ClockMutex applying_;
    std::vector<std::unique_ptr<Worker>> workers_;  // touched on the interface thread only
};

}  // namespace quillon::lighting
