#pragma once
// Carries work from any thread to the interface thread's event loop. post() queues it; send()
// queues it and waits until it has run, except that on the interface thread it runs at once, and
// that the sender stops waiting when the interface thread is blocked in a clock wait of its own
// (see InterfaceClock) or the work is dropped because the pump goes away.

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>

namespace quillon::toolkit::qt {

class InterfaceClock;

class MessagePump : public QObject {
    Q_OBJECT

  public:
    explicit MessagePump(InterfaceClock& clock);

    void post(std::function<void()> job);
    void send(std::function<void()> job);

    // Jobs queued and not yet run or dropped.
    int queued() const { return queued_->load(); }

  private:
    InterfaceClock& clock_;
    std::shared_ptr<std::atomic<int>> queued_ = std::make_shared<std::atomic<int>>(0);
};

}  // namespace quillon::toolkit::qt
