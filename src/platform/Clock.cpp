#include "platform/Clock.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

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

class SteadyClock final : public Clock {
public:
    Millis now() const override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(Steady::now() - start_).count();
    }

    bool waitUntil(Millis deadline, const std::function<bool()>& ready) override {
        std::unique_lock lock(mutex_);
        for (;;) {
            if (ready()) {
                return true;
            }
            if (deadline == kForever) {
                changed_.wait(lock);
                continue;
            }
            const auto until = start_ + std::chrono::milliseconds(deadline);
            if (Steady::now() >= until) {
                return false;
            }
            changed_.wait_until(lock, until);
        }
    }

    void update(const std::function<void()>& change) override {
        {
            std::lock_guard lock(mutex_);
            change();
        }
        changed_.notify_all();
    }

    // Real threads need no bookkeeping: the operating system schedules them.
    ThreadTicket* registerThread(const std::string&) override { return nullptr; }
    void enterThread(ThreadTicket*) override {}
    void leaveThread(ThreadTicket*) override {}

private:
    using Steady = std::chrono::steady_clock;
    const Steady::time_point start_ = Steady::now();
    std::mutex mutex_;
    std::condition_variable changed_;
};

}  // namespace

std::unique_ptr<Clock> makeSteadyClock() {
    return std::make_unique<SteadyClock>();
}

}  // namespace quillon
