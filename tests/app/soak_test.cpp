#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>

#include "app/ProgramRig.h"

namespace quillon::apptest {
namespace {

namespace fs = std::filesystem;
using RealClock = std::chrono::steady_clock;

int entries(const char* folder) {
    int n = 0;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        ++n;
    }
    return n;
}

int threads() {
    return entries("/proc/self/task");
}

int openFiles() {
    return entries("/proc/self/fd");
}

double secondsSince(RealClock::time_point start) {
    return std::chrono::duration<double>(RealClock::now() - start).count();
}

bool allConnected(ProgramRig& rig) {
    for (DeviceKind kind : kAllDeviceKinds) {
        if (!rig.main().channel(kind).connected()) {
            return false;
        }
    }
    return true;
}

bool noneConnected(ProgramRig& rig) {
    return !rig.main().anyDeviceConnected();
}

void plugAll(ProgramRig& rig, bool plugged) {
    for (SimKind kind : kAllSimKinds) {
        if (plugged) {
            rig.sim().plug(kind);
        } else {
            rig.sim().unplug(kind);
        }
    }
}

// After the soak the program still does what a user asks of it.
void expectStillAnswering(ProgramRig& rig) {
    rig.sim().plug(SimKind::Mouse);
    rig.run(1200);
    ASSERT_TRUE(rig.main().channel(DeviceKind::Mouse).connected());
    rig.window().hide();
    rig.program().showRequest();
    rig.settle();
    EXPECT_TRUE(rig.window().isVisible());
    rig.notify("selectchanged", "mp_tab");
    EXPECT_EQ(rig.find("tab_switch")->getInt(toolkit::Prop::Index), 2);
    rig.notify("selectchanged", "ms_tab");
    EXPECT_EQ(rig.find("tab_switch")->getInt(toolkit::Prop::Index), 1);
}

constexpr double kVirtualSoakLimitSeconds = 100;
#if defined(__SANITIZE_THREAD__)
// ThreadSanitizer makes every turn of the virtual clock some twenty times dearer; the real-time
// soak below is the one it is there for.
constexpr int kVirtualCycles = 150;
#else
constexpr int kVirtualCycles = 1000;
#endif

TEST(Soak, AThousandPlugCyclesOfEachKindLeaveNothingBehind) {
    const auto started = RealClock::now();
    const int threadsBefore = threads();
    const int filesBefore = openFiles();
    {
        ProgramRig rig(nullptr, {}, memoryFolder());
        rig.sim().setLatency(0);  // answers at once: the exchanges cost no turns of the clock
        rig.start();
        rig.run(1500);
        const int threadsRunning = threads();
        const int filesRunning = openFiles();
        const int workersRunning = rig.main().workers().runningCount();
        ASSERT_GT(threadsRunning, threadsBefore);
        ASSERT_GE(workersRunning, 5);

        int missedConnects = 0;
        int missedRemovals = 0;
        int cycles = 0;
        for (; cycles < kVirtualCycles; ++cycles) {
            if (secondsSince(started) > kVirtualSoakLimitSeconds) {
                break;
            }
            plugAll(rig, true);
            rig.run(1200);
            missedConnects += allConnected(rig) ? 0 : 1;
            plugAll(rig, false);
            rig.run(1200);
            missedRemovals += noneConnected(rig) ? 0 : 1;
            (void)rig.takeMessages();
        }
        EXPECT_EQ(cycles, kVirtualCycles) << "the soak ran out of real time";
        EXPECT_EQ(missedConnects, 0);
        EXPECT_EQ(missedRemovals, 0);
        EXPECT_EQ(threads(), threadsRunning);
        EXPECT_EQ(openFiles(), filesRunning);
        EXPECT_EQ(rig.main().workers().runningCount(), workersRunning);
        expectStillAnswering(rig);
        rig.quit();
        EXPECT_EQ(rig.main().workers().runningCount(), 0);
    }
    EXPECT_EQ(threads(), threadsBefore);
    EXPECT_EQ(openFiles(), filesBefore);
    EXPECT_LT(secondsSince(started), kVirtualSoakLimitSeconds);
}

// The same on real time, so that the threads really run side by side (for ThreadSanitizer):
// the devices come and go faster than the workers look, while the interface reads and writes.
TEST(Soak, PlugCyclesOnRealTimeWithRealThreads) {
    const auto started = RealClock::now();
    const int threadsBefore = threads();
    auto steady = makeSteadyClock();
    {
        ProgramRig rig(steady.get(), {}, memoryFolder());
        rig.sim().setLatency(0);
        rig.start();
        std::mt19937 random(7);
        std::uniform_int_distribution<int> pause(1, 30);
        std::uniform_int_distribution<int> pick(0, 2);
        for (int cycle = 0; cycle < 300 && secondsSince(started) < 30; ++cycle) {
            const SimKind kind = kAllSimKinds[static_cast<std::size_t>(pick(random))];
            rig.sim().plug(kind);
            rig.run(pause(random));
            if (cycle % 7 == 0) {
                rig.sim().announce(SimKind::Mouse, cycle % 2 ? 0x0401 : 0x0402);
            }
            rig.sim().unplug(kind);
            rig.run(pause(random));
        }
        plugAll(rig, true);
        for (int i = 0; i < 40 && !allConnected(rig); ++i) {
            rig.run(100);
        }
        EXPECT_TRUE(allConnected(rig));
        rig.program().showRequest();
        rig.run(20);
        EXPECT_TRUE(rig.window().isVisible());
        rig.quit();
        EXPECT_EQ(rig.main().workers().runningCount(), 0);
    }
    EXPECT_EQ(threads(), threadsBefore);
    EXPECT_LT(secondsSince(started), 45);
}

}  // namespace
}  // namespace quillon::apptest
