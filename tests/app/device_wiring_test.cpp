#include <gtest/gtest.h>

#include "app/DeviceModule.h"
#include "app/ProgramRig.h"

namespace quillon::apptest {
namespace {

using Messages = std::vector<std::string>;
using toolkit::Prop;

std::string focused(ProgramRig& rig) {
    auto* c = rig.window().focusedControl();
    return c == nullptr ? "" : c->name();
}

bool tabShown(ProgramRig& rig, const char* name) {
    return rig.find(name)->getBool(Prop::Visible);
}

TEST(DeviceRemoval, MouseGoneWhileTheKeyboardStaysTurnsToTheKeyboard) {
    ProgramRig rig;
    rig.sim().plug(SimKind::Mouse);
    rig.sim().plug(SimKind::Keyboard);
    rig.start();
    rig.run(2000);
    rig.notify("selectchanged", "ms_tab");
    rig.find("ms_tab")->setSelected(true);

    rig.sim().unplug(SimKind::Mouse);
    rig.run(1100);
    EXPECT_FALSE(tabShown(rig, "ms_tab"));
    EXPECT_TRUE(tabShown(rig, "kb_tab"));
    EXPECT_TRUE(rig.find("kb_tab")->selected());
    EXPECT_EQ(focused(rig), "kb_tab");
    EXPECT_EQ(rig.find("tab_switch")->getInt(Prop::Index), 0);
    EXPECT_TRUE(rig.window().isVisible());
    EXPECT_EQ(rig.takeMessages(), (Messages{}));
}

TEST(DeviceRemoval, MouseGoneWithOnlyTheMousepadLeftTurnsToTheMousepad) {
    ProgramRig rig;
    rig.sim().plug(SimKind::Mousepad);
    rig.sim().plug(SimKind::Mouse);
    rig.start();
    rig.run(2000);
    rig.sim().unplug(SimKind::Mouse);
    rig.run(1100);
    EXPECT_TRUE(rig.find("mp_tab")->selected());
    EXPECT_EQ(focused(rig), "mp_tab");
    EXPECT_EQ(rig.find("tab_switch")->getInt(Prop::Index), 2);
}

TEST(DeviceRemoval, TheLastMouseGoingShowsTheNoticeAndHidesTheWindow) {
    ProgramRig rig;
    rig.sim().plug(SimKind::Mouse);
    rig.start();
    rig.run(2000);
    ASSERT_TRUE(rig.window().isVisible());
    rig.answer(BoxAnswer::Leave);
    rig.sim().unplug(SimKind::Mouse);
    rig.run(1100);
    EXPECT_EQ(rig.takeMessages(), (Messages{"message_text_20"}));
    EXPECT_FALSE(rig.window().isVisible());
    EXPECT_EQ(focused(rig), "ms_deng_Op_tab");
    EXPECT_FALSE(tabShown(rig, "ms_tab"));
}

TEST(DeviceRemoval, TheLastKeyboardGoingHidesTheWindowWithoutAWord) {
    ProgramRig rig;
    rig.sim().plug(SimKind::Keyboard);
    rig.start();
    rig.run(1500);
    ASSERT_TRUE(rig.window().isVisible());
    rig.sim().unplug(SimKind::Keyboard);
    rig.run(200);
    EXPECT_FALSE(rig.window().isVisible());
    EXPECT_FALSE(tabShown(rig, "kb_tab"));
    EXPECT_EQ(rig.takeMessages(), (Messages{}));
}

TEST(DeviceConnect, EachTabShowsWithItsDeviceAndTheMouseIsReadAfterHalfASecond) {
    ProgramRig rig;
    rig.start();
    for (const char* tab : {"ms_tab", "kb_tab", "mp_tab"}) {
        EXPECT_FALSE(tabShown(rig, tab)) << tab;
    }
    rig.sim().plug(SimKind::Mousepad);
    rig.run(1100);
    EXPECT_TRUE(tabShown(rig, "mp_tab"));
    EXPECT_EQ(rig.find("tab_switch")->getInt(Prop::Index), 2);

    rig.sim().resetTrace();
    rig.sim().plug(SimKind::Mouse);
    rig.run(1010);
    EXPECT_TRUE(tabShown(rig, "ms_tab"));
    EXPECT_TRUE(rig.find("ms_tab_panel")->getBool(Prop::Visible));
    EXPECT_TRUE(rig.window().hasTimer(app::kTimerReadMouse));
    const std::size_t cursorReads = rig.sim().requests(SimKind::Mouse).size();
    EXPECT_GT(cursorReads, 0u);  // the cursor image, read by the worker
    rig.run(510);
    EXPECT_FALSE(rig.window().hasTimer(app::kTimerReadMouse));
    EXPECT_GT(rig.sim().requests(SimKind::Mouse).size(), cursorReads + 10);

    rig.sim().plug(SimKind::Keyboard);
    rig.run(1200);
    EXPECT_TRUE(tabShown(rig, "kb_tab"));
    EXPECT_TRUE(rig.find("kb_tab")->selected());
    EXPECT_TRUE(rig.window().isVisible());
}

TEST(DeviceConnect, OnlyTheMouseOnTheFirstPassBringsTheWindowUp) {
    ProgramRig rig;
    rig.sim().plug(SimKind::Mouse);
    rig.start();
    rig.run(100);
    EXPECT_TRUE(rig.window().isVisible());

    ProgramRig later;
    later.start();
    later.run(1500);
    later.sim().plug(SimKind::Mouse);
    later.run(2500);
    EXPECT_TRUE(tabShown(later, "ms_tab"));
    EXPECT_FALSE(later.window().isVisible());
}

TEST(Announcements, SettingsAndProfileAnnouncementsReadTheMouse) {
    ProgramRig rig;
    rig.sim().plug(SimKind::Mouse);
    rig.start();
    rig.run(3000);
    rig.sim().resetTrace();
    rig.sim().announce(SimKind::Mouse, 0x0402);
    rig.run(600);
    const auto requests = rig.sim().requests(SimKind::Mouse);
    ASSERT_FALSE(requests.empty());
    // The whole mouse is read again: a bracket of many requests.
    EXPECT_GT(requests.size(), 10u);

    rig.sim().setMemory(SimKind::Mouse, SimRegion::Settings, 0, std::vector<std::uint8_t>{3});
    rig.sim().resetTrace();
    rig.sim().announce(SimKind::Mouse, 0x0401);
    rig.run(600);
    EXPECT_EQ(rig.main().model().memory(DeviceKind::Mouse).current.get(0), 0);
    EXPECT_EQ(rig.sim().requests(SimKind::Mouse).size(), 2u);  // active number, then profile 0
}

TEST(Announcements, ShutdownReleasesAWorkerWaitingForTheInterface) {
    ProgramRig rig;
    rig.sim().plug(SimKind::Keyboard);
    rig.start();
    rig.run(2000);
    rig.sim().announce(SimKind::Keyboard, 0x0402);
    // Time passes while the interface thread handles nothing: the worker waits for it.
    rig.clock().sleepFor(2000);
    const Millis before = rig.clock().now();
    rig.main().destroy();
    EXPECT_EQ(rig.main().workers().runningCount(), 0);
    EXPECT_LT(rig.clock().now() - before, 1000);
}

TEST(ProfileRoutes, MouseProfileButtonsAboveFourSendNothing) {
    ProgramRig rig;
    rig.sim().plug(SimKind::Mouse);
    rig.start();
    rig.run(2000);
    rig.sim().resetTrace();
    rig.notify("click", "ms_profile_7");
    rig.notify("click", "ms_profile_99");
    EXPECT_EQ(rig.sim().requests(SimKind::Mouse).size(), 0u);

    rig.notify("click", "ms_profile_2");
    EXPECT_EQ(rig.main().model().memory(DeviceKind::Mouse).current.get(0), 2);
    std::vector<std::uint8_t> active;
    ASSERT_TRUE(rig.sim().readMemory(SimKind::Mouse, SimRegion::Settings, 0, 1, active));
    EXPECT_EQ(active[0], 2);
}

TEST(ProfileRoutes, TheMousepadFollowsItsProfileCombo) {
    ProgramRig rig;
    rig.sim().plug(SimKind::Mousepad);
    rig.start();
    rig.run(2000);
    toolkit::Notification n;
    n.type = "itemselect";
    n.sender = "mp_deng_combo_profile";
    n.index = 3;
    rig.main().notify(n);
    std::vector<std::uint8_t> active;
    ASSERT_TRUE(rig.sim().readMemory(SimKind::Mousepad, SimRegion::Settings, 0, 1, active));
    EXPECT_EQ(active[0], 3);
    EXPECT_EQ(rig.main().model().memory(DeviceKind::Mousepad).current.get(0), 3);
}

}  // namespace
}  // namespace quillon::apptest
