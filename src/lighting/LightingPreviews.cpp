#include "lighting/LightingPreviews.h"

#include <utility>

namespace quillon::lighting {

LightingPreviews::LightingPreviews(PreviewSources sources)
    : sources_(sources),
      shown_{std::make_unique<Event>(sources.clock, Event::Reset::Manual),
             std::make_unique<Event>(sources.clock, Event::Reset::Manual),
             std::make_unique<Event>(sources.clock, Event::Reset::Manual)},
      anyShown_(std::make_unique<Event>(sources.clock, Event::Reset::Manual)) {}

void LightingPreviews::setShowing(DeviceKind kind, bool showing) {
    const int k = kindIndex(kind);
    if (showing_[k].exchange(showing) == showing) {
        return;
    }
    if (showing) {
        shown_[k]->set();
        anyShown_->set();
        return;
    }
    shown_[k]->reset();
    if (!showing_[0].load() && !showing_[1].load() && !showing_[2].load()) {
        anyShown_->reset();
    }
}

bool LightingPreviews::waitUntilShown(std::optional<DeviceKind> kind, Event& stop) {
    Event& shown = kind ? *shown_[kindIndex(*kind)] : *anyShown_;
    return Event::waitAny(stop, shown, kForever) == 1;
}

void LightingPreviews::resetMouse(bool placeMarker, std::uint8_t direction) {
    std::lock_guard lock(mutex_);
    mouseRequest_.reset = true;
    mouseRequest_.marker = mouseRequest_.marker || placeMarker;
    mouseRequest_.direction = direction;
}

void LightingPreviews::resetMousepad(bool placeMarker) {
    std::lock_guard lock(mutex_);
    padRequest_.reset = true;
    padRequest_.marker = padRequest_.marker || placeMarker;
}

void LightingPreviews::startKeyboardMode(bool singleColour, std::uint8_t mode, bool reset) {
    std::lock_guard lock(mutex_);
    keyboardRequest_.reset = keyboardRequest_.reset || reset;
    keyboardRequest_.pending = true;
    keyboardRequest_.singleColour = singleColour;
    keyboardRequest_.mode = mode;
}

void LightingPreviews::setCustomSet(const CustomColourSet& set) {
    std::lock_guard lock(mutex_);
    customSet_ = set;
}

LightingPreviews::MouseRequest LightingPreviews::takeMouseRequest() {
    std::lock_guard lock(mutex_);
    return std::exchange(mouseRequest_, {});
}

LightingPreviews::PadRequest LightingPreviews::takePadRequest() {
    std::lock_guard lock(mutex_);
    return std::exchange(padRequest_, {});
}

LightingPreviews::KeyboardRequest LightingPreviews::takeKeyboardRequest() {
    std::lock_guard lock(mutex_);
    return std::exchange(keyboardRequest_, {});
}

CustomColourSet LightingPreviews::customSet() const {
    std::lock_guard lock(mutex_);
    return customSet_;
}

}  // namespace quillon::lighting
