#pragma once
// Runs device transfers away from the interface thread, one at a time. Starting one shows the
// progress indicator "setting_progress"; the work runs on its own worker and hands what the
// interface must do (messages, profile files) back as tasks posted to the main window; when it
// ends the window's one-second timer hides the indicator again. The window keeps answering the
// whole time.

#include <atomic>
#include <functional>
#include <memory>

#include "platform/ClockSync.h"

namespace quillon::app {
class CMainWnd;
}

namespace quillon::keys {

class TransferRunner {
  public:
    // Hands a task to the interface thread.
    using Post = std::function<void(std::function<void()>)>;
    using Job = std::function<void(const Post& post)>;

    explicit TransferRunner(app::CMainWnd& main);
    ~TransferRunner();
    TransferRunner(const TransferRunner&) = delete;
    TransferRunner& operator=(const TransferRunner&) = delete;

    // False, with nothing started, while another transfer runs.
    bool start(Job job);
    bool busy() const { return busy_.load(); }
    // Waits for a running transfer to end (window shutdown).
    void finish();

  private:
    app::CMainWnd& main_;
    std::unique_ptr<Worker> worker_;
    std::atomic<bool> busy_{false};
};

}  // namespace quillon::keys
