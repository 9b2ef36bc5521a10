#include "platform/ClockSync.h"

#include <utility>

#if defined(__linux__)
#include <pthread.h>
#endif

namespace quillon {

namespace {

// Gives the thread the worker's name where the system keeps one (Linux keeps 15 characters), so
// that per-thread tools such as top -H show which worker is which.
void nameThisThread(const std::string& name) {
#if defined(__linux__)
    pthread_setname_np(pthread_self(), name.substr(0, 15).c_str());
#else
    (void)name;
#endif
}

}  // namespace

void Event::set() {
    clock_.update([this] { signalled_ = true; });
}

void Event::reset() {
    clock_.update([this] { signalled_ = false; });
}

bool Event::isSet() const {
    bool result = false;
    clock_.inspect([&] { result = signalled_; });
    return result;
}

bool Event::consumeIfSet() {
    if (!signalled_) {
        return false;
    }
    if (!manual_) {
        signalled_ = false;
    }
    return true;
}

bool Event::wait(Millis timeout) {
    return clock_.waitFor(timeout, [this] { return consumeIfSet(); });
}

int Event::waitAny(Event& first, Event& second, Millis timeout) {
    int which = 0;
    first.clock_.waitFor(timeout, [&] {
        if (first.consumeIfSet()) {
            which = 1;
        } else if (second.consumeIfSet()) {
            which = 2;
        }
        return which != 0;
    });
    return which;
}

void ClockMutex::lock() {
    tryLockFor(kForever);
}

bool ClockMutex::tryLockFor(Millis timeout) {
    const auto me = std::this_thread::get_id();
    return clock_.waitFor(timeout, [this, me] {
        if (depth_ == 0 || owner_ == me) {
            owner_ = me;
            ++depth_;
            return true;
        }
        return false;
    });
}

void ClockMutex::unlock() {
    clock_.update([this] {
        if (depth_ > 0 && --depth_ == 0) {
            owner_ = std::thread::id();
        }
    });
}

Worker::Worker(Clock& clock, std::string name, std::function<void()> body)
    : clock_(clock), name_(std::move(name)) {
    ThreadTicket* ticket = clock_.registerThread(name_);
    thread_ = std::thread([this, ticket, body = std::move(body)] {
        nameThisThread(name_);
        clock_.enterThread(ticket);
        body();
        clock_.update([this] { finished_ = true; });
        clock_.leaveThread(ticket);
    });
}

Worker::~Worker() {
    joinFor(kForever);
}

bool Worker::joinFor(Millis timeout) {
    if (joined_) {
        return true;
    }
    if (!clock_.waitFor(timeout, [this] { return finished_; })) {
        return false;
    }
    thread_.join();
    joined_ = true;
    return true;
}

bool Worker::finished() const {
    bool result = false;
    clock_.inspect([&] { result = finished_; });
    return result;
}

}  // namespace quillon
