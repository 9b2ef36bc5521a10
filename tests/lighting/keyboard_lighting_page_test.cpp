#include <gtest/gtest.h>

#include "lighting/LightingPreviews.h"
#include "lighting/LightingSyncState.h"
#include "lighting/LightingTestSupport.h"
#include "lighting/SettingsRecordFields.h"

namespace quillon::lighting {
namespace {

using testing::LightingRig;

class KeyboardLightingPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        rig.main().model().keyboardVariant = 0;
        rig.control("kb_deng_Op_tab").setSelected(true);
        store().customColour = {10, 20, 30};
    }
    KeyboardLightingStore& store() { return rig.module().keyboardLighting(); }
    CurrentRecord& record(DeviceKind kind = DeviceKind::Keyboard) {
        return rig.main().model().memory(kind).current;
    }
    void setMode(std::uint8_t mode) { record().set(record_field::kLightingMode, mode); }
    void click(const std::string& name) { rig.send("click", name); }
    void select(const std::string& name) {
        toolkit::Notification n;
        n.selected = true;
        rig.send("selectchanged", name, n);
    }
    void choose(const std::string& name, int index) {
        toolkit::Notification n;
        n.index = index;
        rig.send("itemselect", name, n);
    }
    void type(const std::string& name, const std::string& text) {
        toolkit::Notification n;
        n.text = text;
        rig.send("textchanged", name, n);
    }
    std::array<std::uint8_t, 3> entry(std::size_t e) {
        const CustomColourSet& set = store().currentSet();
        return {set[3 * e], set[3 * e + 1], set[3 * e + 2]};
    }

    LightingRig rig;
};

TEST_F(KeyboardLightingPageTest, PaintingFollowsTheKeyMapInTheCustomMode) {
    setMode(8);
    click("kb_key_13");
    EXPECT_EQ(entry(14), (std::array<std::uint8_t, 3>{10, 20, 30}));
    EXPECT_EQ(entry(13), (std::array<std::uint8_t, 3>{0, 0, 0}));
    EXPECT_FALSE(rig.saved.empty());
    rig.saved.clear();
    // Button 16 has no light; the "kb_dkey_" twin paints as well.
    click("kb_key_16");
    EXPECT_TRUE(rig.saved.empty());
    click("kb_dkey_119");
    EXPECT_EQ(entry(62), (std::array<std::uint8_t, 3>{10, 20, 30}));
    // Outside the custom mode, or with another tab selected, nothing is painted.
    setMode(3);
    click("kb_key_0");
    EXPECT_EQ(entry(0), (std::array<std::uint8_t, 3>{0, 0, 0}));
    setMode(8);
    rig.control("kb_key_Op_tab").setSelected(true);
    rig.control("kb_deng_Op_tab").setSelected(false);
    click("kb_key_0");
    EXPECT_EQ(entry(0), (std::array<std::uint8_t, 3>{0, 0, 0}));
}

TEST_F(KeyboardLightingPageTest, SingleColourPaintingLightsOneByte) {
    rig.main().model().keyboardVariant = 1;
    setMode(6);
    click("kb_key_38");
    EXPECT_EQ(store().currentSet()[53], 255);
    EXPECT_EQ(store().currentSet()[38], 0);
    setMode(8);  // the full-colour custom mode means nothing here
    click("kb_key_0");
    EXPECT_EQ(store().currentSet()[0], 0);
}

TEST_F(KeyboardLightingPageTest, FillKeepsColouredKeysAndClearDarkensAll) {
    CustomColourSet& set = store().currentSet();
    set[15] = 1;  // entry 5 red only
    select("kb_Deng_all_bright_check");
    EXPECT_EQ(entry(5), (std::array<std::uint8_t, 3>{1, 0, 0}));
    EXPECT_EQ(entry(0), (std::array<std::uint8_t, 3>{10, 20, 30}));
    EXPECT_EQ(entry(125), (std::array<std::uint8_t, 3>{10, 20, 30}));
    EXPECT_TRUE(rig.control("kb_Deng_all_bright_check").selected());
    select("kb_Deng_all_kill_check");
    EXPECT_FALSE(rig.control("kb_Deng_all_bright_check").selected());
    for (std::uint8_t b : store().currentSet()) {
        ASSERT_EQ(b, 0);
    }
    // The other sets are left alone.
    store().sets[4][0] = 9;
    select("kb_Deng_all_bright_check");
    EXPECT_EQ(store().sets[4][0], 9);
}

TEST_F(KeyboardLightingPageTest, SingleColourFillUsesTheFirst126Bytes) {
    rig.main().model().keyboardVariant = 1;
    store().currentSet()[200] = 0;
    select("kb_Deng_all_bright_check");
    EXPECT_EQ(store().currentSet()[0], 255);
    EXPECT_EQ(store().currentSet()[125], 255);
    EXPECT_EQ(store().currentSet()[126], 0);
}

TEST_F(KeyboardLightingPageTest, SingleColourKeyboardNeverStoresAColour) {
    rig.main().model().keyboardVariant = 1;
    setMode(2);
    record().set(record_field::kRed, 7);
    toolkit::Notification colour;
    colour.colour = 0xFF112233;
    rig.send("colorchanged", "kb_deng_Color_Pallet", colour);
    type("kb_Deng_edit_G", "99");
    EXPECT_EQ(record().get(record_field::kRed), 7);
    EXPECT_EQ(record().get(record_field::kGreen), 0);
    rig.main().hooks().refreshPage(DeviceKind::Keyboard);
    EXPECT_EQ(rig.control("kb_Deng_colordp_btn").bkColor(), 0xFF00F6FFu);
    EXPECT_FALSE(rig.control("kb_deng_Color_Pallet").enabled());
    EXPECT_FALSE(rig.control("kb_deng_combo_modeSelect").getBool(toolkit::Prop::Visible));
}

TEST_F(KeyboardLightingPageTest, CustomModeColourEditsTheCustomColour) {
    choose("kb_deng_combo_modeSelect", 8);
    rig.control("kb_deng_combo_modeSelect").selectItem(8);
    type("kb_Deng_edit_R", "300");
    EXPECT_EQ(rig.control("kb_Deng_edit_R").text(), "255");
    EXPECT_EQ(store().customColour, (KeyboardLightingStore::Colour{255, 20, 30}));
    EXPECT_EQ(rig.control("kb_Deng_custom_colordp_btn").bkColor(), 0xFFFF141Eu);
    EXPECT_TRUE(rig.control("kb_deng_custom_tool_layout").getBool(toolkit::Prop::Visible) ||
                !rig.control("kb_deng_layout").getBool(toolkit::Prop::Visible));
    EXPECT_EQ(record().get(record_field::kRed), 0);
}

TEST_F(KeyboardLightingPageTest, ModeTablesSetPanelsAndDirectionLabels) {
    choose("kb_deng_combo_modeSelect", 13);
    EXPECT_EQ(rig.control("kb_Deng_label_FXL").getString(toolkit::Prop::TextId), "Deng_FXJ_text");
    EXPECT_TRUE(rig.control("kb_deng_fx_layout").enabled() ||
                !rig.control("kb_deng_layout").enabled());
    EXPECT_EQ(record().get(record_field::kLightingMode), 13);
    EXPECT_TRUE(rig.main().model().memory(DeviceKind::Keyboard).writePending);
    choose("kb_deng_combo_modeSelect", 16);
    EXPECT_EQ(rig.control("kb_Deng_label_FXR").getString(toolkit::Prop::TextId), "Deng_FXR_text");
}

TEST_F(KeyboardLightingPageTest, SameModeCopiesBytesOneToEightAndSynchronisesAll) {
    const std::array<std::uint8_t, 9> lighting = {0, 5, 3, 2, 1, 1, 9, 8, 7};
    for (std::size_t i = 1; i < lighting.size(); ++i) {
        record().set(i, lighting[i]);
    }
    record(DeviceKind::Mouse).set(0, 2);
    click("kb_deng_same_mode");
    for (DeviceKind kind : {DeviceKind::Mouse, DeviceKind::Mousepad}) {
        for (std::size_t i = 1; i < lighting.size(); ++i) {
            EXPECT_EQ(record(kind).get(i), lighting[i]) << kindIndex(kind) << " byte " << i;
        }
    }
    EXPECT_EQ(record(DeviceKind::Mouse).get(0), 2);  // the profile index stays
    LightingSyncState& sync = rig.module().previews().sync();
    EXPECT_TRUE(sync.synchronised(DeviceKind::Keyboard));
    EXPECT_TRUE(sync.synchronised(DeviceKind::Mouse));
    EXPECT_TRUE(sync.synchronised(DeviceKind::Mousepad));
    EXPECT_EQ(sync.block().mode, 5);
    EXPECT_EQ(rig.control("ms_deng_combo_modeSelect1").selectedIndex(), 5);
    // A single-colour mode selection takes every device out.
    rig.main().model().keyboardVariant = 1;
    choose("kb_deng_onecolor_combo_modeSelect", 2);
    EXPECT_FALSE(sync.anySynchronised());
}

}  // namespace
}  // namespace quillon::lighting
