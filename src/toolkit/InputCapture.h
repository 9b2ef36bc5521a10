#pragma once
// Taking the user's real keyboard and mouse input for a while: single-key assignment (one key is
// captured and becomes a button's or key's function) and macro recording (every key and mouse
// button is recorded). While capture is armed the target window takes the keyboard, so keys do
// not reach any other program (the three lock keys are passed on, so their lights and state
// still change); mouse buttons are only watched, never withheld.
//
// Each event reaches the target window on the interface thread as the capture mode's message:
// key events are sent (the receiver runs before the next event is read), mouse events posted.
//
//   key message:   id = keyMessageFor(mode), wParam = kKeyDown or kKeyUp, lParam = the
//                  virtual-key code, data = the KeyEvent (keyEventOf() reads it back)
//   mouse message: id = mouseMessageFor(mode), wParam = kMouseLeftDown ... kMouseMiddleUp
//
// Key events carry Windows virtual-key codes and the low-level event flags (kKeyFlagExtended
// for the keys of the extended block: right Ctrl and Alt, arrows, the navigation block, keypad
// Enter and slash, ...), so the key tables, the recorder and the profile files speak one code
// on every system.

#include <cstdint>
#include <optional>

#include "toolkit/Window.h"

namespace quillon::toolkit {

// Which feature listens. Single-key capture takes only the keyboard; recording takes the
// keyboard, the mouse or both as its options say.
enum class CaptureMode : std::uint32_t {
    None = 0x00,
    KeyboardSingleKey = 0x01,  // a key of the keyboard's key page
    KeyboardHitKey = 0x02,
    KeyboardMacro = 0x04,   // macro recording on the keyboard page
    MouseSingleKey = 0x10,  // a button of the mouse's button page
    MouseHitKey = 0x20,
    MouseMacro = 0x40,  // macro recording on the mouse page
};

// Messages to the target window.
inline constexpr std::uint32_t kMsgHookKeySingleKey = 0x0801;
inline constexpr std::uint32_t kMsgHookKeyHitKey = 0x0802;
inline constexpr std::uint32_t kMsgHookKeyMacro = 0x0803;
inline constexpr std::uint32_t kMsgHookKeyMacroMouse = 0x0804;
inline constexpr std::uint32_t kMsgHookMouseSingleKey = 0x0810;
inline constexpr std::uint32_t kMsgHookMouseHitKey = 0x0811;
inline constexpr std::uint32_t kMsgHookMouseMacro = 0x0812;
inline constexpr std::uint32_t kMsgHookMouseMacroMouse = 0x0813;

// wParam of a key message.
inline constexpr std::uintptr_t kKeyDown = 0x0100;
inline constexpr std::uintptr_t kKeyUp = 0x0101;
inline constexpr std::uintptr_t kSysKeyDown = 0x0104;  // also a press; no toolkit sends it yet
inline constexpr std::uintptr_t kSysKeyUp = 0x0105;

// wParam of a mouse message.
inline constexpr std::uintptr_t kMouseLeftDown = 0x0201;
inline constexpr std::uintptr_t kMouseLeftUp = 0x0202;
inline constexpr std::uintptr_t kMouseRightDown = 0x0204;
inline constexpr std::uintptr_t kMouseRightUp = 0x0205;
inline constexpr std::uintptr_t kMouseMiddleDown = 0x0207;
inline constexpr std::uintptr_t kMouseMiddleUp = 0x0208;

// Low-level key event flags.
inline constexpr std::uint32_t kKeyFlagExtended = 0x01;
inline constexpr std::uint32_t kKeyFlagUp = 0x80;

// Virtual-key codes the capture itself looks at.
inline constexpr std::uint32_t kVkCapsLock = 0x14;
inline constexpr std::uint32_t kVkNumLock = 0x90;
inline constexpr std::uint32_t kVkScrollLock = 0x91;

struct KeyEvent {
    std::uint32_t vk = 0;        // Windows virtual-key code
    std::uint32_t scanCode = 0;  // the system's own key code (Linux: evdev), 0 when unknown
    std::uint32_t flags = 0;     // kKeyFlagExtended, kKeyFlagUp
    std::uint32_t time = 0;      // milliseconds of the clock when the event happened
    bool down() const { return (flags & kKeyFlagUp) == 0; }
    bool extended() const { return (flags & kKeyFlagExtended) != 0; }
};

enum class MouseButton { Left, Right, Middle };

class InputCapture {
  public:
    virtual ~InputCapture() = default;

    // Ends any capture, then takes the keyboard (wantKeyboard) and watches the mouse buttons
    // (wantMouse) for `target` in `mode`. False, with nothing armed, when the toolkit cannot
    // take the input (the window is gone) or nothing was asked for.
    virtual bool arm(Window& target, CaptureMode mode, bool wantKeyboard, bool wantMouse) = 0;
    // Gives the keyboard back and stops watching the mouse. Harmless when nothing is armed.
    virtual void remove() = 0;

    virtual bool keyboardArmed() const = 0;
    virtual bool mouseArmed() const = 0;
    // The mode of the last arm() while anything is armed, else None.
    virtual CaptureMode mode() const = 0;
};

// The message a key event or a mouse event becomes in `mode`, or 0 when the mode sends none
// for it (the mouse in the single-key modes).
std::uint32_t keyMessageFor(CaptureMode mode);
std::uint32_t mouseMessageFor(CaptureMode mode);
// Whether a captured key still reaches the system (the lock keys), or is withheld.
bool passesOn(std::uint32_t vk);
// Builds the messages as the table at the top says.
Message keyMessage(CaptureMode mode, const KeyEvent& event);
Message mouseMessage(CaptureMode mode, MouseButton button, bool down);
std::uintptr_t mouseCode(MouseButton button, bool down);
// The key event a key message carries; nullopt for any other message.
std::optional<KeyEvent> keyEventOf(const Message& message);

}  // namespace quillon::toolkit
