#include "platform/linux/DesktopForegroundApp.h"

#include <cstdlib>

#include "platform/linux/X11ForegroundApp.h"

namespace quillon {
namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string waylandDesktopName(const std::string& desktop) {
    if (desktop.find("KDE") != std::string::npos) {
        return "KDE Plasma on Wayland";
    }
    if (desktop.find("GNOME") != std::string::npos) {
        return "GNOME on Wayland";
    }
    return desktop.empty() ? "a Wayland desktop" : desktop + " on Wayland";
}

}  // namespace

SessionEnvironment SessionEnvironment::fromProcess() {
    return {environment("XDG_SESSION_TYPE"), environment("WAYLAND_DISPLAY"), environment("DISPLAY"),
            environment("XDG_CURRENT_DESKTOP")};
}

std::unique_ptr<ForegroundApp> makeDesktopForegroundApp(const SessionEnvironment& session) {
    // Under Wayland the X server (XWayland) sees only the windows of X11 programs, so its answer
    // would be wrong whenever a Wayland program is in front.
    const bool wayland = session.sessionType == "wayland" ||
                         (session.sessionType != "x11" && !session.waylandDisplay.empty());
    if (wayland) {
        return std::make_unique<NoForegroundApp>(waylandDesktopName(session.desktop));
    }
    if (session.display.empty()) {
        return std::make_unique<NoForegroundApp>("no display");
    }
    return std::make_unique<X11ForegroundApp>(session.display);
}

}  // namespace quillon
