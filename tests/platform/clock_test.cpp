#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <vector>

#include "platform/ClockSync.h"
#include "platform/VirtualClock.h"

namespace quillon {
namespace {

TEST(VirtualClock, SleepAdvancesTimeWithoutWaiting) {
    VirtualClock clock;
    clock.sleepFor(5000);
    EXPECT_EQ(clock.now(), 5000);
    EXPECT_FALSE(clock.waitFor(300, [] { return false; }));
    EXPECT_EQ(clock.now(), 5300);
}

TEST(VirtualClock, WorkersRunInDeadlineOrder) {
    VirtualClock clock;
    std::vector<std::string> log;
    {
        Worker slow(clock, "slow", [&] {
            clock.sleepFor(30);
            log.push_back("slow@" + std::to_string(clock.now()));
        });
        Worker fast(clock, "fast", [&] {
            clock.sleepFor(10);
            log.push_back("fast@" + std::to_string(clock.now()));
        });
        clock.sleepFor(20);
        log.push_back("main@" + std::to_string(clock.now()));
    }
    EXPECT_EQ(log, (std::vector<std::string>{"fast@10", "main@20", "slow@30"}));
    EXPECT_EQ(clock.participants(), 1);
}

TEST(VirtualClock, EventWakesWaiterWithoutTimePassing) {
    VirtualClock clock;
    Event stop(clock, Event::Reset::Manual);
    int passes = 0;
    Worker worker(clock, "worker", [&] {
        while (!stop.wait(100)) {
            ++passes;
        }
    });
    clock.sleepFor(1050);
    stop.set();
    EXPECT_TRUE(worker.joinFor(0) || worker.joinFor(1));
    EXPECT_EQ(passes, 10);
    EXPECT_EQ(clock.now(), 1050);
}

TEST(VirtualClock, AutoResetEventReleasesOneWait) {
    VirtualClock clock;
    Event e(clock, Event::Reset::Auto);
    e.set();
    EXPECT_TRUE(e.wait(0));
    EXPECT_FALSE(e.wait(50));
    EXPECT_EQ(clock.now(), 50);
}

TEST(VirtualClock, LockHeldAcrossAWaitMakesOthersWait) {
    VirtualClock clock;
    ClockMutex lock(clock);
    Millis acquiredAt = -1;
    lock.lock();
    Worker other(clock, "other", [&] {
        std::lock_guard guard(lock);
        acquiredAt = clock.now();
    });
    clock.sleepFor(300);  // holds the lock across a wait, as a report exchange does
    lock.lock();          // recursive
    lock.unlock();
    lock.unlock();
    ASSERT_TRUE(other.joinFor(kForever));
    EXPECT_EQ(acquiredAt, 300);
}

TEST(VirtualClock, JoinTimesOutOnAWorkerThatDoesNotStop) {
    VirtualClock clock;
    Event stop(clock, Event::Reset::Manual);
    Worker stubborn(clock, "stubborn", [&] { stop.wait(20000); });
    EXPECT_FALSE(stubborn.joinFor(10000));
    EXPECT_EQ(clock.now(), 10000);
    stop.set();
    EXPECT_TRUE(stubborn.joinFor(kForever));
}

TEST(SteadyClock, WaitEndsAtTheDeadlineOrWhenReady) {
    auto clock = makeSteadyClock();
    const Millis start = clock->now();
    EXPECT_FALSE(clock->waitFor(20, [] { return false; }));
    EXPECT_GE(clock->now() - start, 20);
    Event ready(*clock, Event::Reset::Manual);
    Worker setter(*clock, "setter", [&] { ready.set(); });
    EXPECT_TRUE(ready.wait(5000));
}

TEST(SteadyClock, AnAutoResetEventReleasesOneOfTwoWaitersPerSet) {
    auto clock = makeSteadyClock();
    Event go(*clock, Event::Reset::Auto);
    std::atomic<int> released{0};
    auto waiter = [&] {
        if (go.wait(2000)) {
            ++released;
        }
    };
    {
        Worker first(*clock, "first", waiter);
        Worker second(*clock, "second", waiter);
        clock->sleepFor(20);  // both are asleep on the event by now, as a rule
        go.set();
        for (int i = 0; i < 400 && released.load() == 0; ++i) {
            clock->sleepFor(5);
        }
        clock->sleepFor(20);  // a second release, if there were one, would have come by now
        EXPECT_EQ(released.load(), 1);
        go.set();
    }
    EXPECT_EQ(released.load(), 2);
    EXPECT_FALSE(go.isSet());
}

TEST(SteadyClock, TheLockKeepsCountsRightAcrossThreads) {
    auto clock = makeSteadyClock();
    ClockMutex lock(*clock);
    int count = 0;
    auto add = [&] {
        for (int i = 0; i < 2000; ++i) {
            std::lock_guard guard(lock);
            ++count;
        }
    };
    {
        Worker a(*clock, "a", add);
        Worker b(*clock, "b", add);
        Worker c(*clock, "c", add);
    }
    EXPECT_EQ(count, 6000);
}

TEST(SteadyClock, WaitAnyWakesOnTheSecondEvent) {
    auto clock = makeSteadyClock();
    Event done(*clock, Event::Reset::Manual);
    Event stop(*clock, Event::Reset::Auto);
    Worker stopper(*clock, "stopper", [&] {
        clock->sleepFor(10);
        stop.set();
    });
    EXPECT_EQ(Event::waitAny(done, stop, 5000), 2);
    EXPECT_FALSE(stop.isSet());
}

}  // namespace
}  // namespace quillon

namespace quillon {
namespace {

TEST(VirtualClock, WaitAnyReportsTheEventThatEndedTheWait) {
    VirtualClock clock;
    Event done(clock, Event::Reset::Manual);
    Event stop(clock, Event::Reset::Manual);
    EXPECT_EQ(Event::waitAny(done, stop, 40), 0);
    EXPECT_EQ(clock.now(), 40);
    Worker stopper(clock, "stopper", [&] {
        clock.sleepFor(10);
        stop.set();
    });
    EXPECT_EQ(Event::waitAny(done, stop, 1000), 2);
    EXPECT_EQ(clock.now(), 50);
    done.set();
    EXPECT_EQ(Event::waitAny(done, stop, 0), 1);
}

}  // namespace
}  // namespace quillon
