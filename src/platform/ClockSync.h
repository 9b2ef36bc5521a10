#pragma once
// Synchronisation that waits through a Clock, so that it works the same on real and virtual time.
// Anything a thread may block on while other threads must go on (a stop signal, a device lock held
// across a report exchange, a worker to end) is one of these, never a bare std::mutex.

#include <functional>
#include <string>
#include <thread>

#include "platform/Clock.h"

namespace quillon {

// A Win32-style event: manual reset stays set until reset(); auto reset releases one wait.
class Event {
  public:
    enum class Reset { Manual, Auto };
    Event(Clock& clock, Reset reset) : clock_(clock), manual_(reset == Reset::Manual) {}
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    void set();
    void reset();
    bool isSet() const;
    // True when the event was (or became) set within the timeout; an auto-reset event is consumed.
    bool wait(Millis timeout);
    // Waits until `first` or `second` is set; returns which (1 or 2, first wins a tie), 0 on
    // time-out. An auto-reset event that ends the wait is consumed.
    static int waitAny(Event& first, Event& second, Millis timeout);

  private:
    bool consumeIfSet();

    Clock& clock_;
    const bool manual_;
    bool signalled_ = false;  // guarded by the clock's lock
};

// A recursive lock whose waits go through the clock. Usable with std::lock_guard.
class ClockMutex {
  public:
    explicit ClockMutex(Clock& clock) : clock_(clock) {}
    ClockMutex(const ClockMutex&) = delete;
    ClockMutex& operator=(const ClockMutex&) = delete;

    void lock();
    bool tryLockFor(Millis timeout);
    void unlock();

  private:
    Clock& clock_;
    std::thread::id owner_;  // guarded by the clock's lock
    int depth_ = 0;
};

// A thread that takes part in a clock's time. The destructor waits for the body to end, so the
// body must watch its own stop signal.
class Worker {
  public:
    Worker(Clock& clock, std::string name, std::function<void()> body);
    ~Worker();
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    // Waits up to `timeout` for the body to end; true when it has ended (the thread is joined).
    bool joinFor(Millis timeout);
    bool finished() const;
    const std::string& name() const { return name_; }

  private:
    Clock& clock_;
    std::string name_;
    bool finished_ = false;  // guarded by the clock's lock
    bool joined_ = false;
    std::thread thread_;
};

}  // namespace quillon
