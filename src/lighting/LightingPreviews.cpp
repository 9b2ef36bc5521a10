#include "lighting/LightingPreviews.h"

#include <utility>

namespace quillon::lighting {

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
