#pragma once
// The application in front on KDE Plasma under Wayland, where only the compositor knows it: a
// small KWin script, loaded through KWin's scripting interface on the session bus, reports the
// process id of every window that becomes active back to this process over D-Bus.

#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "platform/ForegroundApp.h"

namespace quillon {

class KWinForegroundApp final : public ForegroundApp {
  public:
    // Loads the script; null when the session bus or KWin's scripting interface is missing.
    // Called on the interface thread; reports arrive there.
    static std::unique_ptr<KWinForegroundApp> start();
    ~KWinForegroundApp() override;
    KWinForegroundApp(const KWinForegroundApp&) = delete;
    KWinForegroundApp& operator=(const KWinForegroundApp&) = delete;

    bool supported() const override { return true; }
    std::optional<std::string> executablePath() override;

    // A report of the script: the process of the active window, 0 for none.
    void activated(long long pid);
    // The script's text for the given D-Bus destination (this process's bus name).
    static std::string scriptText(const std::string& destination);

  private:
    KWinForegroundApp() = default;
    bool load();
    void unload();

    class Endpoint;
    std::unique_ptr<Endpoint> endpoint_;
    std::string scriptFile_;
    std::mutex mutex_;
    std::optional<long long> pid_;  // nothing before the first report
};

}  // namespace quillon
