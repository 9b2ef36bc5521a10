// The bodies of the four lighting workers. Each pass waits on the worker's stop event, so a
// stop ends the worker within one wait; every wait goes through the clock.

#include "app/WorkerSlots.h"
#include "device/DeviceChannel.h"
#include "device/DeviceModel.h"
#include "lighting/LightingPreviews.h"
#include "lighting/LightingRecords.h"
#include "lighting/effects/KeyboardEngine.h"
#include "lighting/effects/MousePreview.h"
#include "lighting/effects/MousepadPreview.h"
#include "lighting/effects/SyncPreview.h"
#include "platform/ClockSync.h"
#include "platform/DebugLog.h"

namespace quillon::lighting {
namespace {

constexpr Millis kAbsentWait = 100;   // the device is not attached
constexpr Millis kHiddenWait = 100;   // sync only: previews on screen, none synchronised
constexpr Millis kNoSyncWait = 1000;  // no device attached at all

class PreviewPass {
  public:
    PreviewPass(LightingPreviews& previews, DeviceKind kind, Event& stop)
        : previews_(previews), kind_(kind), stop_(stop) {}
    // Sleeps until the preview is on screen again; true when the worker is to stop.
    bool waitUntilShown() const { return previews_.waitUntilShown(kind_, stop_); }

    const CurrentRecord& record() const { return previews_.sources().model.memory(kind_).current; }
    LightingBlock block() const { return currentLighting(record()); }
    bool attached() const { return previews_.sources().channels[kindIndex(kind_)]->connected(); }
    bool synchronised() const { return previews_.sync().synchronised(kind_); }
    bool showing() const { return previews_.showing(kind_); }
    // Waits `ms`; true when the worker is to stop.
    bool wait(Millis ms) const { return stop_.wait(ms); }
    // The common checks after the pass delay; true when this pass draws.
    bool mayDraw(bool& stop) const {
        if (!attached()) {
            stop = wait(kAbsentWait);
            return false;
        }
        if (synchronised()) {
            return false;
        }
        if (!showing()) {
            stop = waitUntilShown();
            return false;
        }
        return true;
    }

  private:
    LightingPreviews& previews_;
    DeviceKind kind_;
    Event& stop_;
};

// The passes both zone previews share: a 3 s start, then passes of 1 ms and the mode's pass delay
// (`delayOf`); when the preview is to be drawn, `draw` runs and returns a pause to take after it
// (0 for none).
template <typename DelayOf, typename Draw>
void runZonePasses(PreviewPass& pass, Event& stop, DelayOf delayOf, Draw draw) {
    bool ended = pass.wait(3000);
    while (!ended && !pass.wait(1)) {
        if (pass.wait(delayOf(pass.block())) || !pass.mayDraw(ended)) {
            ended = ended || stop.isSet();
            continue;
        }
        if (const Millis pause = draw(); pause > 0) {
            ended = pass.wait(pause);
        }
    }
}

void mouseWorker(LightingPreviews& previews, Event& stop) {
    PreviewPass pass(previews, DeviceKind::Mouse, stop);
    MousePreview preview;
    DeviceModel& model = previews.sources().model;
    runZonePasses(pass, stop, mousePassDelay, [&]() -> Millis {
        const auto request = previews.takeMouseRequest();
        if (request.reset) {
            preview.reset();
        }
        if (request.marker) {
            preview.placeMarker(request.direction);
        }
        const LightingBlock b = pass.block();
        const bool triggered =
            MousePreview::usesTrigger(b.mode) && model.mouseLightPulse.exchange(false);
        if (preview.frame(b, previews.sources().clock.now(), triggered, previews.hue())) {
            previews.mouseFrames().publish(preview.picture());
        } else if (b.mode >= kMouseModeCount) {
            debugLog("鼠标灯光线程设定2");
        }
        return 0;
    });
    debugLog("鼠标灯光线程设定退出");
}

void mousepadWorker(LightingPreviews& previews, Event& stop) {
    PreviewPass pass(previews, DeviceKind::Mousepad, stop);
    MousepadPreview preview;
    DeviceModel& model = previews.sources().model;
    runZonePasses(pass, stop, mousepadPassDelay, [&]() -> Millis {
        const auto request = previews.takePadRequest();
        if (request.reset) {
            preview.reset();
        }
        if (request.marker) {
            preview.placeMarker();
        }
        const LightingBlock b = pass.block();
        const bool triggered =
            MousepadPreview::usesTrigger(b.mode) && model.mousepadLightPulse.exchange(false);
        const PadFrameResult r =
            preview.frame(b, previews.sources().clock.now(), triggered, previews.hue());
        if (r.drawn) {
            previews.mousepadFrames().publish(preview.picture());
        }
        return r.pauseAfter;
    });
    debugLog("鼠标垫灯光线程设定退出");
}

void keyboardWorker(LightingPreviews& previews, Event& stop) {
    PreviewPass pass(previews, DeviceKind::Keyboard, stop);
    KeyboardEngine engine;
    DeviceModel& model = previews.sources().model;
    bool ended = pass.wait(1000);
    while (!ended && !pass.wait(1)) {
        LightingBlock b = pass.block();
        if (pass.wait(keyboardFrameDelay(b.mode, b.speed))) {
            break;
        }
        if (!pass.attached()) {
            ended = pass.wait(kAbsentWait);
            continue;
        }
        if (!pass.synchronised()) {
            if (!pass.showing()) {
                ended = pass.waitUntilShown();
                continue;
            }
            const bool single = model.keyboardVariant.load() == 1;
            const auto request = previews.takeKeyboardRequest();
            if (request.reset) {
                engine.reset();
            }
            if (request.pending) {
                engine.start(request.singleColour, request.mode);
            }
            if (pass.wait(keyboardExtraDelay(single, b.mode))) {
                break;
            }
            b = pass.block();
            const CustomColourSet set = previews.customSet();
            if (engine.frame(single, b, set, previews.hue())) {
                previews.keyboardFrames().publish(engine.picture());
            }
        }
        advanceHue(previews.hue(), 1);
    }
    debugLog("键盘灯光线程设定退出");
}

void syncWorker(LightingPreviews& previews, Event& stop) {
    const PreviewSources& s = previews.sources();
    SyncPreview preview;
    auto attached = [&s](DeviceKind kind) { return s.channels[kindIndex(kind)]->connected(); };
    auto draws = [&](DeviceKind kind) {
        return previews.sync().synchronised(kind) && previews.showing(kind);
    };
    while (!stop.wait(1)) {
        const LightingBlock b = previews.sync().block();
        if (stop.wait(syncPassDelay(b))) {
            break;
        }
        if (!attached(DeviceKind::Keyboard) && !attached(DeviceKind::Mouse) &&
            !attached(DeviceKind::Mousepad)) {
            if (stop.wait(kNoSyncWait)) {
                break;
            }
            continue;
        }
        const SyncTargets t{draws(DeviceKind::Keyboard), draws(DeviceKind::Mouse),
                            draws(DeviceKind::Mousepad)};
        if (!t.keyboard && !t.mouse && !t.mousepad) {
            // Nothing to draw: no device takes part, or none of their previews is on screen. With
            // no preview on screen there is nothing to look at until one is shown.
            const bool anyShown = previews.showing(DeviceKind::Keyboard) ||
                                  previews.showing(DeviceKind::Mouse) ||
                                  previews.showing(DeviceKind::Mousepad);
            if (anyShown ? stop.wait(kHiddenWait) : previews.waitUntilShown(std::nullopt, stop)) {
                break;
            }
            continue;
        }
        if (preview.frame(b, t)) {
            if (t.keyboard) {
                previews.keyboardFrames().publish(preview.keyboard());
            }
            if (t.mouse) {
                previews.mouseFrames().publish(preview.mouse());
            }
            if (t.mousepad) {
                previews.mousepadFrames().publish(preview.mousepad());
            }
        }
        if (stop.wait(syncIdleDelay(b, t))) {
            break;
        }
    }
    debugLog("同步灯光线程设定退出");
}

}  // namespace

void LightingPreviews::assignWorkers(app::WorkerSlots& slots) {
    slots.assign(app::kMouseLighting, "mouse lighting",
                 [this](Event& stop) { mouseWorker(*this, stop); });
    slots.assign(app::kMousepadLighting, "mousepad lighting",
                 [this](Event& stop) { mousepadWorker(*this, stop); });
    slots.assign(app::kKeyboardLighting, "keyboard lighting",
                 [this](Event& stop) { keyboardWorker(*this, stop); });
    slots.assign(app::kLightingSync, "lighting sync",
                 [this](Event& stop) { syncWorker(*this, stop); });
}

}  // namespace quillon::lighting
