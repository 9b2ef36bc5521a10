#include "toolkit/InputCapture.h"

namespace quillon::toolkit {

std::uint32_t keyMessageFor(CaptureMode mode) {
    switch (mode) {
        case CaptureMode::KeyboardSingleKey:
            return kMsgHookKeySingleKey;
        case CaptureMode::KeyboardHitKey:
            return kMsgHookKeyHitKey;
        case CaptureMode::KeyboardMacro:
            return kMsgHookKeyMacro;
        case CaptureMode::MouseSingleKey:
            return kMsgHookMouseSingleKey;
        case CaptureMode::MouseHitKey:
            return kMsgHookMouseHitKey;
        case CaptureMode::MouseMacro:
            return kMsgHookMouseMacro;
        default:
            return 0;
    }
}

std::uint32_t mouseMessageFor(CaptureMode mode) {
    switch (mode) {
        case CaptureMode::KeyboardMacro:
            return kMsgHookKeyMacroMouse;
        case CaptureMode::MouseMacro:
            return kMsgHookMouseMacroMouse;
        default:
            return 0;
    }
}

bool passesOn(std::uint32_t vk) {
    return vk == kVkNumLock || vk == kVkCapsLock || vk == kVkScrollLock;
}

Message keyMessage(CaptureMode mode, const KeyEvent& event) {
    Message m = messageOf(keyMessageFor(mode), event.down() ? kKeyDown : kKeyUp,
                          static_cast<std::intptr_t>(event.vk));
    m.data = event;
    return m;
}

std::uintptr_t mouseCode(MouseButton button, bool down) {
    switch (button) {
        case MouseButton::Left:
            return down ? kMouseLeftDown : kMouseLeftUp;
        case MouseButton::Right:
            return down ? kMouseRightDown : kMouseRightUp;
        case MouseButton::Middle:
            break;
    }
    return down ? kMouseMiddleDown : kMouseMiddleUp;
}

Message mouseMessage(CaptureMode mode, MouseButton button, bool down) {
    return messageOf(mouseMessageFor(mode), mouseCode(button, down));
}

std::optional<KeyEvent> keyEventOf(const Message& message) {
    if (const auto* event = std::any_cast<KeyEvent>(&message.data)) {
        return *event;
    }
    return std::nullopt;
}

}  // namespace quillon::toolkit
