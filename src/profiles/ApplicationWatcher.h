#pragma once
// An application watcher: a worker that asks every 2.1 s which application is in front and hands
// the answer to the interface thread, where the list's panel shows the profile linked to it (or the
// user's own choice). Five of them run, one per list that follows the foreground application.

#include <functional>
#include <string>

#include "platform/ClockSync.h"
#include "platform/ForegroundApp.h"

namespace quillon {

struct ApplicationWatcher {
    Clock& clock;
    ForegroundApp& foreground;
    // Written to the debug output when the watcher ends on its stop event.
    std::string endMessage;
    // Called on the worker with the executable in front ("" for none); it must carry the answer
    // to the interface thread (the panels are not the worker's to touch).
    std::function<void(const std::string& foreground)> report;
};

inline constexpr Millis kWatcherSettleMs = 100;
inline constexpr Millis kWatcherPauseMs = 2000;

// The worker's body. On a desktop that cannot tell the application in front, the first pass
// still restores the user's choice; then the watcher only waits for its stop event.
void runApplicationWatcher(ApplicationWatcher& watcher, Event& stop);

}  // namespace quillon
