#include "toolkit/headless/EventLoop.h"

#include <algorithm>

namespace quillon::toolkit::headless {

EventLoop::EventLoop(Clock& clock) : clock_(clock), interfaceThread_(std::this_thread::get_id()) {}

EventLoop::~EventLoop() {
    clock_.update([this] {
        for (Pending& pending : queue_) {
            if (pending.done) {
                *pending.done = true;
            }
        }
        queue_.clear();
        timers_.clear();
    });
}

void EventLoop::post(LoopTarget* target, Message message) {
    clock_.update([&] { queue_.push_back(Pending{target, std::move(message), nullptr}); });
}

void EventLoop::send(LoopTarget* target, Message message) {
    if (onInterfaceThread()) {
        target->handleMessage(message);
        return;
    }
    auto done = std::make_shared<bool>(false);
    clock_.update([&] { queue_.push_back(Pending{target, std::move(message), done}); });
    clock_.waitUntil(kForever, [&] { return *done; });
}

void EventLoop::setTimer(LoopTarget* target, int id, Millis period) {
    period = std::max<Millis>(period, 1);
    const Millis due = clock_.deadlineAfter(period);
    clock_.update([&] {
        auto found = std::find_if(timers_.begin(), timers_.end(),
                                  [&](const Timer& t) { return t.target == target && t.id == id; });
        if (found == timers_.end()) {
            found = timers_.insert(timers_.end(), Timer{target, id});
        }
        found->period = period;
        found->due = due;
        found->order = nextOrder_++;
        wake_ = true;
    });
}

void EventLoop::killTimer(LoopTarget* target, int id) {
    clock_.update([&] {
        std::erase_if(timers_, [&](const Timer& t) { return t.target == target && t.id == id; });
    });
}

bool EventLoop::hasTimer(const LoopTarget* target, int id) const {
    bool found = false;
    clock_.update([&] {
        found = std::any_of(timers_.begin(), timers_.end(),
                            [&](const Timer& t) { return t.target == target && t.id == id; });
    });
    return found;
}

void EventLoop::forget(LoopTarget* target) {
    clock_.update([&] {
        std::erase_if(timers_, [&](const Timer& t) { return t.target == target; });
        std::erase_if(queue_, [&](Pending& pending) {
            if (pending.target != target) {
                return false;
            }
            if (pending.done) {
                *pending.done = true;
            }
            return true;
        });
    });
}

void EventLoop::run(Millis deadline, const std::function<bool()>& stop) {
    for (;;) {
        if ((stop && stop()) || quitRequested()) {
            return;
        }
        if (dispatchMessage() || dispatchTimer()) {
            continue;
        }
        const Millis now = clock_.now();
        if (now >= deadline) {
            return;
        }
        const Millis wake = std::min(deadline, nextTimerDue());
        if (wake <= now) {
            continue;
        }
        clock_.waitUntil(wake, [this] {
            if (!queue_.empty()) {
                return true;
            }
            const bool woken = wake_;
            wake_ = false;
            return woken;
        });
    }
}

bool EventLoop::dispatchMessage() {
    Pending pending;
    bool have = false;
    clock_.update([&] {
        if (!queue_.empty()) {
            pending = std::move(queue_.front());
            queue_.pop_front();
            have = true;
        }
    });
    if (!have) {
        return false;
    }
    pending.target->handleMessage(pending.message);
    if (pending.done) {
        clock_.update([&] { *pending.done = true; });
    }
    return true;
}

bool EventLoop::dispatchTimer() {
    const Millis now = clock_.now();
    LoopTarget* target = nullptr;
    int id = 0;
    clock_.update([&] {
        Timer* next = nullptr;
        for (Timer& t : timers_) {
            if (t.due <= now && (next == nullptr || t.due < next->due ||
                                 (t.due == next->due && t.order < next->order))) {
                next = &t;
            }
        }
        if (next == nullptr) {
            return;
        }
        target = next->target;
        id = next->id;
        // A loop that fell behind fires once and keeps the period from now on.
        next->due = next->due + next->period > now ? next->due + next->period : now + next->period;
    });
    if (target == nullptr) {
        return false;
    }
    target->handleTimer(id);
    return true;
}

Millis EventLoop::nextTimerDue() const {
    Millis next = kForever;
    clock_.update([&] {
        for (const Timer& t : timers_) {
            next = std::min(next, t.due);
        }
    });
    return next;
}

void EventLoop::quit(int code) {
    clock_.update([&] {
        quit_ = true;
        exitCode_ = code;
        wake_ = true;
    });
}

bool EventLoop::quitRequested() const {
    bool requested = false;
    clock_.update([&] { requested = quit_; });
    return requested;
}

int EventLoop::exitCode() const {
    int code = 0;
    clock_.update([&] { code = exitCode_; });
    return code;
}

void EventLoop::clearQuit() {
    clock_.update([this] { quit_ = false; });
}

}  // namespace quillon::toolkit::headless
