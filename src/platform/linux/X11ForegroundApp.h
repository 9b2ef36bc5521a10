#pragma once
// The application in front on an X11 desktop: the window manager names the active window on the
// root window (_NET_ACTIVE_WINDOW), the window names its process (_NET_WM_PID), and /proc names
// the process's executable.

#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "platform/ForegroundApp.h"

struct xcb_connection_t;

namespace quillon {

class X11ForegroundApp final : public ForegroundApp {
  public:
    // `display` as in $DISPLAY; empty for the environment's.
    explicit X11ForegroundApp(std::string display = {});
    ~X11ForegroundApp() override;
    X11ForegroundApp(const X11ForegroundApp&) = delete;
    X11ForegroundApp& operator=(const X11ForegroundApp&) = delete;

    bool supported() const override { return true; }
    std::optional<std::string> executablePath() override;
    // The id of the active window, and the id of a window's process on this machine, as the
    // window manager and the window publish them.
    std::optional<std::uint32_t> activeWindow();
    std::optional<int> processOf(std::uint32_t window);

  private:
    struct Connection;
    // Connects on first use and again after the server went away; null when it cannot.
    Connection* connection();

    std::mutex mutex_;
    std::string display_;
    std::unique_ptr<Connection> connection_;
};

}  // namespace quillon
