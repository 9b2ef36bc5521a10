#pragma once
// The main window's fourteen worker threads, each with its own manual-reset stop event. A slot
// whose subsystem has not registered a body has no thread.

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "platform/ClockSync.h"

namespace quillon::app {

enum WorkerSlot : int {
    kKeyboardDetection = 0,
    kMouseDetection = 1,
    kMousepadDetection = 2,
    kMouseNotification = 3,
    kKeyboardNotification = 4,
    kKeyboardLighting = 5,
    kMouseLighting = 6,
    kMousepadLighting = 7,
    kLightingSync = 8,
    kKeyboardDeviceWatcher = 9,
    kKeyboardKeyWatcher = 10,
    kMouseDeviceWatcher = 11,
    kMouseKeyWatcher = 12,
    kMousepadLightingWatcher = 13,
    kWorkerSlotCount = 14,
};

enum class StopOutcome { AllEnded, TimedOut };

class WorkerSlots {
  public:
    using Body = std::function<void(Event& stop)>;

    explicit WorkerSlots(Clock& clock) : clock_(clock) {}
    ~WorkerSlots();

    // Gives a slot its work; call before startAll().
    void assign(int slot, std::string name, Body body);
    // Creates the stop events and starts every assigned slot in slot order, pausing 20 ms after
    // the first.
    void startAll();
    // Sets every stop event and waits up to `timeout` for every thread to end.
    StopOutcome stopAll(Millis timeout);
    bool running(int slot) const;
    int runningCount() const;

  private:
    struct Slot {
        std::string name;
        Body body;
        std::unique_ptr<Event> stop;
        std::unique_ptr<Worker> thread;
    };
    Clock& clock_;
    std::array<Slot, kWorkerSlotCount> slots_;
};

}  // namespace quillon::app
