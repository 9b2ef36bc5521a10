#pragma once
// The four lighting workers (mouse, mousepad and keyboard previews, synchronised lighting) and
// what they share with the interface thread. The workers compute whole frames and hand them over
// through mailboxes; the interface thread applies them to the zone controls (PreviewPainter). A
// worker computes nothing while its preview is not on screen (the window hidden or minimised,
// another page shown). Requests from the pages (reset a preview, start a mode) are queued and
// taken by the worker before its next frame, so the preview state has a single owner.

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>

#include "device/DeviceKind.h"
#include "lighting/KeyboardLightingStore.h"
#include "lighting/LightingSyncState.h"
#include "lighting/effects/FrameMailbox.h"
#include "lighting/effects/PreviewFrame.h"
#include "lighting/effects/SharedHue.h"
#include "platform/ClockSync.h"

namespace quillon {
class Clock;
class DeviceModel;
class DeviceChannel;
}  // namespace quillon

namespace quillon::app {
class WorkerSlots;
}

namespace quillon::lighting {

// What the lighting workers read of the program, all safe to read off the interface thread.
struct PreviewSources {
    Clock& clock;
    DeviceModel& model;
    std::array<DeviceChannel*, 3> channels;  // by kindIndex
};

class LightingPreviews {
  public:
    explicit LightingPreviews(PreviewSources sources);

    // Gives the four lighting slots their bodies.
    void assignWorkers(app::WorkerSlots& slots);

    // Interface thread: requests the workers carry out before their next frame.
    void resetMouse(bool placeMarker, std::uint8_t direction);
    void resetMousepad(bool placeMarker);
    // A keyboard mode was selected (`reset`) or the page refreshed (start state only).
    void startKeyboardMode(bool singleColour, std::uint8_t mode, bool reset);
    // The keyboard's selected custom set as the preview shows it.
    void setCustomSet(const CustomColourSet& set);
    // Whether the preview of a device is on screen.
    void setShowing(DeviceKind kind, bool showing);
    bool showing(DeviceKind kind) const { return showing_[kindIndex(kind)].load(); }
    // Workers: sleeps until the preview of `kind` (nullopt: of any device) is on screen or `stop`
    // is set; true when `stop` ended the wait. A worker whose preview nobody sees so costs nothing.
    bool waitUntilShown(std::optional<DeviceKind> kind, Event& stop);

    LightingSyncState& sync() { return sync_; }
    SharedHue& hue() { return hue_; }
    FrameMailbox<MouseFrame>& mouseFrames() { return mouseFrames_; }
    FrameMailbox<MousepadFrame>& mousepadFrames() { return mousepadFrames_; }
    FrameMailbox<KeyFrame>& keyboardFrames() { return keyboardFrames_; }

    struct MouseRequest {
        bool reset = false;
        bool marker = false;
        std::uint8_t direction = 0;
    };
    struct PadRequest {
        bool reset = false;
        bool marker = false;
    };
    struct KeyboardRequest {
        bool pending = false;
        bool reset = false;
        bool singleColour = false;
        std::uint8_t mode = 0;
    };
    // Workers: the queued request, cleared.
    MouseRequest takeMouseRequest();
    PadRequest takePadRequest();
    KeyboardRequest takeKeyboardRequest();
    CustomColourSet customSet() const;

    const PreviewSources& sources() const { return sources_; }

  private:
    PreviewSources sources_;
    LightingSyncState sync_;
    SharedHue hue_{0};
    std::array<std::atomic<bool>, 3> showing_{};
    std::array<std::unique_ptr<Event>, 3> shown_;  // set while showing_ is true
    std::unique_ptr<Event> anyShown_;              // set while any of them is
    FrameMailbox<MouseFrame> mouseFrames_;
    FrameMailbox<MousepadFrame> mousepadFrames_;
    FrameMailbox<KeyFrame> keyboardFrames_;

    mutable std::mutex mutex_;  // guards the requests and the custom set
    MouseRequest mouseRequest_;
    PadRequest padRequest_;
    KeyboardRequest keyboardRequest_;
    CustomColourSet customSet_{};
};

}  // namespace quillon::lighting
