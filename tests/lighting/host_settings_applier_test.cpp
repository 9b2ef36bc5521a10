// The desktop's settings are applied on short-lived workers, and quick changes end with the last.

#include <gtest/gtest.h>

#include <thread>

#include "lighting/HostSettingsApplier.h"
#include "platform/MemoryPointerSettings.h"
#include "platform/VirtualClock.h"

namespace quillon::lighting {
namespace {

using Apply = MemoryPointerSettings::Apply;
using Setting = MemoryPointerSettings::Setting;

// Notes the thread of every apply.
class ThreadNotingDesktop final : public PointerSettings {
  public:
    int pointerSpeed() const override { return 0; }
    int wheelLines() const override { return 0; }
    int applyPointerSpeed(int) override { return note(); }
    int applyWheelLines(int) override { return note(); }
    std::vector<std::thread::id> threads;

  private:
    int note() {
        threads.push_back(std::this_thread::get_id());
        return 1;
    }
};

TEST(HostSettingsApplier, AppliesOffTheCallingThread) {
    VirtualClock clock;
    ThreadNotingDesktop desktop;
    {
        HostSettingsApplier applier(clock, desktop);
        applier.applyPointerSpeed(12);
        applier.applyWheelLines(5);
        applier.finish();
    }
    ASSERT_EQ(desktop.threads.size(), 2u);
    for (const std::thread::id& id : desktop.threads) {
        EXPECT_NE(id, std::this_thread::get_id());
    }
}

TEST(HostSettingsApplier, QuickChangesEndWithTheLastOneAskedFor) {
    VirtualClock clock;
    MemoryPointerSettings desktop(clock);
    HostSettingsApplier applier(clock, desktop);
    applier.applyPointerSpeed(12);
    applier.applyPointerSpeed(18);
    applier.applyWheelLines(7);
    applier.applyPointerSpeed(14);
    applier.finish();
    EXPECT_EQ(desktop.pointerSpeed(), 14);
    EXPECT_EQ(desktop.wheelLines(), 7);
    for (const Apply& apply : desktop.applies()) {
        EXPECT_EQ(apply.value, apply.setting == Setting::PointerSpeed ? 14 : 7)
            << "every worker applies the newest value, never an older one";
    }
}

TEST(HostSettingsApplier, FinishedWorkersAreLetGo) {
    VirtualClock clock;
    MemoryPointerSettings desktop(clock);
    HostSettingsApplier applier(clock, desktop);
    for (int i = 0; i < 50; ++i) {
        applier.applyWheelLines(i + 1);
        clock.sleepFor(1);  // the worker runs and ends
    }
    EXPECT_LE(clock.participants(), 3) << "no pile of ended threads";
    applier.finish();
    EXPECT_EQ(desktop.wheelLines(), 50);
}

TEST(MemoryPointerSettings, RecordsEveryApplyWithinRange) {
    VirtualClock clock;
    MemoryPointerSettings desktop(clock, 0, 0);
    EXPECT_EQ(desktop.pointerSpeed(), 0) << "a desktop without answer";
    EXPECT_EQ(desktop.applyPointerSpeed(22), 1);
    EXPECT_EQ(desktop.applyWheelLines(0), 1);
    desktop.setDesktopValues(5, 6);
    EXPECT_EQ(desktop.applies(),
              (std::vector<Apply>{{Setting::PointerSpeed, 20}, {Setting::WheelLines, 1}}));
    EXPECT_EQ(desktop.pointerSpeed(), 5);
}

}  // namespace
}  // namespace quillon::lighting
