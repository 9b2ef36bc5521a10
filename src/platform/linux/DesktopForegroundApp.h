#pragma once
// The ForegroundApp of the desktop the program runs on, chosen from the session's environment.

#include <memory>

#include "platform/ForegroundApp.h"

namespace quillon {

struct SessionEnvironment {
    std::string sessionType;     // $XDG_SESSION_TYPE
    std::string waylandDisplay;  // $WAYLAND_DISPLAY
    std::string display;         // $DISPLAY
    std::string desktop;         // $XDG_CURRENT_DESKTOP
    static SessionEnvironment fromProcess();
};

// What the session offers: X11 when the session is an X11 one (or has only an X display);
// nothing on Wayland, where only the compositor knows the active window, or without a display.
// The reason of a NoForegroundApp names the desktop.
std::unique_ptr<ForegroundApp> makeDesktopForegroundApp(const SessionEnvironment& session);

}  // namespace quillon
