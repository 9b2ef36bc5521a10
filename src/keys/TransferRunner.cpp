#include "keys/TransferRunner.h"

#include "app/MainWindow.h"

namespace quillon::keys {

TransferRunner::TransferRunner(app::CMainWnd& main) : main_(main) {}

TransferRunner::~TransferRunner() {
    finish();
}

bool TransferRunner::start(Job job) {
    if (busy_.exchange(true)) {
        return false;
    }
    if (worker_) {
        worker_->joinFor(kForever);  // the previous one has already ended
        worker_.reset();
    }
    if (toolkit::Control* progress = main_.find("setting_progress")) {
        progress->setVisible(true);
    }
    toolkit::Window& window = main_.window();
    const Post post = [&window](std::function<void()> task) { window.postTask(std::move(task)); };
    worker_ = std::make_unique<Worker>(main_.clock(), "transfer", [this, job, post] {
        job(post);
        post([this] {
            busy_.store(false);
            main_.window().post(toolkit::messageOf(app::kMsgStartProgressTimer));
        });
    });
    return true;
}

void TransferRunner::finish() {
    if (worker_) {
        worker_->joinFor(kForever);
        worker_.reset();
    }
}

}  // namespace quillon::keys
