#include "lighting/HostSettingsApplier.h"

#include <algorithm>
#include <mutex>

namespace quillon::lighting {

HostSettingsApplier::HostSettingsApplier(Clock& clock, PointerSettings& desktop)
    : clock_(clock), desktop_(desktop), applying_(clock) {}

HostSettingsApplier::~HostSettingsApplier() {
    finish();
}

void HostSettingsApplier::applyPointerSpeed(int speed) {
    wantedSpeed_.store(speed);
    start(Setting::PointerSpeed);
}

void HostSettingsApplier::applyWheelLines(int lines) {
    wantedLines_.store(lines);
    start(Setting::WheelLines);
}

void HostSettingsApplier::finish() {
    workers_.clear();  // each worker's destructor waits for it
}

void HostSettingsApplier::start(Setting setting) {
    dropFinished();
    const char* name =
        setting == Setting::PointerSpeed ? "apply pointer speed" : "apply wheel lines";
    workers_.push_back(
        std::make_unique<Worker>(clock_, name, [this, setting] { applyNewest(setting); }));
}

void HostSettingsApplier::applyNewest(Setting setting) {
    std::lock_guard<ClockMutex> oneAtATime(applying_);
    if (setting == Setting::PointerSpeed) {
        desktop_.applyPointerSpeed(wantedSpeed_.load());
    } else {
        desktop_.applyWheelLines(wantedLines_.load());
    }
}

void HostSettingsApplier::dropFinished() {
    std::erase_if(workers_, [](const std::unique_ptr<Worker>& w) { return w->finished(); });
}

}  // namespace quillon::lighting
