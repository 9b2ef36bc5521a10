#pragma once
// The Qt toolkit's clock: steady time that also knows when the interface thread is blocked in
// one of its waits. A worker's send() waits for the interface thread to run its message; while
// that thread is itself waiting (for a worker to end, for a device lock a worker holds) the
// message cannot run, so the sender stops waiting then and the message runs later, in order.

#include <memory>
#include <thread>

#include "platform/Clock.h"

namespace quillon::toolkit::qt {

class InterfaceClock final : public Clock {
  public:
    // The thread that makes the clock is the interface thread.
    InterfaceClock();

    Millis now() const override { return steady_->now(); }
    bool waitUntil(Millis deadline, const std::function<bool()>& ready) override;
    void update(const std::function<void()>& change) override { steady_->update(change); }
    void inspect(const std::function<void()>& look) override { steady_->inspect(look); }
    ThreadTicket* registerThread(const std::string& name) override {
        return steady_->registerThread(name);
    }
    void enterThread(ThreadTicket* ticket) override { steady_->enterThread(ticket); }
    void leaveThread(ThreadTicket* ticket) override { steady_->leaveThread(ticket); }

    bool onInterfaceThread() const { return std::this_thread::get_id() == interface_; }
    // Whether the interface thread is blocked in waitUntil. Read it only inside a `ready`
    // condition or an update(), where the clock's lock is held.
    bool interfaceWaiting() const { return interfaceWaits_ > 0; }

  private:
    std::unique_ptr<Clock> steady_;
    const std::thread::id interface_;
    int interfaceWaits_ = 0;  // guarded by the clock's lock
};

}  // namespace quillon::toolkit::qt
