#pragma once
// Virtual time for tests and the scenario harness.
//
// Every thread that uses a VirtualClock takes part in it: the thread that makes the clock, and
// every thread started through Worker. Exactly one of them runs at a time (it "holds the baton").
// When the running thread waits, the baton goes to the first waiting thread (in the order the
// threads were registered) whose condition now holds; when no condition holds, time jumps to the
// earliest deadline and that waiter runs. Runs are therefore deterministic, and waits of any length
// take no real time. A state where every thread waits forever is a deadlock and aborts the test
// with the list of threads.

#include <atomic>
#include <condition_variable>
#include <list>
#include <mutex>
#include <string>

#include "platform/Clock.h"

namespace quillon {

class VirtualClock final : public Clock {
public:
    VirtualClock();
    ~VirtualClock() override;
    VirtualClock(const VirtualClock&) = delete;
    VirtualClock& operator=(const VirtualClock&) = delete;

    Millis now() const override { return now_.load(std::memory_order_acquire); }
    bool waitUntil(Millis deadline, const std::function<bool()>& ready) override;
    void update(const std::function<void()>& change) override;
    ThreadTicket* registerThread(const std::string& name) override;
    void enterThread(ThreadTicket* ticket) override;
    void leaveThread(ThreadTicket* ticket) override;

    // Number of threads taking part, the making thread included.
    int participants() const;

private:
    struct Participant;
    Participant* self() const;
    void passBaton(std::unique_lock<std::mutex>& lock);
    [[noreturn]] void reportDeadlock() const;

    mutable std::mutex mutex_;
    std::atomic<Millis> now_{0};
    std::list<Participant> participants_;  // in registration order
    Participant* holder_ = nullptr;
    int nextIndex_ = 0;
};

}  // namespace quillon
