// Contract: the custom controls under their full class names, and repaints that stay cheap: a
// custom control repaints itself when a state it draws changes, never when it is set to what it
// already shows, and a change of one control repaints no other.
#include "toolkit_contract/contract.h"

namespace quillon::toolkit::contract {
namespace {

constexpr const char* kSkin = "custom_controls.xml";

std::int64_t colour(Argb value) {
    return std::int64_t{value};
}

}  // namespace

TEST_P(ContractCustom, FullClassNamesBuildTheCustomControls) {
    Recorder recorder;
    auto w = open(recorder, kSkin);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(at(*w, "full_key").className(), "CDeviceKeyButtonUI");
    EXPECT_EQ(at(*w, "full_progress").className(), "CCircleProgressUI");
    EXPECT_EQ(at(*w, "full_chart").className(), "CChartViewUI");
    EXPECT_EQ(at(*w, "full_host").className(), "CWndUI");

    // They behave as their kinds: a key button with its marker and light, a progress with a
    // range, a button that can be clicked.
    Control& key = at(*w, "full_key");
    key.set(Prop::Remapped, true);
    key.set(Prop::LightAlpha, std::int64_t{90});
    EXPECT_TRUE(key.getBool(Prop::Remapped));
    EXPECT_EQ(key.getInt(Prop::LightAlpha), 90);
    EXPECT_EQ(key.getInt(Prop::TextColor), 0);  // "gmnametextcolor" has no effect
    Control& progress = at(*w, "full_progress");
    progress.setRange(0, 64);
    progress.setValue(32);
    EXPECT_EQ(progress.value(), 32);
    EXPECT_EQ(progress.getInt(Prop::Max), 64);
    w->show();
    ASSERT_TRUE(driver().click(*w, "full_key"));
    EXPECT_EQ(recorder.count("click", "full_key"), 1);
}

TEST_P(ContractCustom, AKeyButtonRepaintsOnlyWhenWhatItDrawsChanges) {
    Recorder recorder;
    auto w = open(recorder, kSkin);
    ASSERT_NE(w, nullptr);
    w->show();
    driver().runFor(20);
    Control& key = at(*w, "full_key");
    auto repaints = [&](const std::function<void()>& change) {
        return driver().repaintsDuring(*w, "full_key", change);
    };
    EXPECT_GE(repaints([&] { key.set(Prop::Remapped, true); }), 1);
    EXPECT_EQ(repaints([&] { key.set(Prop::Remapped, true); }), 0);
    EXPECT_GE(repaints([&] { key.set(Prop::Light, true); }), 1);
    EXPECT_EQ(repaints([&] { key.set(Prop::Light, true); }), 0);
    EXPECT_GE(repaints([&] { key.set(Prop::LightColor, colour(0xFF00FF00)); }), 1);
    EXPECT_EQ(repaints([&] { key.set(Prop::LightColor, colour(0xFF00FF00)); }), 0);
    EXPECT_GE(repaints([&] { key.set(Prop::LightAlpha, std::int64_t{10}); }), 1);
    EXPECT_EQ(repaints([&] { key.set(Prop::LightAlpha, std::int64_t{10}); }), 0);
    // An alpha beyond the range is kept at 255, and 255 again changes nothing.
    EXPECT_GE(repaints([&] { key.set(Prop::LightAlpha, std::int64_t{300}); }), 1);
    EXPECT_EQ(repaints([&] { key.set(Prop::LightAlpha, std::int64_t{255}); }), 0);

    // The neighbour is left alone.
    EXPECT_EQ(driver().repaintsDuring(*w, "other_key",
                                      [&] {
                                          key.set(Prop::Remapped, false);
                                          key.set(Prop::Light, false);
                                      }),
              0);
}

TEST_P(ContractCustom, AProgressRepaintsOnlyWhenItsValueOrRangeChanges) {
    Recorder recorder;
    auto w = open(recorder, kSkin);
    ASSERT_NE(w, nullptr);
    w->show();
    driver().runFor(20);
    Control& progress = at(*w, "full_progress");
    progress.setRange(0, 100);
    progress.setValue(0);
    auto repaints = [&](const std::function<void()>& change) {
        return driver().repaintsDuring(*w, "full_progress", change);
    };
    EXPECT_GE(repaints([&] { progress.setValue(40); }), 1);
    EXPECT_EQ(repaints([&] { progress.setValue(40); }), 0);
    EXPECT_GE(repaints([&] { progress.set(Prop::Max, std::int64_t{200}); }), 1);
    EXPECT_EQ(repaints([&] { progress.setRange(0, 200); }), 0);
    EXPECT_EQ(driver().repaintsDuring(*w, "full_key", [&] { progress.setValue(90); }), 0);
}

}  // namespace quillon::toolkit::contract
