#pragma once
// Input capture of the headless toolkit. Arming records what is taken; the tests and the
// scenario harness then play key and mouse button events, which reach the target window exactly
// as the Qt toolkit delivers real ones (keys sent, mouse buttons posted). An event played while
// its kind of capture is not armed is refused.

#include <cstdint>

#include "platform/Clock.h"
#include "toolkit/InputCapture.h"
#include "toolkit/headless/ActionResult.h"

namespace quillon::toolkit::headless {

class HeadlessWindow;

class HeadlessInputCapture final : public InputCapture {
  public:
    explicit HeadlessInputCapture(Clock& clock) : clock_(clock) {}

    // InputCapture
    bool arm(Window& target, CaptureMode mode, bool wantKeyboard, bool wantMouse) override;
    void remove() override;
    bool keyboardArmed() const override { return keyboard_; }
    bool mouseArmed() const override { return mouse_; }
    CaptureMode mode() const override;

    // A key press or release with a virtual-key code and the low-level flags (kKeyFlagExtended;
    // the up flag follows `down`). Refused unless the keyboard is taken.
    ActionResult key(std::uint32_t vk, std::uint32_t flags, bool down);
    // A key as the system reports it (evdev code), turned into its virtual key on the way.
    ActionResult systemKey(std::uint32_t evdevCode, bool down);
    // A mouse button press or release. Refused unless the mouse is watched.
    ActionResult button(MouseButton button, bool down);

    // Inspection: the window that has the keyboard, how many keys were withheld from the rest of
    // the system and how many passed on (the lock keys), how often capture was armed.
    HeadlessWindow* target() const { return target_; }
    int keysWithheld() const { return withheld_; }
    int keysPassedOn() const { return passedOn_; }
    int armCount() const { return arms_; }

    // The toolkit's bookkeeping: a window went away.
    void windowGone(const HeadlessWindow* window);

  private:
    ActionResult deliverKey(const KeyEvent& event);

    Clock& clock_;
    HeadlessWindow* target_ = nullptr;
    CaptureMode mode_ = CaptureMode::None;
    bool keyboard_ = false;
    bool mouse_ = false;
    int withheld_ = 0;
    int passedOn_ = 0;
    int arms_ = 0;
};

}  // namespace quillon::toolkit::headless
