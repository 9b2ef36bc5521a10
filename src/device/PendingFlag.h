#pragma once
// A device's write-pending flag: set by every edit of the current record, taken by the settings
// flush. Setting it also tells a watcher (the shell arms its flush timer then), so that no timer
// needs to look at the flags while nothing is being edited.

#include <atomic>
#include <functional>
#include <utility>

namespace quillon {

class PendingFlag {
  public:
    PendingFlag() = default;
    PendingFlag(const PendingFlag&) = delete;
    PendingFlag& operator=(const PendingFlag&) = delete;

    // Any thread. Setting the flag calls the watcher, also when it was set already.
    PendingFlag& operator=(bool pending) {
        flag_.store(pending);
        if (pending && watcher_) {
            watcher_();
        }
        return *this;
    }
    bool exchange(bool pending) { return flag_.exchange(pending); }
    bool load() const { return flag_.load(); }
    explicit operator bool() const { return load(); }

    // Set while no other thread uses the flag (before the workers start, after they end).
    void setWatcher(std::function<void()> watcher) { watcher_ = std::move(watcher); }

  private:
    std::atomic<bool> flag_{false};
    std::function<void()> watcher_;
};

}  // namespace quillon
