#pragma once
// The detection worker of one device kind: finds the kind's configuration interface, opens it in
// the kind's channel and marks it connected, then probes it until it disappears. Everything the
// interface must show on a connection or a removal is handed to DetectionEvents, which carries it
// to the interface thread; the worker itself never touches a control.

#include <array>
#include <cstdint>
#include <optional>

#include "device/DeviceChannel.h"
#include "device/DeviceModel.h"
#include "device/MemorySync.h"
#include "platform/ClockSync.h"

namespace quillon {

class DetectionEvents {
  public:
    virtual ~DetectionEvents() = default;
    // The kind's tab shows and is selected: the keyboard's as soon as it is found, before the
    // 100 ms settling pause; the mousepad's once it is marked connected. The mouse's tab comes
    // with shown().
    virtual void arriving(DeviceKind kind) = 0;
    // The channel is connected: the kind's profile steps.
    virtual void connected(DeviceKind kind, std::uint16_t productId) = 0;
    // The connect steps that follow (tab, panel, repaint and read timers).
    virtual void shown(DeviceKind kind) = 0;
    // The channel was disconnected because the device disappeared.
    virtual void removed(DeviceKind kind) = 0;
    // Whether another device is connected, so that lighting can be shared with it.
    virtual void sameModeVisible(DeviceKind kind, bool visible) = 0;
    // After the worker's first pass; `mouseConnected` is the mouse channel's flag.
    virtual void firstPassDone(DeviceKind kind, bool mouseConnected) = 0;
};

struct DetectionContext {
    DeviceChannel& channel;
    ChannelTable channels;  // all three, by kindIndex()
    DeviceModel& model;
    DetectionEvents& events;
    SyncHooks cursorHooks;  // where the mouse's cursor image goes
    bool firstPass = true;
    std::optional<bool> sameModeShown;
};

inline constexpr Millis kMouseDetectionPauseMs = 1000;
inline constexpr Millis kConnectedPauseMs = 100;
inline constexpr Millis kSearchPauseMs = 1000;
inline constexpr Millis kKeyboardSettleMs = 100;

// One pass: probe or search, under the channel's lock. Returns the pause before the next pass.
Millis runDetectionPass(DetectionContext& context);
// The worker's body: passes until `stop` is set.
void runDetectionWorker(DetectionContext& context, Event& stop);

// The keyboard variant a product id stands for: 1 for 0x6556, 0 for 0x0800, none for others.
std::optional<int> keyboardVariantFor(std::uint16_t productId);

}  // namespace quillon
