#pragma once
// A window built from a skin file, its notifications, timers and private messages.

#include <any>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Clock.h"
#include "toolkit/Control.h"

namespace quillon::toolkit {

// What a control tells its window. The sender's new state travels with it where it has one.
struct Notification {
    std::string type;    // "click", "selectchanged", "itemselect", "itemclick", "valuechanged",
                         // "movevaluechanged", "textchanged", "killfocus", "setfocus", "msenter",
                         // "msleave", "colorchanged", "windowinit", "windowsize", "windowexposed"
                         // (the window's own: it came into or out of sight, in `selected`), ...
    std::string sender;  // the control's name ("" for the window's own notifications)
    Control* control = nullptr;
    bool selected = false;  // selectchanged: the new state
    int index = -1;         // itemselect, itemclick: the item
    int value = 0;          // valuechanged, movevaluechanged: the slider value
    Argb colour = 0;        // colorchanged: the chosen colour
    std::string text;       // textchanged: the new text
};

// A private message to a window. `data` carries a payload (a menu choice, ...); `task`, when set,
// is run on the interface thread instead of being handed to the handler.
struct Message {
    std::uint32_t id = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    std::any data;
    std::function<void()> task;
};

inline Message messageOf(std::uint32_t id, std::uintptr_t wParam = 0, std::intptr_t lParam = 0) {
    Message m;
    m.id = id;
    m.wParam = wParam;
    m.lParam = lParam;
    return m;
}

// Message numbers the toolkit itself sends.
inline constexpr std::uint32_t kMsgTray = 0x0401;         // lParam: kTrayLeftUp or kTrayRightUp
inline constexpr std::uint32_t kMsgMenuCommand = 0x0479;  // data: MenuChoice
inline constexpr std::uint32_t kMsgActivate = 0x0006;     // wParam 1: activated, 0: deactivated
inline constexpr std::intptr_t kTrayLeftUp = 0x0202;
inline constexpr std::intptr_t kTrayRightUp = 0x0205;

struct MenuChoice {
    std::string name;
    std::string userData;
    std::string text;  // as the menu item shows it (a text id when the skin gives one)
};

class WindowHandler {
  public:
    virtual ~WindowHandler() = default;
    virtual void notify(const Notification& notification) = 0;
    virtual void onTimer(int /*id*/) {}
    // Returns true when the message was handled.
    virtual bool onMessage(const Message& /*message*/) { return false; }
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class Window {
  public:
    virtual ~Window() = default;

    // The skin this window was built from (a resource id such as "XML_MAIN" or a file name).
    virtual const std::string& skin() const = 0;
    // The control of that name, compared without regard to case; null when the skin has none.
    virtual Control* find(std::string_view name) = 0;
    // Every named control, in skin order.
    virtual std::vector<Control*> controls() = 0;
    virtual void setHandler(WindowHandler* handler) = 0;

    virtual void show() = 0;
    virtual void hide() = 0;
    virtual void minimize() = 0;
    virtual void maximize() = 0;
    virtual void restore() = 0;
    virtual bool isVisible() const = 0;
    virtual bool isMinimized() const = 0;
    // Whether the window can be seen: shown, not minimised and not wholly covered by other
    // windows. A change is announced with a "windowexposed" notification.
    virtual bool isExposed() const = 0;
    // Brings a shown window above the others and gives it the focus.
    virtual void bringToFront() = 0;
    virtual void center() = 0;
    virtual Rect geometry() const = 0;
    virtual void move(int x, int y) = 0;
    virtual void setTitle(const std::string& title) = 0;
    virtual void invalidate() = 0;

    // Ends a modal run (or closes a plain window) with `result`.
    virtual void close(int result) = 0;
    // Shows the window modally; returns the result given to close(). The main window's timers
    // and messages go on while it runs.
    virtual int runModal() = 0;

    // Timers: `id` fires every `period` ms until killed; a timer set again restarts.
    virtual void setTimer(int id, Millis period) = 0;
    virtual void killTimer(int id) = 0;
    // Safe from any thread. post() returns at once; send() returns when the handler (or the
    // task) has run on the interface thread. Called on the interface thread, send() runs it
    // directly.
    virtual void post(Message message) = 0;
    virtual void send(Message message) = 0;
    void postTask(std::function<void()> task) {
        Message m;
        m.task = std::move(task);
        post(std::move(m));
    }
    void sendTask(std::function<void()> task) {
        Message m;
        m.task = std::move(task);
        send(std::move(m));
    }
};

}  // namespace quillon::toolkit
