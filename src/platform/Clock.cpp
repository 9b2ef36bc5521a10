#include "platform/Clock.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

namespace quillon {

bool Clock::waitFor(Millis timeout, const std::function<bool()>& ready) {
    return waitUntil(deadlineAfter(timeout), ready);
}

void Clock::sleepFor(Millis ms) {
    waitUntil(deadlineAfter(ms), [] { return false; });
}

Millis Clock::deadlineAfter(Millis timeout) const {
    const Millis start = now();
    if (timeout < 0) {
        return start;
    }
    if (timeout >= kForever - start) {
        return kForever;
    }
    return start + timeout;
}

namespace {

// Each waiting thread sleeps on its own condition variable. update() looks at every waiter's
// condition itself, with the lock held, and wakes only the threads whose condition now holds, so
// a change wakes nobody it does not concern and an idle program's threads stay asleep until
// their own time limits.
class SteadyClock final : public Clock {
  public:
    Millis now() const override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(Steady::now() - start_)
            .count();
    }

    bool waitUntil(Millis deadline, const std::function<bool()>& ready) override {
        std::unique_lock lock(mutex_);
        if (ready()) {
            return true;
        }
        Waiter waiter(ready);
        waiters_.push_back(&waiter);
        const bool result = sleep(lock, waiter, deadline);
        std::erase(waiters_, &waiter);
        return result;
    }

    void update(const std::function<void()>& change) override {
        std::lock_guard lock(mutex_);
        change();
        for (Waiter* waiter : waiters_) {
            if (!waiter->satisfied && (*waiter->ready)()) {
                waiter->satisfied = true;
                // Under the lock: the waiter cannot leave (and take its variable with it) first.
                waiter->wake.notify_one();
            }
        }
    }

    void inspect(const std::function<void()>& look) override {
        std::lock_guard lock(mutex_);
        look();
    }

    // Real threads need no bookkeeping: the operating system schedules them.
    ThreadTicket* registerThread(const std::string&) override { return nullptr; }
    void enterThread(ThreadTicket*) override {}
    void leaveThread(ThreadTicket*) override {}

  private:
    using Steady = std::chrono::steady_clock;

    struct Waiter {
        explicit Waiter(const std::function<bool()>& condition) : ready(&condition) {}
        const std::function<bool()>* ready;
        bool satisfied = false;
        std::condition_variable wake;
    };

    bool sleep(std::unique_lock<std::mutex>& lock, Waiter& waiter, Millis deadline) {
        while (!waiter.satisfied) {
            if (deadline == kForever) {
                waiter.wake.wait(lock);
                continue;
            }
            const auto until = start_ + std::chrono::milliseconds(deadline);
            if (Steady::now() >= until) {
                // One last look, for state that changed without an update().
                return (*waiter.ready)();
            }
            waiter.wake.wait_until(lock, until);
        }
        return true;
    }

    const Steady::time_point start_ = Steady::now();
    std::mutex mutex_;
    std::vector<Waiter*> waiters_;  // guarded by mutex_
};

}  // namespace

std::unique_ptr<Clock> makeSteadyClock() {
    return std::make_unique<SteadyClock>();
}

}  // namespace quillon
