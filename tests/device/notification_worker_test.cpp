#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "device/WorkerTestSupport.h"

namespace quillon {
namespace {

using workertest::RecordingNotification;
using workertest::ScriptedBackend;
using Names = std::vector<std::string>;

std::uint16_t productOf(DeviceKind kind) {
    return kind == DeviceKind::Mouse ? 0x7643 : 0x6556;
}

// One notification worker (mouse or keyboard) on the simulated devices.
struct NotificationRig {
    explicit NotificationRig(DeviceKind kind)
        : kind(kind), context{kind, productOf(kind), device, model, events, clock} {}
    ~NotificationRig() { stopWorker(); }

    void startWorker() {
        worker = std::make_unique<Worker>(clock, "notification",
                                          [this] { runNotificationWorker(context, stop); });
    }
    void stopWorker() {
        stop.set();
        worker.reset();
    }
    SimKind simKind() const { return static_cast<SimKind>(kindIndex(kind)); }
    void plug() { ASSERT_TRUE(sim.plug(simKind())); }
    void unplug() { ASSERT_TRUE(sim.unplug(simKind())); }
    void announce(std::uint16_t usage) { ASSERT_TRUE(sim.announce(simKind(), usage)); }
    std::string consumerPath() const { return "sim/" + std::string(kindName(kind)) + "/consumer"; }

    DeviceKind kind;
    VirtualClock clock;
    SimBackend sim{clock};
    ScriptedBackend backend{sim};
    DeviceModel model;
    HidDevice device{backend};
    RecordingNotification events{clock};
    NotificationContext context;
    Event stop{clock, Event::Reset::Manual};
    std::unique_ptr<Worker> worker;
};

class Announcements : public testing::TestWithParam<DeviceKind> {};

TEST_P(Announcements, ProfileAndSettingsChangesReachTheEventsInOrder) {
    NotificationRig rig(GetParam());
    rig.plug();
    rig.startWorker();
    rig.clock.sleepFor(1500);
    rig.announce(0x0401);
    rig.clock.sleepFor(600);
    rig.announce(0x0402);
    rig.clock.sleepFor(600);
    const std::string name(kindName(GetParam()));
    EXPECT_EQ(rig.events.names(), (Names{name + " 0x0401", name + " 0x0402"}));
    EXPECT_EQ(rig.backend.opens(rig.consumerPath()), 1);
}

TEST_P(Announcements, OtherUsagesAreIgnored) {
    NotificationRig rig(GetParam());
    rig.plug();
    rig.startWorker();
    rig.clock.sleepFor(1500);
    for (std::uint16_t usage : {0x00E9, 0x0400, 0x0404, 0x0000}) {
        rig.announce(usage);
        rig.clock.sleepFor(600);
    }
    EXPECT_TRUE(rig.events.names().empty());
}

INSTANTIATE_TEST_SUITE_P(MouseAndKeyboard, Announcements,
                         testing::Values(DeviceKind::Mouse, DeviceKind::Keyboard));

TEST(LightingPulse, TheMouseSetsBothPreviewFlags) {
    NotificationRig rig(DeviceKind::Mouse);
    rig.plug();
    rig.startWorker();
    rig.clock.sleepFor(1500);
    rig.announce(0x0403);
    rig.clock.sleepFor(600);
    EXPECT_TRUE(rig.model.mouseLightPulse.load());
    EXPECT_TRUE(rig.model.mousepadLightPulse.load());
    EXPECT_TRUE(rig.events.names().empty());
}

TEST(LightingPulse, TheKeyboardsIsIgnored) {
    NotificationRig rig(DeviceKind::Keyboard);
    rig.plug();
    rig.startWorker();
    rig.clock.sleepFor(1500);
    rig.announce(0x0403);
    rig.clock.sleepFor(600);
    rig.announce(0x0401);  // still listening afterwards
    rig.clock.sleepFor(600);
    EXPECT_FALSE(rig.model.mouseLightPulse.load());
    EXPECT_FALSE(rig.model.mousepadLightPulse.load());
    EXPECT_EQ(rig.events.names(), (Names{"keyboard 0x0401"}));
}

TEST(NotificationInterface, TheKeyboardWorkerDoesNotListenToTheMouse) {
    NotificationRig rig(DeviceKind::Keyboard);
    ASSERT_TRUE(rig.sim.plug(SimKind::Mouse));
    rig.startWorker();
    rig.clock.sleepFor(1500);
    ASSERT_TRUE(rig.sim.announce(SimKind::Mouse, 0x0401));
    rig.clock.sleepFor(600);
    EXPECT_TRUE(rig.events.names().empty());
    EXPECT_EQ(rig.backend.opens("sim/mouse/consumer"), 0);
    EXPECT_EQ(rig.backend.opens("sim/mouse/config"), 0);
}

TEST(NotificationInterface, TheConfigurationInterfaceOfTheSameIdsIsSkipped) {
    NotificationRig rig(DeviceKind::Mouse);
    rig.plug();  // the configuration interface is listed first, with the same ids
    rig.startWorker();
    rig.clock.sleepFor(1500);
    rig.announce(0x0402);
    rig.clock.sleepFor(600);
    EXPECT_EQ(rig.backend.opens("sim/mouse/config"), 1);
    EXPECT_EQ(rig.events.names(), (Names{"mouse 0x0402"}));
}

TEST(NotificationInterface, ADeviceVanishingWhileListenedToIsSearchedForAgain) {
    NotificationRig rig(DeviceKind::Mouse);
    rig.plug();
    rig.startWorker();
    rig.clock.sleepFor(1500);
    rig.unplug();
    rig.clock.sleepFor(2000);
    EXPECT_FALSE(rig.worker->finished());
    rig.plug();
    rig.clock.sleepFor(2500);
    rig.announce(0x0401);
    rig.clock.sleepFor(600);
    EXPECT_EQ(rig.events.names(), (Names{"mouse 0x0401"}));
    EXPECT_EQ(rig.backend.opens(rig.consumerPath()), 2);
}

TEST(NotificationInterface, AnEnumerationFailureIsTriedAgainOnTheNextPass) {
    NotificationRig rig(DeviceKind::Mouse);
    rig.backend.failEnumerations(2);
    rig.plug();
    rig.startWorker();
    rig.clock.sleepFor(1500);  // the passes at 0 and 1000 ms failed
    EXPECT_EQ(rig.backend.opens(rig.consumerPath()), 0);
    EXPECT_FALSE(rig.worker->finished());
    rig.clock.sleepFor(1000);
    rig.announce(0x0401);
    rig.clock.sleepFor(600);
    EXPECT_EQ(rig.events.names(), (Names{"mouse 0x0401"}));
}

TEST(NotificationStop, EndsWithinOneReadLimitWhileListening) {
    NotificationRig rig(DeviceKind::Mouse);
    rig.plug();
    rig.startWorker();
    rig.clock.sleepFor(1750);  // in the middle of a read
    const Millis stopAt = rig.clock.now();
    rig.stop.set();
    ASSERT_TRUE(rig.worker->joinFor(2000));
    EXPECT_LE(rig.clock.now() - stopAt, kNotificationReadLimitMs);
}

TEST(NotificationStop, ReleasesAnAnnouncementWaitingToBeHandled) {
    NotificationRig rig(DeviceKind::Keyboard);
    rig.events.holdUntilStopped(true);
    rig.plug();
    rig.startWorker();
    rig.clock.sleepFor(1500);
    rig.announce(0x0402);
    rig.clock.sleepFor(3000);
    EXPECT_EQ(rig.events.names(), (Names{"keyboard 0x0402"}));
    EXPECT_FALSE(rig.worker->finished());
    rig.stop.set();
    ASSERT_TRUE(rig.worker->joinFor(10));
    EXPECT_EQ(rig.events.released(), 1);
}

TEST(NotificationStop, EndsWhileSearchingWithNoDevice) {
    NotificationRig rig(DeviceKind::Keyboard);
    rig.startWorker();
    rig.clock.sleepFor(1200);
    rig.stop.set();
    EXPECT_TRUE(rig.worker->joinFor(1));
}

TEST(FirstAnnouncedUsage, ComesFromTheFirstItemOnlyWhenTheReportFilledIt) {
    EXPECT_EQ(firstAnnouncedUsage({}), 0);
    HidDataItem buttons;
    buttons.isButtonData = true;
    buttons.usages = {0x0402, 0x0401};
    buttons.isDataSet = false;
    EXPECT_EQ(firstAnnouncedUsage({buttons}), 0);
    buttons.isDataSet = true;
    EXPECT_EQ(firstAnnouncedUsage({buttons}), 0x0402);
    buttons.usages.clear();
    EXPECT_EQ(firstAnnouncedUsage({buttons}), 0);

    HidDataItem value;
    value.isDataSet = true;
    value.value = 0x0403;
    HidDataItem second = value;
    second.value = 0x0401;
    EXPECT_EQ(firstAnnouncedUsage({value, second}), 0x0403);
}

}  // namespace
}  // namespace quillon
