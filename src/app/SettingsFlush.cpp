#include "app/SettingsFlush.h"

#include "app/MainWindow.h"

namespace quillon::app {

SettingsFlush::~SettingsFlush() {
    for (DeviceKind kind : kAllDeviceKinds) {
        main_.model().memory(kind).writePending.setWatcher({});
    }
}

void SettingsFlush::watchModel() {
    for (DeviceKind kind : kAllDeviceKinds) {
        main_.model().memory(kind).writePending.setWatcher([this] { pendingSet(); });
    }
}

void SettingsFlush::start() {
    origin_ = main_.clock().now();
    running_ = true;
    for (DeviceKind kind : kAllDeviceKinds) {
        if (main_.model().memory(kind).writePending.load()) {
            pendingSet();
            return;
        }
    }
}

void SettingsFlush::stop() {
    running_ = false;
    main_.window().killTimer(kTimerFlush);
}

void SettingsFlush::pendingSet() {
    if (!running_.load() || armed_.exchange(true)) {
        return;
    }
    main_.window().setTimer(kTimerFlush, untilNextBeat());
}

void SettingsFlush::beat(const ChannelTable& channels) {
    // Disarmed before the flags are taken: a flag set from here on arms the next beat.
    armed_ = false;
    main_.window().killTimer(kTimerFlush);
    FlushPendingSettings(main_.model(), channels);
}

Millis SettingsFlush::untilNextBeat() const {
    const Millis since = main_.clock().now() - origin_.load();
    return since < 0 ? kPeriodMs : kPeriodMs - since % kPeriodMs;
}

}  // namespace quillon::app
