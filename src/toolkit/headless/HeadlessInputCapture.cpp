#include "toolkit/headless/HeadlessInputCapture.h"

#include "toolkit/VirtualKeys.h"
#include "toolkit/headless/HeadlessWindow.h"

namespace quillon::toolkit::headless {

bool HeadlessInputCapture::arm(Window& target, CaptureMode mode, bool wantKeyboard,
                               bool wantMouse) {
    remove();
    if (!wantKeyboard && !wantMouse) {
        return false;
    }
    auto* window = dynamic_cast<HeadlessWindow*>(&target);
    if (window == nullptr) {
        return false;
    }
    target_ = window;
    mode_ = mode;
    keyboard_ = wantKeyboard;
    mouse_ = wantMouse;
    ++arms_;
    return true;
}

void HeadlessInputCapture::remove() {
    target_ = nullptr;
    mode_ = CaptureMode::None;
    keyboard_ = false;
    mouse_ = false;
}

CaptureMode HeadlessInputCapture::mode() const {
    return keyboard_ || mouse_ ? mode_ : CaptureMode::None;
}

ActionResult HeadlessInputCapture::key(std::uint32_t vk, std::uint32_t flags, bool down) {
    KeyEvent event;
    event.vk = vk;
    event.flags = down ? (flags & ~kKeyFlagUp) : (flags | kKeyFlagUp);
    event.time = static_cast<std::uint32_t>(clock_.now());
    return deliverKey(event);
}

ActionResult HeadlessInputCapture::systemKey(std::uint32_t evdevCode, bool down) {
    const auto event = keyEventFromEvdev(evdevCode, down, static_cast<std::uint32_t>(clock_.now()));
    if (!event) {
        return ActionResult::failure("key code " + std::to_string(evdevCode) +
                                     " has no virtual key");
    }
    return deliverKey(*event);
}

ActionResult HeadlessInputCapture::deliverKey(const KeyEvent& event) {
    if (!keyboard_ || target_ == nullptr) {
        return ActionResult::failure("the keyboard is not captured");
    }
    if (passesOn(event.vk)) {
        ++passedOn_;
    } else {
        ++withheld_;
    }
    if (keyMessageFor(mode_) != 0) {
        target_->send(keyMessage(mode_, event));
    }
    return ActionResult::success();
}

ActionResult HeadlessInputCapture::button(MouseButton button, bool down) {
    if (!mouse_ || target_ == nullptr) {
        return ActionResult::failure("the mouse is not captured");
    }
    if (mouseMessageFor(mode_) != 0) {
        target_->post(mouseMessage(mode_, button, down));
    }
    return ActionResult::success();
}

void HeadlessInputCapture::windowGone(const HeadlessWindow* window) {
    if (window == target_) {
        remove();
    }
}

}  // namespace quillon::toolkit::headless
