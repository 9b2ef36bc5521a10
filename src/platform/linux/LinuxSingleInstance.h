#pragma once
// The single-instance rule on Linux. The lock is flock() on "VORLAXDRVER1.lock" in the user's
// private runtime folder: the kernel drops it when the holder ends, however it ends, so a lock
// file left behind by a killed instance never stops the next start. The running instance listens
// on the Unix socket "KALVEREN_004.sock" beside it; a later start connects and sends one "show"
// line. The socket file is removed when the running instance's object is destroyed, and one left
// by a crash is replaced by the next instance that takes the lock.

#include <memory>
#include <string>

#include "platform/SingleInstance.h"
#include "platform/UniqueFd.h"

namespace quillon {

class LinuxSingleInstance final : public SingleInstance {
  public:
    // `runtimeFolder` empty: the user's private runtime folder (privateRuntimeFolder()).
    explicit LinuxSingleInstance(std::string runtimeFolder = {});
    ~LinuxSingleInstance() override;
    LinuxSingleInstance(const LinuxSingleInstance&) = delete;
    LinuxSingleInstance& operator=(const LinuxSingleInstance&) = delete;

    int acquire() override;
    bool sendShowRequest() override;
    std::unique_ptr<ShowRequestListener> listen(std::function<void()> onShowRequest) override;

    std::string lockPath() const;
    std::string socketPath() const;

  private:
    std::string folder_;
    UniqueFd lock_;
    UniqueFd listening_;
};

}  // namespace quillon
