#pragma once
// What the toolkit contract tests need beyond the Toolkit port: a toolkit to test, and a way to
// act as the user and to let time pass. toolkit/headless and toolkit/qt each provide one driver;
// the same contract suite (contract_support.cpp) runs against both.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/Toolkit.h"

namespace quillon::toolkit::contract {

class ToolkitDriver {
public:
    virtual ~ToolkitDriver() = default;

    virtual Toolkit& toolkit() = 0;

    // User actions on a control of `window`; each sends the notifications a real user's action
    // sends. False when the control is missing, hidden or disabled (nothing is sent then).
    virtual bool click(Window& window, const std::string& name) = 0;
    virtual bool select(Window& window, const std::string& name, bool selected) = 0;
    virtual bool choose(Window& window, const std::string& name, int index) = 0;
    virtual bool slide(Window& window, const std::string& name, int value) = 0;  // drag + release
    virtual bool drag(Window& window, const std::string& name, int value) = 0;   // drag, held
    virtual bool type(Window& window, const std::string& name, const std::string& text) = 0;
    virtual bool leave(Window& window, const std::string& name) = 0;  // focus leaves an edit
    virtual bool hover(Window& window, const std::string& name, bool inside) = 0;

    // Lets `ms` milliseconds pass with the interface thread's loop running (timers fire, posted
    // messages are handled).
    virtual void runFor(Millis ms) = 0;

    // The next modal window closes by clicking this control (e.g. "confirm_btn").
    virtual void answerNextModalWith(const std::string& controlName) = 0;
    // The next file dialog returns this path, or is cancelled (nullopt).
    virtual void answerNextFileDialog(std::optional<std::string> path) = 0;
    // Chooses an item of the popup menu that is open; false when no menu is open or it lacks one.
    virtual bool chooseMenuItem(const std::string& name) = 0;
    // A click on the tray icon.
    virtual bool clickTray(bool left) = 0;

    // A key of the real keyboard (its evdev code) pressed or released while `window` is the
    // active window, and a mouse button pressed or released over it.
    virtual void pressKey(Window& window, std::uint32_t evdevCode, bool down) = 0;
    virtual void pressButton(Window& window, MouseButton button, bool down) = 0;

    // How often the control `name` of the shown `window` was repainted because of `change`:
    // what the change asked to repaint is painted before this returns.
    virtual int repaintsDuring(Window& window, const std::string& name,
                               const std::function<void()>& change) = 0;
};

// The folder of skin files the contract tests build their windows from.
std::string contractSkinDir();

}  // namespace quillon::toolkit::contract
