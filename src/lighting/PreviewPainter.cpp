#include "lighting/PreviewPainter.h"

#include <string>

#include "app/MainWindow.h"
#include "lighting/LightingControls.h"

namespace quillon::lighting {
namespace {

std::vector<toolkit::Control*> findNumbered(app::CMainWnd& main, const std::string& prefix,
                                            std::size_t count) {
    std::vector<toolkit::Control*> found;
    for (std::size_t i = 0; i < count; ++i) {
        found.push_back(main.find(prefix + std::to_string(i)));
    }
    return found;
}

bool shownOnScreen(const toolkit::Control* c) {
    return c != nullptr && c->visible();
}

}  // namespace

PreviewPainter::PreviewPainter(app::CMainWnd& main, LightingPreviews& previews,
                               KeyboardLightingStore& store)
    : main_(main), previews_(previews), store_(store) {}

void PreviewPainter::lookUp() {
    mouseZones_ = findNumbered(main_, "ms_dkey_", kMouseZoneCount);
    padZones_ = findNumbered(main_, "mp_dkey_", kMousepadZoneCount);
    // The lighting page's own keys; the key page's buttons carry no light.
    keys_ = findNumbered(main_, "kb_dkey_", kKeyCount);
    areas_[kindIndex(DeviceKind::Mouse)] = main_.previews().add("ms_deng_body");
    areas_[kindIndex(DeviceKind::Mousepad)] = main_.previews().add("mp_deng_body");
    areas_[kindIndex(DeviceKind::Keyboard)] = main_.previews().add("kb_deng_keys");
}

void PreviewPainter::windowShown(bool shown) {
    windowShown_ = shown;
    updateShowing();
}

void PreviewPainter::tick() {
    // An unplugged mouse leaves synchronised lighting; the other devices stay in it.
    if (!main_.channel(DeviceKind::Mouse).connected()) {
        previews_.sync().setSynchronised(DeviceKind::Mouse, false);
    }
    updateShowing();
    const CustomColourSet& set = store_.currentSet();
    if (!setSent_ || set != lastSet_) {
        lastSet_ = set;
        setSent_ = true;
        previews_.setCustomSet(set);
    }
    MouseFrame mouse = mouse_;
    if (take(previews_.mouseFrames(), DeviceKind::Mouse, mouse)) {
        paintZones(mouseZones_, mouse.data(), mouse_.data(), mouse.size());
        mouse_ = mouse;
    }
    MousepadFrame pad = pad_;
    if (take(previews_.mousepadFrames(), DeviceKind::Mousepad, pad)) {
        paintZones(padZones_, pad.data(), pad_.data(), pad.size());
        pad_ = pad;
    }
    KeyFrame keys = keyboard_;
    if (take(previews_.keyboardFrames(), DeviceKind::Keyboard, keys)) {
        paintKeys(keys, keyboard_);
        keyboard_ = keys;
    }
}

template <typename Frame>
bool PreviewPainter::take(FrameMailbox<Frame>& mailbox, DeviceKind kind, Frame& last) {
    const int k = kindIndex(kind);
    const Millis now = main_.clock().now();
    if (painted_[k] != 0 && now - lastPaint_[k] < kPaintIntervalMs) {
        return false;  // the newest frame waits in the mailbox for the next paint
    }
    if (!mailbox.takeIfNewer(seen_[k], last)) {
        return false;
    }
    lastPaint_[k] = now;
    ++painted_[k];
    return true;
}

// A preview is on screen while the window is shown, not minimised, and its page is the one shown.
void PreviewPainter::updateShowing() {
    toolkit::Window& window = main_.window();
    const bool open = windowShown_ && window.isVisible() && !window.isMinimized();
    previews_.setShowing(DeviceKind::Mouse,
                         open && !mouseZones_.empty() && shownOnScreen(mouseZones_[0]));
    previews_.setShowing(DeviceKind::Mousepad,
                         open && !padZones_.empty() && shownOnScreen(padZones_[0]));
    bool keysShown = false;
    for (const toolkit::Control* key : keys_) {
        if (shownOnScreen(key)) {
            keysShown = true;
            break;
        }
    }
    previews_.setShowing(DeviceKind::Keyboard, open && keysShown);
}

void PreviewPainter::paintZones(const std::vector<toolkit::Control*>& zones,
                                const ZoneLight* lights, const ZoneLight* before,
                                std::size_t count) {
    for (std::size_t i = 0; i < count && i < zones.size(); ++i) {
        toolkit::Control* zone = zones[i];
        if (zone == nullptr || lights[i] == before[i]) {
            continue;
        }
        zone->set(toolkit::Prop::Tint, std::int64_t{argbOf(lights[i].colour)});
        zone->set(toolkit::Prop::TintAlpha, std::int64_t{lights[i].alpha});
    }
}

// The keys carry the light while the key-assignment tab is not selected.
void PreviewPainter::paintKeys(const KeyFrame& frame, const KeyFrame& before) {
    const bool lit = !isSelected(main_, "kb_key_Op_tab");
    const bool litChanged = lit != keysLit_;
    keysLit_ = lit;
    for (std::size_t k = 0; k < frame.size() && k < keys_.size(); ++k) {
        toolkit::Control* key = keys_[k];
        if (key == nullptr || (!litChanged && frame[k] == before[k])) {
            continue;
        }
        key->set(toolkit::Prop::Light, lit);
        key->set(toolkit::Prop::LightColor, std::int64_t{argbOf(frame[k].colour)});
        key->set(toolkit::Prop::LightAlpha, std::int64_t{frame[k].alpha});
    }
}

}  // namespace quillon::lighting
