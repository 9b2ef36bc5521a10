// The mouse performance page and the palette routing in the main window, with the lighting module
// alone: what reaches the desktop, which profile lists are saved, what the routing leaves alone.

#include <gtest/gtest.h>

#include "lighting/LightingTestSupport.h"
#include "lighting/SettingsRecordFields.h"

namespace quillon::lighting {
namespace {

using Apply = MemoryPointerSettings::Apply;
using Setting = MemoryPointerSettings::Setting;
using testing::LightingRig;
using testing::SavedList;

constexpr auto kLighting = SyncHooks::ProfileList::Lighting;
constexpr auto kDevice = SyncHooks::ProfileList::Device;

toolkit::Notification valued(int value) {
    toolkit::Notification n;
    n.value = value;
    return n;
}

toolkit::Notification indexed(int index) {
    toolkit::Notification n;
    n.index = index;
    return n;
}

toolkit::Notification coloured(toolkit::Argb colour) {
    toolkit::Notification n;
    n.colour = colour;
    return n;
}

DeviceMemory& mouse(LightingRig& rig) {
    return rig.main().model().memory(DeviceKind::Mouse);
}

TEST(MousePageDesktopSettings, TheDesktopsValuesAreShownAtStartAndNotAppliedAgain) {
    LightingRig rig(14, 8);
    EXPECT_EQ(rig.control("ms_point_speed_slider").value(), 6);
    EXPECT_EQ(rig.control("ms_gunlun_speed_edit").text(), "8");
    EXPECT_EQ(rig.module().hostSettings().pointerSpeed, 14);
    EXPECT_EQ(rig.module().hostSettings().wheelLines, 8);
    rig.runFor(50);
    EXPECT_TRUE(rig.desktop->applies().empty());
}

TEST(MousePageDesktopSettings, ADesktopWithoutAnswerKeepsTheUsualValues) {
    LightingRig rig(0, 0);
    EXPECT_EQ(rig.module().hostSettings().pointerSpeed, 10);
    EXPECT_EQ(rig.module().hostSettings().wheelLines, 3);
    EXPECT_EQ(rig.control("ms_point_speed_slider").value(), 4);
}

TEST(MousePageDesktopSettings, PointerSliderGoesToTheDesktopAndBothProfiles) {
    LightingRig rig;
    const auto r = rig.window().slide("ms_point_speed_slider", 9);
    ASSERT_TRUE(r) << r.error;
    rig.runFor(10);
    EXPECT_EQ(rig.module().hostSettings().pointerSpeed, 20);
    EXPECT_EQ(rig.desktop->applies(), (std::vector<Apply>{{Setting::PointerSpeed, 20}}));
    EXPECT_EQ(rig.saved, (std::vector<SavedList>{{DeviceKind::Mouse, kLighting},
                                                 {DeviceKind::Mouse, kDevice}}));
    EXPECT_FALSE(mouse(rig).writePending) << "the desktop's settings never go to the mouse";
}

TEST(MousePageDesktopSettings, ASliderPositionBeyondTwentyIsKeptAsTwenty) {
    LightingRig rig;
    rig.send("valuechanged", "ms_point_speed_slider", valued(10));
    rig.runFor(10);
    EXPECT_EQ(rig.module().hostSettings().pointerSpeed, 20);
    EXPECT_EQ(rig.desktop->applies(), (std::vector<Apply>{{Setting::PointerSpeed, 20}}));
}

TEST(MousePageDesktopSettings, WheelButtonsSaveBothProfilesAndLeavingTheEditOnlyTheDevice) {
    LightingRig rig;
    ASSERT_TRUE(rig.window().click("ms_gunlun_speed_up_btn"));
    rig.runFor(10);
    EXPECT_EQ(rig.control("ms_gunlun_speed_edit").text(), "4");
    EXPECT_EQ(rig.saved, (std::vector<SavedList>{{DeviceKind::Mouse, kLighting},
                                                 {DeviceKind::Mouse, kDevice}}));
    rig.saved.clear();
    ASSERT_TRUE(rig.window().type("ms_gunlun_speed_edit", "42"));
    ASSERT_TRUE(rig.window().leave("ms_gunlun_speed_edit"));
    rig.runFor(10);
    EXPECT_EQ(rig.saved, (std::vector<SavedList>{{DeviceKind::Mouse, kDevice}}));
    EXPECT_EQ(rig.module().hostSettings().wheelLines, 42);
    EXPECT_EQ(rig.desktop->applies(),
              (std::vector<Apply>{{Setting::WheelLines, 4}, {Setting::WheelLines, 42}}));
}

TEST(MousePageDesktopSettings, RestoreDefaultsResetsTheDesktopAndTheMouseButNotTheProfile) {
    LightingRig rig;
    rig.module().hostSettings() = {16, 9};
    ASSERT_TRUE(rig.window().click("ms_one_profile_default"));
    rig.runFor(10);
    EXPECT_EQ(rig.control("ms_point_speed_slider").value(), 4) << "the position of speed 10";
    EXPECT_EQ(rig.control("ms_gunlun_speed_edit").text(), "3");
    EXPECT_EQ(rig.desktop->applies(),
              (std::vector<Apply>{{Setting::PointerSpeed, 10}, {Setting::WheelLines, 3}}));
    EXPECT_EQ(rig.module().hostSettings().pointerSpeed, 16);
    EXPECT_EQ(rig.module().hostSettings().wheelLines, 9);
    EXPECT_TRUE(rig.saved.empty());
}

TEST(MousePageDesktopSettings, ProfileValuesAreShownClampedAndApplied) {
    LightingRig rig;
    rig.module().hostSettings() = {25, 0};
    rig.main().hooks().showAndApplyHostSettings();
    rig.runFor(10);
    EXPECT_EQ(rig.control("ms_point_speed_slider").value(), 9);
    EXPECT_EQ(rig.control("ms_gunlun_speed_edit").text(), "1");
    EXPECT_EQ(rig.module().hostSettings().pointerSpeed, 20);
    EXPECT_EQ(rig.desktop->applies(),
              (std::vector<Apply>{{Setting::PointerSpeed, 20}, {Setting::WheelLines, 1}}));
}

TEST(MousePageRecord, DraggingTheSixthRowChangesOnlyItsLabel) {
    LightingRig rig;
    std::array<std::uint8_t, kMouseCurrentSize> before{};
    mouse(rig).current.copyTo(before);
    mouse(rig).info[11] = 100;  // DPI step
    rig.send("movevaluechanged", "ms_DPI6_slider", valued(7));
    EXPECT_EQ(rig.control("ms_DPI6_label_value").text(), "700");
    std::array<std::uint8_t, kMouseCurrentSize> after{};
    mouse(rig).current.copyTo(after);
    EXPECT_EQ(before, after);
    EXPECT_FALSE(mouse(rig).writePending);
    EXPECT_TRUE(rig.saved.empty());
}

TEST(MousePageRecord, AReportRateTheComboDoesNotHaveSelectsNothing) {
    LightingRig rig;
    mouse(rig).current.set(14, 9);
    rig.main().hooks().refreshPage(DeviceKind::Mouse);
    EXPECT_EQ(rig.control("ms_report_fct_combo").selectedIndex(), -1);
    rig.send("itemselect", "ms_report_fct_combo", indexed(-1));
    EXPECT_EQ(mouse(rig).current.get(14), 9) << "no selection stores nothing";
    EXPECT_FALSE(mouse(rig).writePending);
}

class PaletteRoutingTest : public ::testing::TestWithParam<DeviceKind> {};

TEST_P(PaletteRoutingTest, ALightingPaletteColourBecomesTheDevicesColour) {
    const DeviceKind kind = GetParam();
    LightingRig rig;
    DeviceMemory& memory = rig.main().model().memory(kind);
    memory.current.set(record_field::kSevenColour, 1);
    memory.current.set(record_field::kProfileIndex, 3);
    const std::string palette = std::string(kindPrefix(kind)) + "_deng_Color_Pallet";
    rig.send("colorchanged", palette, coloured(0x80123456));
    EXPECT_EQ(memory.current.get(record_field::kRed), 0x12);
    EXPECT_EQ(memory.current.get(record_field::kGreen), 0x34);
    EXPECT_EQ(memory.current.get(record_field::kBlue), 0x56);
    EXPECT_EQ(memory.current.get(record_field::kSevenColour), 0);
    EXPECT_EQ(memory.current.get(record_field::kProfileIndex), 3);
    EXPECT_TRUE(memory.writePending);
    std::vector<SavedList> lists{{kind, kLighting}};
    if (kind != DeviceKind::Mousepad) {
        lists.push_back({kind, kDevice});
    }
    EXPECT_EQ(rig.saved, lists);
}

INSTANTIATE_TEST_SUITE_P(EachDevice, PaletteRoutingTest,
                         ::testing::Values(DeviceKind::Mouse, DeviceKind::Keyboard,
                                           DeviceKind::Mousepad));

TEST(PaletteRouting, ThePaletteWindowsOwnPaletteChangesNothingInTheMainWindow) {
    LightingRig rig;
    rig.send("colorchanged", "Pallet1", coloured(0xFF123456));
    for (DeviceKind kind : kAllDeviceKinds) {
        EXPECT_FALSE(rig.main().model().memory(kind).writePending);
        EXPECT_EQ(rig.main().model().memory(kind).current.get(record_field::kRed), 0);
    }
    EXPECT_TRUE(rig.saved.empty());
}

}  // namespace
}  // namespace quillon::lighting
