#pragma once
// Linux key codes (evdev, as the kernel numbers the keys of a keyboard) to Windows virtual-key
// codes with the extended flag, as a low-level keyboard event on Windows reports the same key.
// The mapping is positional, as the devices see the keys: the key right of "0" is
// VK_OEM_MINUS whatever the desktop's layout prints on it, and the keypad digits are the
// VK_NUMPAD codes whatever the Num Lock state.

#include <cstdint>
#include <optional>

#include "toolkit/InputCapture.h"

namespace quillon::toolkit {

struct VirtualKey {
    std::uint32_t vk = 0;
    bool extended = false;
};

// The virtual key of an evdev key code; nullopt for a code without one (unknown keys, mouse
// buttons, the power and wake keys that Windows never reports as keys).
std::optional<VirtualKey> virtualKeyFromEvdev(std::uint32_t evdevCode);

// The capture's key event for an evdev key press or release at `time`; nullopt when the code
// has no virtual key.
std::optional<KeyEvent> keyEventFromEvdev(std::uint32_t evdevCode, bool down, std::uint32_t time);

}  // namespace quillon::toolkit
