#pragma once
// Hands whole frames from a lighting worker to the interface thread. The worker publishes the
// frame it computed; the interface thread takes the newest one when its serial moved on, so a
// frame is never seen half written and no control is touched off the interface thread. The
// serial is the "changed" signal a repaint can test without taking the lock.

#include <atomic>
#include <cstdint>
#include <mutex>

namespace quillon::lighting {

template <typename Frame>
class FrameMailbox {
  public:
    void publish(const Frame& frame) {
        std::lock_guard lock(mutex_);
        frame_ = frame;
        serial_.fetch_add(1, std::memory_order_release);
    }

    std::uint64_t serial() const { return serial_.load(std::memory_order_acquire); }

    // Copies the newest frame into `out` when it is newer than `seen`; updates `seen`.
    bool takeIfNewer(std::uint64_t& seen, Frame& out) const {
        if (serial() == seen) {
            return false;
        }
        std::lock_guard lock(mutex_);
        out = frame_;
        seen = serial_.load(std::memory_order_relaxed);
        return true;
    }

  private:
    mutable std::mutex mutex_;
    Frame frame_{};
    std::atomic<std::uint64_t> serial_{0};
};

}  // namespace quillon::lighting
