// Contract: the interface thread's loop: timers, private messages posted and sent from the
// interface thread and from workers, and modal windows with their results.
#include <atomic>

#include "platform/ClockSync.h"
#include "toolkit_contract/contract.h"

namespace quillon::toolkit::contract {
namespace {

Message message(std::uint32_t id, std::uintptr_t wParam = 0, std::intptr_t lParam = 0) {
    Message m;
    m.id = id;
    m.wParam = wParam;
    m.lParam = lParam;
    return m;
}

}  // namespace

TEST_P(ContractLoop, ATimerFiresEveryPeriodUntilKilled) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    w->setTimer(2, 20);
    driver().runFor(210);
    const std::size_t fired = recorder.ticks.size();
    EXPECT_GE(fired, 5u);
    EXPECT_LE(fired, 11u);
    for (const Recorder::Tick& tick : recorder.ticks) {
        EXPECT_EQ(tick.id, 2);
    }
    w->killTimer(2);
    driver().runFor(100);
    EXPECT_EQ(recorder.ticks.size(), fired);
}

TEST_P(ContractLoop, ATimerKilledByItsHandlerFiresOnce) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    recorder.onTick = [&](int id) { w->killTimer(id); };
    const Millis start = toolkit().clock().now();
    w->setTimer(8, 30);
    driver().runFor(200);
    ASSERT_EQ(recorder.ticks.size(), 1u);
    EXPECT_GE(recorder.ticks[0].at - start, 25);
}

TEST_P(ContractLoop, TimersOfTwoWindowsWithOneIdAreApart) {
    Recorder first;
    Recorder second;
    auto a = open(first);
    auto b = open(second);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    a->setTimer(1, 20);
    b->setTimer(1, 20);
    a->killTimer(1);
    driver().runFor(120);
    EXPECT_TRUE(first.ticks.empty());
    EXPECT_GE(second.ticks.size(), 2u);
}

TEST_P(ContractLoop, SettingATimerAgainRestartsIt) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    w->setTimer(3, 1000);
    w->setTimer(3, 20);
    driver().runFor(150);
    EXPECT_GE(recorder.ticks.size(), 3u);
}

TEST_P(ContractLoop, PostedMessagesArriveInOrderOnceTheLoopRuns) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    w->post(message(0x0901, 1, 10));
    Message withData = message(0x0902, 2, 20);
    withData.data = MenuChoice{"lan_en", "data", "menu_lan_en"};
    w->post(std::move(withData));
    bool taskRan = false;
    w->postTask([&] { taskRan = true; });
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_FALSE(taskRan);
    ASSERT_TRUE(runUntil([&] { return taskRan; }));
    ASSERT_EQ(recorder.messages.size(), 2u);
    EXPECT_EQ(recorder.messages[0].id, 0x0901u);
    EXPECT_EQ(recorder.messages[0].wParam, 1u);
    EXPECT_EQ(recorder.messages[0].lParam, 10);
    EXPECT_EQ(recorder.messages[1].id, 0x0902u);
    const auto* choice = std::any_cast<MenuChoice>(&recorder.messages[1].data);
    ASSERT_NE(choice, nullptr);
    EXPECT_EQ(choice->name, "lan_en");
}

TEST_P(ContractLoop, SendOnTheInterfaceThreadRunsAtOnce) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    w->send(message(0x0B01));
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].id, 0x0B01u);
    int runs = 0;
    w->sendTask([&] { ++runs; });
    EXPECT_EQ(runs, 1);
}

TEST_P(ContractLoop, WorkersPostAndSendToTheInterfaceThread) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    const std::thread::id interfaceThread = std::this_thread::get_id();
    std::atomic<bool> sendReturned{false};
    std::atomic<bool> handledBeforeReturn{false};
    std::atomic<bool> taskOnInterfaceThread{false};
    std::atomic<int> handled{0};
    {
        Worker worker(toolkit().clock(), "contract poster", [&] {
            w->post(message(0x0C05));
            w->postTask([&] {
                taskOnInterfaceThread = std::this_thread::get_id() == interfaceThread;
                ++handled;
            });
            w->sendTask([&] { ++handled; });
            handledBeforeReturn = handled.load() == 2;
            w->send(message(0x0B02));
            sendReturned = true;
        });
        EXPECT_TRUE(runUntil([&] { return sendReturned.load(); }));
        EXPECT_TRUE(worker.joinFor(2000));
    }
    EXPECT_TRUE(handledBeforeReturn);
    EXPECT_TRUE(taskOnInterfaceThread);
    ASSERT_EQ(recorder.messages.size(), 2u);
    EXPECT_EQ(recorder.messages[0].id, 0x0C05u);
    EXPECT_EQ(recorder.messages[1].id, 0x0B02u);
    for (const std::thread::id& thread : recorder.messageThreads) {
        EXPECT_EQ(thread, interfaceThread);
    }
}

class ModalCloser : public Recorder {
  public:
    explicit ModalCloser(Window*& window) : window_(window) {
        onNotify = [this](const Notification& n) {
            if (n.type != "click") {
                return;
            }
            if (n.sender == "confirm_btn") {
                window_->close(1);
            } else if (n.sender == "cancel_btn" || n.sender == "closebtn") {
                window_->close(0);
            }
        };
        onTick = [this](int id) {
            window_->killTimer(id);
            window_->close(0);
        };
    }

  private:
    Window*& window_;
};

TEST_P(ContractLoop, AModalWindowReturnsTheResultItWasClosedWith) {
    for (const auto& [button, expected] :
         std::vector<std::pair<std::string, int>>{{"confirm_btn", 1}, {"cancel_btn", 0}}) {
        Window* raw = nullptr;
        ModalCloser closer(raw);
        auto dialog = open(closer, "XML_DIALOG");
        ASSERT_NE(dialog, nullptr);
        raw = dialog.get();
        driver().answerNextModalWith(button);
        EXPECT_EQ(dialog->runModal(), expected) << button;
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(closer.count("windowinit"), 1);
        EXPECT_EQ(closer.count("click", button), 1);
    }
}

TEST_P(ContractLoop, AModalWindowsOwnTimerCanCloseItWhileOtherTimersGoOn) {
    Recorder mainRecorder;
    auto main = open(mainRecorder);
    ASSERT_NE(main, nullptr);
    main->setTimer(2, 10);
    Window* raw = nullptr;
    ModalCloser closer(raw);
    auto notice = open(closer, "XML_DIALOG");
    ASSERT_NE(notice, nullptr);
    raw = notice.get();
    const Millis start = toolkit().clock().now();
    notice->setTimer(1, 50);
    EXPECT_EQ(notice->runModal(), 0);
    const Millis took = toolkit().clock().now() - start;
    EXPECT_GE(took, 45);
    EXPECT_LT(took, 1500);
    EXPECT_EQ(closer.ticks.size(), 1u);
    EXPECT_GE(mainRecorder.ticks.size(), 2u);
}

}  // namespace quillon::toolkit::contract
