#include "toolkit/qt/MessagePump.h"

#include <QMetaObject>
#include <memory>

#include "toolkit/qt/InterfaceClock.h"

namespace quillon::toolkit::qt {

namespace {

// Marks a sent job finished when the queued call is destroyed: after it ran, or when it was
// dropped unrun, so a sender never waits for a job that can no longer run.
class SendCompletion {
  public:
    SendCompletion(InterfaceClock& clock, std::shared_ptr<bool> done)
        : clock_(clock), done_(std::move(done)) {}
    ~SendCompletion() {
        clock_.update([this] { *done_ = true; });
    }
    SendCompletion(const SendCompletion&) = delete;
    SendCompletion& operator=(const SendCompletion&) = delete;

  private:
    InterfaceClock& clock_;
    std::shared_ptr<bool> done_;
};

// Counts a queued job until it has run or was dropped unrun.
class QueuedMark {
  public:
    explicit QueuedMark(std::shared_ptr<std::atomic<int>> queued) : queued_(std::move(queued)) {
        ++*queued_;
    }
    ~QueuedMark() { --*queued_; }
    QueuedMark(const QueuedMark&) = delete;
    QueuedMark& operator=(const QueuedMark&) = delete;

  private:
    std::shared_ptr<std::atomic<int>> queued_;
};

}  // namespace

MessagePump::MessagePump(InterfaceClock& clock) : clock_(clock) {}

void MessagePump::post(std::function<void()> job) {
    auto mark = std::make_shared<QueuedMark>(queued_);
    QMetaObject::invokeMethod(
        this, [job = std::move(job), mark = std::move(mark)] { job(); }, Qt::QueuedConnection);
}

void MessagePump::send(std::function<void()> job) {
    if (clock_.onInterfaceThread()) {
        job();
        return;
    }
    auto done = std::make_shared<bool>(false);
    {
        auto completion = std::make_shared<SendCompletion>(clock_, done);
        post([job = std::move(job), completion = std::move(completion)] { job(); });
    }
    clock_.waitUntil(kForever, [this, &done] { return *done || clock_.interfaceWaiting(); });
}

}  // namespace quillon::toolkit::qt
