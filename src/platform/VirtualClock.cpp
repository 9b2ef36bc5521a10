#include "platform/VirtualClock.h"

#include <cstdio>
#include <cstdlib>
#include <thread>

namespace quillon {

struct VirtualClock::Participant {
    int index = 0;
    std::string name;
    std::thread::id thread;
    bool entered = false;
    std::condition_variable turn;
    bool waiting = false;
    const std::function<bool()>* ready = nullptr;  // null while waiting to start
    Millis deadline = kForever;
    bool satisfied = false;
};

VirtualClock::VirtualClock() {
    Participant& main = participants_.emplace_back();
    main.index = nextIndex_++;
    main.name = "main";
    main.thread = std::this_thread::get_id();
    main.entered = true;
    holder_ = &main;
}

VirtualClock::~VirtualClock() {
    std::lock_guard lock(mutex_);
    if (participants_.size() != 1) {
        std::fprintf(stderr, "VirtualClock destroyed while %zu threads still take part\n",
                     participants_.size() - 1);
        std::abort();
    }
}

int VirtualClock::participants() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(participants_.size());
}

VirtualClock::Participant* VirtualClock::self() const {
    const auto id = std::this_thread::get_id();
    for (const Participant& p : participants_) {
        if (p.entered && p.thread == id) {
            return const_cast<Participant*>(&p);
        }
    }
    std::fprintf(stderr, "a thread that does not take part in the virtual clock used it\n");
    std::abort();
}

bool VirtualClock::waitUntil(Millis deadline, const std::function<bool()>& ready) {
    std::unique_lock lock(mutex_);
    Participant* me = self();
    if (ready()) {
        return true;
    }
    if (deadline <= now_.load()) {
        return false;
    }
    me->waiting = true;
    me->ready = &ready;
    me->deadline = deadline;
    me->satisfied = false;
    passBaton(lock);
    me->turn.wait(lock, [&] { return holder_ == me; });
    me->waiting = false;
    me->ready = nullptr;
    return me->satisfied;
}

void VirtualClock::update(const std::function<void()>& change) {
    std::lock_guard lock(mutex_);
    change();
}

ThreadTicket* VirtualClock::registerThread(const std::string& name) {
    std::lock_guard lock(mutex_);
    Participant& p = participants_.emplace_back();
    p.index = nextIndex_++;
    p.name = name;
    p.waiting = true;  // waits for its first turn; always ready to start
    return reinterpret_cast<ThreadTicket*>(&p);
}

void VirtualClock::enterThread(ThreadTicket* ticket) {
    auto* me = reinterpret_cast<Participant*>(ticket);
    std::unique_lock lock(mutex_);
    me->thread = std::this_thread::get_id();
    me->entered = true;
    me->turn.wait(lock, [&] { return holder_ == me; });
    me->waiting = false;
}

void VirtualClock::leaveThread(ThreadTicket* ticket) {
    auto* me = reinterpret_cast<Participant*>(ticket);
    std::unique_lock lock(mutex_);
    holder_ = nullptr;
    participants_.remove_if([&](const Participant& p) { return &p == me; });
    passBaton(lock);
}

void VirtualClock::passBaton(std::unique_lock<std::mutex>&) {
    for (Participant& p : participants_) {
        if (!p.waiting) {
            continue;
        }
        if (p.ready == nullptr || (*p.ready)()) {
            p.satisfied = p.ready != nullptr;
            holder_ = &p;
            p.turn.notify_one();
            return;
        }
    }
    Participant* earliest = nullptr;
    for (Participant& p : participants_) {
        if (p.waiting && p.deadline != kForever &&
            (earliest == nullptr || p.deadline < earliest->deadline)) {
            earliest = &p;
        }
    }
    if (earliest == nullptr) {
        if (participants_.empty()) {
            holder_ = nullptr;
            return;
        }
        reportDeadlock();
    }
    if (earliest->deadline > now_.load()) {
        now_.store(earliest->deadline, std::memory_order_release);
    }
    earliest->satisfied = false;
    holder_ = earliest;
    earliest->turn.notify_one();
}

void VirtualClock::reportDeadlock() const {
    std::fprintf(stderr, "virtual clock deadlock at %lld ms: every thread waits forever:\n",
                 static_cast<long long>(now_.load()));
    for (const Participant& p : participants_) {
        std::fprintf(stderr, "  #%d %s\n", p.index, p.name.c_str());
    }
    std::abort();
}

}  // namespace quillon
