#pragma once
// The interface thread's loop of the headless toolkit: private messages posted or sent from any
// thread, and window timers, handled in order on the thread that made the loop. It waits through
// the Clock, so on a VirtualClock the worker threads run while it waits and timers cost no time.

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "platform/Clock.h"
#include "toolkit/Window.h"

namespace quillon::toolkit::headless {

// What receives the loop's messages and timer ticks (a window).
class LoopTarget {
  public:
    virtual ~LoopTarget() = default;
    virtual void handleMessage(const Message& message) = 0;
    virtual void handleTimer(int id) = 0;
};

class EventLoop {
  public:
    explicit EventLoop(Clock& clock);
    ~EventLoop();
    EventLoop(const EventLoop&) = delete;
    EventLoop& operator=(const EventLoop&) = delete;

    Clock& clock() { return clock_; }
    bool onInterfaceThread() const { return std::this_thread::get_id() == interfaceThread_; }

    // Any thread. send() returns once the target has handled the message (at once on the
    // interface thread), or when the target goes away before it could.
    void post(LoopTarget* target, Message message);
    void send(LoopTarget* target, Message message);

    // Any thread. A period below 1 ms counts as 1 ms; setting a timer again restarts it.
    void setTimer(LoopTarget* target, int id, Millis period);
    void killTimer(LoopTarget* target, int id);
    bool hasTimer(const LoopTarget* target, int id) const;

    // The target is going away: its messages and timers are dropped, its senders released.
    void forget(LoopTarget* target);

    // Interface thread: handles messages and due timers until `stop` returns true, quit() was
    // called or the clock reaches `deadline`; waits through the clock in between.
    void run(Millis deadline, const std::function<bool()>& stop = {});

    void quit(int code);
    bool quitRequested() const;
    int exitCode() const;
    void clearQuit();

  private:
    struct Pending {
        LoopTarget* target = nullptr;
        Message message;
        std::shared_ptr<bool> done;  // set once handled or dropped (send only)
    };
    struct Timer {
        LoopTarget* target = nullptr;
        int id = 0;
        Millis period = 1;
        Millis due = 0;
        std::uint64_t order = 0;  // ties of `due` fire in the order the timers were set
    };

    bool dispatchMessage();
    bool dispatchTimer();
    Millis nextTimerDue() const;

    Clock& clock_;
    const std::thread::id interfaceThread_;
    // Everything below is guarded by the clock's lock (changed only inside Clock::update).
    std::deque<Pending> queue_;
    std::vector<Timer> timers_;
    std::uint64_t nextOrder_ = 0;
    bool wake_ = false;  // timers changed or quit asked from another thread
    bool quit_ = false;
    int exitCode_ = 0;
};

}  // namespace quillon::toolkit::headless
