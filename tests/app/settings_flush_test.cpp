// Edits reach a device on the 100 ms beat that starts at the first show, as an always-running
// 100 ms timer would send them; the flush timer itself runs only while something waits to be sent.
#include <gtest/gtest.h>

#include "app/ProgramRig.h"
#include "platform/ClockSync.h"

namespace quillon::apptest {
namespace {

constexpr Millis kBeat = app::SettingsFlush::kPeriodMs;

struct ConnectedMouse : ProgramRig {
    ConnectedMouse() {
        sim().plug(SimKind::Mouse);
        start();
        shownAt = clock().now();
        run(3000);
        sim().resetTrace();
    }

    bool flushTimer() { return window().hasTimer(app::kTimerFlush); }
    PendingFlag& pending() { return main().model().memory(DeviceKind::Mouse).writePending; }
    std::size_t writes() { return sim().requests(SimKind::Mouse).size(); }
    // Time from now to the next beat of the rhythm started at the first show.
    Millis untilBeat() { return kBeat - (clock().now() - shownAt) % kBeat; }

    Millis shownAt = 0;
};

TEST(SettingsFlush, AnIdleProgramRunsNoFlushTimer) {
    ConnectedMouse rig;
    EXPECT_FALSE(rig.flushTimer());
    rig.run(10000);
    EXPECT_FALSE(rig.flushTimer());
    EXPECT_EQ(rig.writes(), 0u);
}

TEST(SettingsFlush, EditsAreSentTogetherOnTheNextBeatAndTheTimerStopsAfterIt) {
    ConnectedMouse rig;
    rig.run(37);  // off the beat
    rig.pending() = true;
    EXPECT_TRUE(rig.flushTimer());
    const Millis wait = rig.untilBeat();
    rig.run(wait - 10);
    rig.pending() = true;  // a second edit within the same period
    rig.run(9);
    EXPECT_EQ(rig.writes(), 0u);
    rig.run(1);
    EXPECT_EQ(rig.writes(), 1u);
    EXPECT_FALSE(rig.pending().load());
    EXPECT_FALSE(rig.flushTimer());
    rig.run(1000);
    EXPECT_EQ(rig.writes(), 1u);
}

TEST(SettingsFlush, AnEditOnAnotherThreadIsSentToo) {
    ConnectedMouse rig;
    {
        Worker editor(rig.clock(), "editor", [&rig] { rig.pending() = true; });
    }
    rig.run(rig.untilBeat());
    EXPECT_EQ(rig.writes(), 1u);
    EXPECT_FALSE(rig.flushTimer());
}

TEST(SettingsFlush, NothingIsArmedAfterShutdown) {
    ConnectedMouse rig;
    rig.main().destroy();
    rig.pending() = true;
    EXPECT_FALSE(rig.flushTimer());
}

}  // namespace
}  // namespace quillon::apptest
