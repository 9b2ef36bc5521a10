#pragma once
// Every timed thing in Quillon (sleeps, time limits, timers, worker passes) goes through a Clock.
// The program runs on SteadyClock; tests and the scenario harness run on VirtualClock, where time
// only moves when every thread that takes part is waiting, so a run replays the same way every time
// and a two-second pause costs nothing.

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>

namespace quillon {

using Millis = std::int64_t;
inline constexpr Millis kForever = std::numeric_limits<Millis>::max();

// Opaque registration of a thread with a clock, made by the starting thread before the new
// thread runs (see Worker in ClockSync.h).
struct ThreadTicket;

class Clock {
public:
    virtual ~Clock() = default;

    // Milliseconds since the clock was made.
    virtual Millis now() const = 0;

    // Blocks the calling thread until `ready` returns true or the clock reaches `deadline`
    // (absolute, kForever for no limit). `ready` runs with the clock's lock held and may change
    // the state it looks at (an auto-reset event consumes itself); it is called until it returns
    // true once. Returns whether `ready` returned true. State that `ready` reads must only be
    // changed inside update().
    virtual bool waitUntil(Millis deadline, const std::function<bool()>& ready) = 0;

    // Runs `change` with the clock's lock held and lets waiting threads look again.
    virtual void update(const std::function<void()>& change) = 0;

    // Runs `look` with the clock's lock held, for reading state that update() guards; it changes
    // nothing, so no waiting thread needs to look again.
    virtual void inspect(const std::function<void()>& look) { update(look); }

    // Thread bookkeeping used by Worker: registerThread runs on the starting thread,
    // enterThread first thing on the new thread, leaveThread last thing on it.
    virtual ThreadTicket* registerThread(const std::string& name) = 0;
    virtual void enterThread(ThreadTicket* ticket) = 0;
    virtual void leaveThread(ThreadTicket* ticket) = 0;

    bool waitFor(Millis timeout, const std::function<bool()>& ready);
    void sleepFor(Millis ms);
    Millis deadlineAfter(Millis timeout) const;
};

// Real monotonic time.
std::unique_ptr<Clock> makeSteadyClock();

}  // namespace quillon
