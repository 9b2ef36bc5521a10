#include <gtest/gtest.h>

#include <mutex>
#include <utility>
#include <vector>

#include "platform/ClockSync.h"
#include "platform/VirtualClock.h"
#include "profiles/ApplicationWatcher.h"

namespace quillon {
namespace {

struct Reports {
    std::mutex mutex;
    std::vector<std::pair<Millis, std::string>> seen;
    std::vector<std::pair<Millis, std::string>> take() {
        std::lock_guard lock(mutex);
        return std::exchange(seen, {});
    }
};

struct WatcherRig {
    VirtualClock clock;
    ScriptedForegroundApp scripted;
    Reports reports;
    Event stop{clock, Event::Reset::Manual};

    ApplicationWatcher watcher(ForegroundApp& app) {
        return ApplicationWatcher{clock, app, "watcher ends", [this](const std::string& path) {
                                      std::lock_guard lock(reports.mutex);
                                      reports.seen.emplace_back(clock.now(), path);
                                  }};
    }
};

using Seen = std::vector<std::pair<Millis, std::string>>;

TEST(ApplicationWatcher, ReportsEveryPassAndKeepsTheLastAnswerThatCouldBeRead) {
    WatcherRig rig;
    ApplicationWatcher watcher = rig.watcher(rig.scripted);
    rig.scripted.setPath(std::nullopt);  // nothing readable before the first answer: ""
    Worker worker(rig.clock, "watcher", [&] { runApplicationWatcher(watcher, rig.stop); });
    rig.clock.sleepFor(2);
    EXPECT_EQ(rig.reports.take(), (Seen{{1, ""}}));

    rig.scripted.setPath("/opt/racer");
    rig.clock.sleepFor(2100);
    rig.scripted.setPath(std::nullopt);
    rig.clock.sleepFor(2100);
    rig.scripted.setPath("");
    rig.clock.sleepFor(2100);
    EXPECT_EQ(rig.reports.take(), (Seen{{2101, "/opt/racer"}, {4201, "/opt/racer"}, {6301, ""}}));

    // The stop event ends a pause at once.
    rig.clock.sleepFor(500);
    rig.stop.set();
    EXPECT_TRUE(worker.joinFor(1));
    EXPECT_TRUE(rig.reports.take().empty());
}

TEST(ApplicationWatcher, AStopBeforeTheFirstPassReportsNothing) {
    WatcherRig rig;
    ApplicationWatcher watcher = rig.watcher(rig.scripted);
    rig.stop.set();
    Worker worker(rig.clock, "watcher", [&] { runApplicationWatcher(watcher, rig.stop); });
    EXPECT_TRUE(worker.joinFor(10));
    EXPECT_TRUE(rig.reports.take().empty());
}

TEST(ApplicationWatcher, OnADesktopThatCannotTellItRestoresTheChoiceOnceThenIdles) {
    WatcherRig rig;
    NoForegroundApp none("GNOME on Wayland");
    ApplicationWatcher watcher = rig.watcher(none);
    Worker worker(rig.clock, "watcher", [&] { runApplicationWatcher(watcher, rig.stop); });
    rig.clock.sleepFor(60000);
    EXPECT_EQ(rig.reports.take(), (Seen{{1, ""}}));
    rig.stop.set();
    EXPECT_TRUE(worker.joinFor(1));
}

}  // namespace
}  // namespace quillon
