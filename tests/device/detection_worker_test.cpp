#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "device/WorkerTestSupport.h"

namespace quillon {
namespace {

using workertest::RecordingDetection;
using workertest::ScriptedBackend;
using Names = std::vector<std::string>;

SimKind simKind(DeviceKind kind) {
    return static_cast<SimKind>(kindIndex(kind));
}

// Three channels on the simulated devices, and one detection context per kind.
struct DetectionRig {
    VirtualClock clock;
    SimBackend sim{clock};
    ScriptedBackend backend{sim};
    DeviceModel model;
    std::array<std::unique_ptr<DeviceChannel>, 3> channels;
    std::array<std::unique_ptr<RecordingDetection>, 3> events;
    std::array<std::unique_ptr<DetectionContext>, 3> contexts;

    DetectionRig() {
        ChannelTable table{};
        for (DeviceKind kind : kAllDeviceKinds) {
            auto& ch = channels[kindIndex(kind)];
            ch = std::make_unique<DeviceChannel>(kind, backend, clock);
            ch->setIdentity(standardIdentity(kind));
            table[kindIndex(kind)] = ch.get();
        }
        for (DeviceKind kind : kAllDeviceKinds) {
            RecordingDetection* ev =
                (events[kindIndex(kind)] =
                     std::make_unique<RecordingDetection>(clock, channel(kind)))
                    .get();
            SyncHooks hooks;
            hooks.storeCursorImage = [ev](std::span<const std::uint8_t> image) {
                ev->record("cursor " + std::to_string(image.size()));
            };
            contexts[kindIndex(kind)] = std::make_unique<DetectionContext>(
                DetectionContext{channel(kind), table, model, *ev, hooks, true, {}});
        }
    }

    DeviceChannel& channel(DeviceKind kind) { return *channels[kindIndex(kind)]; }
    RecordingDetection& eventsOf(DeviceKind kind) { return *events[kindIndex(kind)]; }
    DetectionContext& context(DeviceKind kind) { return *contexts[kindIndex(kind)]; }
    Millis pass(DeviceKind kind) { return runDetectionPass(context(kind)); }
    void plug(DeviceKind kind, std::uint16_t pid = 0) { ASSERT_TRUE(sim.plug(simKind(kind), pid)); }
    void unplug(DeviceKind kind) { ASSERT_TRUE(sim.unplug(simKind(kind))); }
};

// A detection worker running on the rig's clock until the test ends.
struct RunningDetection {
    RunningDetection(DetectionRig& rig, DeviceKind kind)
        : stop(rig.clock, Event::Reset::Manual),
          worker(std::make_unique<Worker>(rig.clock, "detection", [&rig, kind, this] {
              runDetectionWorker(rig.context(kind), stop);
          })) {}
    ~RunningDetection() {
        stop.set();
        worker.reset();
    }
    Event stop;
    std::unique_ptr<Worker> worker;
};

TEST(DetectionConnect, KeyboardShowsItsTabBeforeTheSettlingPauseAndConnectsAfterIt) {
    DetectionRig rig;
    rig.plug(DeviceKind::Keyboard);
    rig.pass(DeviceKind::Keyboard);

    const auto& log = rig.eventsOf(DeviceKind::Keyboard).log();
    EXPECT_EQ(rig.eventsOf(DeviceKind::Keyboard).names(),
              (Names{"arriving keyboard", "connected keyboard 0x6556", "shown keyboard",
                     "first-pass keyboard no-mouse"}));
    ASSERT_EQ(log.size(), 4u);
    EXPECT_FALSE(log[0].channelConnected);
    EXPECT_TRUE(log[1].channelConnected);
    EXPECT_EQ(log[1].at - log[0].at, kKeyboardSettleMs);
    EXPECT_TRUE(rig.channel(DeviceKind::Keyboard).connected());
}

TEST(DetectionConnect, MouseReadsItsCursorImageBetweenTheProfileStepsAndTheTab) {
    DetectionRig rig;
    rig.plug(DeviceKind::Mouse);
    rig.pass(DeviceKind::Mouse);

    const Names names = rig.eventsOf(DeviceKind::Mouse).names();
    ASSERT_EQ(names.size(), 4u);
    EXPECT_EQ(names[0], "connected mouse 0x7643");
    EXPECT_EQ(names[1].rfind("cursor ", 0), 0u) << names[1];
    EXPECT_EQ(names[2], "shown mouse");
    EXPECT_EQ(names[3], "first-pass mouse mouse-present");
    EXPECT_TRUE(rig.eventsOf(DeviceKind::Mouse).log()[0].channelConnected);
}

TEST(DetectionConnect, MousepadConnectsWithoutAnnouncingTheWindow) {
    DetectionRig rig;
    rig.plug(DeviceKind::Mousepad);
    rig.pass(DeviceKind::Mousepad);
    EXPECT_EQ(rig.eventsOf(DeviceKind::Mousepad).names(),
              (Names{"arriving mousepad", "connected mousepad 0x5004", "shown mousepad",
                     "first-pass mousepad no-mouse"}));
    // Its tab shows once it is marked connected, before its profile steps.
    EXPECT_TRUE(rig.eventsOf(DeviceKind::Mousepad).log().front().channelConnected);
}

struct VariantCase {
    std::uint16_t productId;
    int before;
    int after;
};

class KeyboardVariant : public testing::TestWithParam<VariantCase> {};

TEST_P(KeyboardVariant, FollowsTheProductIdTheKeyboardReports) {
    const VariantCase c = GetParam();
    DetectionRig rig;
    rig.model.keyboardVariant.store(c.before);
    rig.plug(DeviceKind::Keyboard, c.productId);
    rig.pass(DeviceKind::Keyboard);
    EXPECT_TRUE(rig.channel(DeviceKind::Keyboard).connected());
    EXPECT_EQ(rig.model.keyboardVariant.load(), c.after);
    EXPECT_EQ(rig.eventsOf(DeviceKind::Keyboard).names()[1],
              "connected keyboard " + workertest::hex4(c.productId));
}

INSTANTIATE_TEST_SUITE_P(ProductIds, KeyboardVariant,
                         testing::Values(VariantCase{0x6556, 0, 1}, VariantCase{0x0800, 1, 0},
                                         VariantCase{0x7200, 1, 1}, VariantCase{0x7200, 0, 0}));

TEST(DetectionConnect, AnotherProductOfTheVendorIsOpenedComparedAndLeftClosed) {
    DetectionRig rig;
    rig.plug(DeviceKind::Mouse, 0x1234);
    rig.pass(DeviceKind::Mouse);
    EXPECT_FALSE(rig.channel(DeviceKind::Mouse).connected());
    EXPECT_EQ(rig.backend.opens("sim/mouse/config"), 1);
    EXPECT_FALSE(rig.channel(DeviceKind::Mouse).device().isOpen());
    EXPECT_EQ(rig.eventsOf(DeviceKind::Mouse).names(), (Names{"first-pass mouse no-mouse"}));
}

TEST(DetectionConnect, TheKeyboardAcceptsNoProductIdOutsideItsThree) {
    DetectionRig rig;
    rig.plug(DeviceKind::Keyboard, 0x7643);
    rig.pass(DeviceKind::Keyboard);
    EXPECT_FALSE(rig.channel(DeviceKind::Keyboard).connected());
}

TEST(DetectionConnect, AnotherInterfaceOfTheDeviceIsSkippedForTheConfigurationOne) {
    DetectionRig rig;
    rig.backend.listReversed(true);  // the consumer-control interface comes first
    rig.plug(DeviceKind::Mouse);
    rig.pass(DeviceKind::Mouse);
    EXPECT_EQ(rig.backend.opens("sim/mouse/consumer"), 1);
    EXPECT_EQ(rig.backend.opens("sim/mouse/config"), 1);
    EXPECT_TRUE(rig.channel(DeviceKind::Mouse).connected());
    EXPECT_EQ(rig.channel(DeviceKind::Mouse).device().devicePath, "sim/mouse/config");
}

TEST(DetectionConnect, AnEnumerationFailureIsTriedAgainOnTheNextPass) {
    DetectionRig rig;
    rig.backend.failEnumerations(1);
    rig.plug(DeviceKind::Keyboard);
    {
        RunningDetection running(rig, DeviceKind::Keyboard);
        rig.clock.sleepFor(500);
        EXPECT_FALSE(rig.channel(DeviceKind::Keyboard).connected());
        EXPECT_FALSE(running.worker->finished());
        rig.clock.sleepFor(1000);
        EXPECT_TRUE(rig.channel(DeviceKind::Keyboard).connected());
    }
    EXPECT_EQ(rig.backend.enumerations(), 2);
    // The failed pass was still the first one.
    EXPECT_EQ(rig.eventsOf(DeviceKind::Keyboard).names().front(), "first-pass keyboard no-mouse");
}

class Removal : public testing::TestWithParam<DeviceKind> {};

TEST_P(Removal, ClearsTheFlagsAndReportsOnceThenSearchesAgain) {
    const DeviceKind kind = GetParam();
    DetectionRig rig;
    rig.plug(kind);
    rig.pass(kind);
    rig.channel(kind).setLightingSync(true);
    rig.eventsOf(kind).clear();

    rig.unplug(kind);
    rig.pass(kind);
    rig.pass(kind);
    EXPECT_EQ(rig.eventsOf(kind).names(), (Names{"removed " + std::string(kindName(kind))}));
    EXPECT_FALSE(rig.channel(kind).connected());
    EXPECT_FALSE(rig.channel(kind).lightingSync());

    rig.plug(kind);
    rig.pass(kind);
    EXPECT_TRUE(rig.channel(kind).connected());
    EXPECT_EQ(rig.backend.opens("sim/" + std::string(kindName(kind)) + "/config"), 2);
}

INSTANTIATE_TEST_SUITE_P(EachKind, Removal,
                         testing::Values(DeviceKind::Keyboard, DeviceKind::Mouse,
                                         DeviceKind::Mousepad));

TEST(DetectionPasses, PauseByKindAndState) {
    DetectionRig rig;
    EXPECT_EQ(rig.pass(DeviceKind::Mouse), 1000);
    EXPECT_EQ(rig.pass(DeviceKind::Keyboard), 1000);
    EXPECT_EQ(rig.pass(DeviceKind::Mousepad), 1000);
    for (DeviceKind kind : kAllDeviceKinds) {
        rig.plug(kind);
    }
    EXPECT_EQ(rig.pass(DeviceKind::Mouse), 1000);
    EXPECT_EQ(rig.pass(DeviceKind::Keyboard), 100);
    EXPECT_EQ(rig.pass(DeviceKind::Mousepad), 100);
    // Connected and probing.
    EXPECT_EQ(rig.pass(DeviceKind::Mouse), 1000);
    EXPECT_EQ(rig.pass(DeviceKind::Keyboard), 100);
    EXPECT_EQ(rig.pass(DeviceKind::Mousepad), 100);
}

TEST(DetectionPasses, AConnectedKeyboardIsProbedTenTimesASecondTheMouseOnce) {
    DetectionRig rig;
    rig.plug(DeviceKind::Keyboard);
    rig.plug(DeviceKind::Mouse);
    RunningDetection keyboard(rig, DeviceKind::Keyboard);
    rig.clock.sleepFor(1500);  // connected by now
    int before = rig.backend.probes();
    rig.clock.sleepFor(2000);
    const int keyboardProbes = rig.backend.probes() - before;
    EXPECT_GE(keyboardProbes, 18);
    EXPECT_LE(keyboardProbes, 20);
    keyboard.stop.set();
    keyboard.worker->joinFor(kForever);

    RunningDetection mouse(rig, DeviceKind::Mouse);
    rig.clock.sleepFor(1500);
    before = rig.backend.probes();
    rig.clock.sleepFor(3000);
    EXPECT_GE(rig.backend.probes() - before, 2);
    EXPECT_LE(rig.backend.probes() - before, 3);
}

TEST(DetectionPasses, RemovalOfAConnectedMousepadIsNoticedWithinAboutATenthOfASecond) {
    DetectionRig rig;
    rig.plug(DeviceKind::Mousepad);
    RunningDetection running(rig, DeviceKind::Mousepad);
    rig.clock.sleepFor(1500);
    ASSERT_TRUE(rig.channel(DeviceKind::Mousepad).connected());
    const Millis unplugged = rig.clock.now();
    rig.unplug(DeviceKind::Mousepad);
    rig.clock.sleepFor(150);
    EXPECT_FALSE(rig.channel(DeviceKind::Mousepad).connected());
    const auto& log = rig.eventsOf(DeviceKind::Mousepad).log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().what, "removed mousepad");
    EXPECT_LE(log.back().at - unplugged, 102);
}

TEST(DetectionPasses, TheFirstPassAloneReportsWhetherTheMouseIsConnected) {
    DetectionRig rig;
    rig.plug(DeviceKind::Mouse);
    rig.plug(DeviceKind::Mousepad);
    rig.pass(DeviceKind::Mouse);
    rig.pass(DeviceKind::Mousepad);
    rig.pass(DeviceKind::Mousepad);
    rig.pass(DeviceKind::Keyboard);  // no keyboard: it still tells about the mouse
    EXPECT_EQ(rig.eventsOf(DeviceKind::Mousepad).names(),
              (Names{"arriving mousepad", "connected mousepad 0x5004", "shown mousepad",
                     "first-pass mousepad mouse-present", "same-mode mousepad on"}));
    EXPECT_EQ(rig.eventsOf(DeviceKind::Keyboard).names(),
              (Names{"first-pass keyboard mouse-present"}));
}

TEST(DetectionPasses, SameModeFollowsWhetherAnotherDeviceIsConnected) {
    DetectionRig rig;
    rig.plug(DeviceKind::Mouse);
    rig.pass(DeviceKind::Mouse);
    rig.eventsOf(DeviceKind::Mouse).clear();

    rig.pass(DeviceKind::Mouse);
    rig.channel(DeviceKind::Keyboard).setConnected(true);
    rig.pass(DeviceKind::Mouse);
    rig.pass(DeviceKind::Mouse);
    rig.channel(DeviceKind::Keyboard).setConnected(false);
    rig.pass(DeviceKind::Mouse);
    EXPECT_EQ(rig.eventsOf(DeviceKind::Mouse).names(),
              (Names{"same-mode mouse off", "same-mode mouse on", "same-mode mouse off"}));
}

TEST(DetectionWorkerStop, EndsAtOnceWhileConnectedAndWhileSearching) {
    DetectionRig rig;
    rig.plug(DeviceKind::Mouse);
    RunningDetection mouse(rig, DeviceKind::Mouse);
    RunningDetection keyboard(rig, DeviceKind::Keyboard);
    rig.clock.sleepFor(2500);
    ASSERT_TRUE(rig.channel(DeviceKind::Mouse).connected());
    const Millis stopAt = rig.clock.now();
    mouse.stop.set();
    keyboard.stop.set();
    EXPECT_TRUE(mouse.worker->joinFor(1000));
    EXPECT_TRUE(keyboard.worker->joinFor(1000));
    EXPECT_LE(rig.clock.now() - stopAt, 1);
}

}  // namespace
}  // namespace quillon
