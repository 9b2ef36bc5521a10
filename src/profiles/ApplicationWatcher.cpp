#include "profiles/ApplicationWatcher.h"

#include "platform/DebugLog.h"

namespace quillon {

void runApplicationWatcher(ApplicationWatcher& watcher, Event& stop) {
    if (stop.wait(1)) {
        debugLog(watcher.endMessage);
        return;
    }
    const bool supported = watcher.foreground.supported();
    // An answer that cannot be read now keeps the last one (nothing before the first).
    std::string current;
    while (true) {
        if (supported) {
            if (std::optional<std::string> path = watcher.foreground.executablePath()) {
                current = std::move(*path);
            } else {
                debugLog("文件名字访问失败");
            }
        }
        watcher.report(current);
        const Millis pause = supported ? kWatcherSettleMs + kWatcherPauseMs : kForever;
        if (stop.wait(pause)) {
            debugLog(watcher.endMessage);
            return;
        }
    }
}

}  // namespace quillon
