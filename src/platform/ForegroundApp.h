#pragma once
// Which application's window is in front: the full path of its executable, for the profiles that
// follow the foreground application. Implemented per desktop (platform/linux); the scenario
// harness and the tests drive ScriptedForegroundApp.

#include <atomic>
#include <mutex>
#include <optional>
#include <string>

namespace quillon {

class ForegroundApp {
  public:
    virtual ~ForegroundApp() = default;
    // False when this desktop tells other programs nothing about the window in front; linked
    // profiles then stay as the user chose them.
    virtual bool supported() const = 0;
    // The full path of the executable whose window is in front; "" when no application's window
    // is in front; nothing when it cannot be learnt now (the window names no process, the process
    // is gone or not ours to read, the desktop did not answer). Called from worker threads:
    // implementations are safe to call from several threads at once.
    virtual std::optional<std::string> executablePath() = 0;
};

// A desktop without a way to learn the window in front. `reason` names the desktop for the debug
// output ("GNOME on Wayland", "no display").
class NoForegroundApp final : public ForegroundApp {
  public:
    explicit NoForegroundApp(std::string reason) : reason_(std::move(reason)) {}
    bool supported() const override { return false; }
    std::optional<std::string> executablePath() override { return std::nullopt; }
    const std::string& reason() const { return reason_; }

  private:
    std::string reason_;
};

// The application in front as a test or a scenario sets it.
class ScriptedForegroundApp final : public ForegroundApp {
  public:
    bool supported() const override { return supported_; }
    // A desktop that cannot tell (before the program starts).
    void setSupported(bool supported) { supported_ = supported; }
    std::optional<std::string> executablePath() override {
        std::lock_guard lock(mutex_);
        return path_;
    }
    // As executablePath() answers.
    void setPath(std::optional<std::string> path) {
        std::lock_guard lock(mutex_);
        path_ = std::move(path);
    }

  private:
    std::atomic<bool> supported_{true};
    std::mutex mutex_;
    std::optional<std::string> path_;
};

}  // namespace quillon
