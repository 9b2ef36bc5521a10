#include "app/WorkerSlots.h"

#include <utility>

namespace quillon::app {

WorkerSlots::~WorkerSlots() {
    stopAll(kForever);
}

void WorkerSlots::assign(int slot, std::string name, Body body) {
    if (slot < 0 || slot >= kWorkerSlotCount) {
        return;
    }
    slots_[slot].name = std::move(name);
    slots_[slot].body = std::move(body);
}

void WorkerSlots::startAll() {
    bool first = true;
    for (Slot& slot : slots_) {
        slot.stop = std::make_unique<Event>(clock_, Event::Reset::Manual);
        if (!slot.body || slot.thread) {
            continue;
        }
        Event& stop = *slot.stop;
        slot.thread =
            std::make_unique<Worker>(clock_, slot.name, [&stop, body = slot.body] { body(stop); });
        if (first) {
            clock_.sleepFor(20);
            first = false;
        }
    }
}

StopOutcome WorkerSlots::stopAll(Millis timeout) {
    for (Slot& slot : slots_) {
        if (slot.stop) {
            slot.stop->set();
        }
    }
    const Millis deadline = clock_.deadlineAfter(timeout);
    StopOutcome outcome = StopOutcome::AllEnded;
    for (Slot& slot : slots_) {
        if (!slot.thread) {
            continue;
        }
        const Millis left = deadline == kForever ? kForever : deadline - clock_.now();
        if (slot.thread->joinFor(left < 0 ? 0 : left)) {
            slot.thread.reset();
        } else {
            outcome = StopOutcome::TimedOut;
        }
    }
    return outcome;
}

bool WorkerSlots::running(int slot) const {
    return slot >= 0 && slot < kWorkerSlotCount && slots_[slot].thread &&
           !slots_[slot].thread->finished();
}

int WorkerSlots::runningCount() const {
    int n = 0;
    for (int i = 0; i < kWorkerSlotCount; ++i) {
        n += running(i) ? 1 : 0;
    }
    return n;
}

}  // namespace quillon::app
