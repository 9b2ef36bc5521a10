// Contract: the property vocabulary on every class it applies to, the state the skin gives, texts
// as plain text or language ids, and effective visibility and enabled state.
#include "toolkit/PropText.h"
#include "toolkit_contract/contract.h"

namespace quillon::toolkit::contract {
namespace {

std::int64_t colour(Argb value) {
    return std::int64_t{value};
}

}  // namespace

TEST_P(ContractProperties, StartsWithTheStateTheSkinGives) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    Control& push = at(*w, "push_btn");
    EXPECT_EQ(push.text(), "Push");
    EXPECT_EQ(push.getString(Prop::UserData), "data1");
    EXPECT_EQ(push.getInt(Prop::BkColor), colour(0xFF102030));
    EXPECT_EQ(push.getInt(Prop::TextColor), colour(0xFFA0B0C0));
    EXPECT_EQ(push.getInt(Prop::BorderColor), colour(0x80FFFFFF));
    EXPECT_EQ(push.getInt(Prop::BorderSize), 2);
    EXPECT_EQ(push.getString(Prop::BkImage), "file='common/a.png'");
    EXPECT_EQ(at(*w, "plain_label").text(), "Plain");
    EXPECT_EQ(at(*w, "at_label").text(), "@literal");
    EXPECT_EQ(at(*w, "at_label").getString(Prop::TextId), "");
    EXPECT_EQ(at(*w, "title_label").getString(Prop::TextId), "title_text");
    EXPECT_EQ(at(*w, "title_label").getString(Prop::TooltipId), "tip_text");
    EXPECT_EQ(at(*w, "edit").text(), "hello");
    EXPECT_EQ(at(*w, "slider").getInt(Prop::Min), 10);
    EXPECT_EQ(at(*w, "slider").getInt(Prop::Max), 90);
    EXPECT_EQ(at(*w, "slider").value(), 30);
    EXPECT_EQ(at(*w, "progress").value(), 40);
    EXPECT_EQ(at(*w, "progress").getInt(Prop::Max), 100);
    EXPECT_EQ(at(*w, "combo").selectedIndex(), 1);
    EXPECT_EQ(at(*w, "combo").itemCount(), 3);
    EXPECT_EQ(at(*w, "list").itemCount(), 3);
    EXPECT_EQ(at(*w, "list").selectedIndex(), -1);
    EXPECT_EQ(at(*w, "stack").selectedIndex(), 0);
    EXPECT_TRUE(at(*w, "radio_1").selected());
    EXPECT_TRUE(at(*w, "tab_a").selected());
    EXPECT_FALSE(at(*w, "check_box").selected());
}

TEST_P(ContractProperties, TextIsPlainOrALanguageIdTranslatedWhenShown) {
    ASSERT_TRUE(toolkit().loadLanguage("lan_en.xml"));
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    Control& label = at(*w, "title_label");
    EXPECT_EQ(label.text(), "Contract title");
    EXPECT_EQ(label.getString(Prop::Tooltip), "Contract tip");
    label.setText("Plain now");
    EXPECT_EQ(label.text(), "Plain now");
    EXPECT_EQ(label.getString(Prop::TextId), "");
    label.setTextId("page_text");
    EXPECT_EQ(label.text(), "Page text");
    EXPECT_EQ(label.getString(Prop::TextId), "page_text");
    label.setTextId("id_without_text");
    EXPECT_EQ(label.text(), "id_without_text");
    label.set(Prop::Tooltip, std::string("plain tip"));
    EXPECT_EQ(label.getString(Prop::Tooltip), "plain tip");
    EXPECT_EQ(label.getString(Prop::TooltipId), "");
    label.set(Prop::TooltipId, std::string("tip_text"));
    EXPECT_EQ(label.getString(Prop::Tooltip), "Contract tip");
    for (const char* name : {"push_btn", "radio_2", "check_box", "edit", "key_btn"}) {
        Control& c = at(*w, name);
        c.setTextId("title_text");
        EXPECT_EQ(c.text(), "Contract title") << name;
        c.setText("x");
        EXPECT_EQ(c.text(), "x") << name;
    }
}

TEST_P(ContractProperties, LooksRoundTripOnEveryClass) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    for (const char* name :
         {"root", "title_label", "push_btn", "radio_1", "check_box", "combo", "list", "slider",
          "edit", "stack", "key_btn", "progress", "palette", "chart", "host", "page_slot"}) {
        Control& c = at(*w, name);
        c.setBkColor(0x11223344);
        c.setTextColor(0xFF00FF00);
        c.set(Prop::BorderColor, colour(0xFF0000FF));
        c.set(Prop::BorderSize, std::int64_t{3});
        c.set(Prop::BkImage, std::string("ms/picture.png"));
        c.set(Prop::UserData, std::string("user data"));
        c.set(Prop::TooltipWidth, std::int64_t{220});
        c.set(Prop::TintEnabled, true);
        c.set(Prop::Tint, colour(0xFF123456));
        c.set(Prop::TintAlpha, std::int64_t{77});
        EXPECT_EQ(c.bkColor(), 0x11223344u) << name;
        EXPECT_EQ(c.getInt(Prop::TextColor), colour(0xFF00FF00)) << name;
        EXPECT_EQ(c.getInt(Prop::BorderColor), colour(0xFF0000FF)) << name;
        EXPECT_EQ(c.getInt(Prop::BorderSize), 3) << name;
        EXPECT_EQ(c.getString(Prop::BkImage), "ms/picture.png") << name;
        EXPECT_EQ(c.getString(Prop::UserData), "user data") << name;
        EXPECT_EQ(c.getInt(Prop::TooltipWidth), 220) << name;
        EXPECT_TRUE(c.getBool(Prop::TintEnabled)) << name;
        EXPECT_EQ(c.getInt(Prop::Tint), colour(0xFF123456)) << name;
        EXPECT_EQ(c.getInt(Prop::TintAlpha), 77) << name;
        c.setBkColor(0);
        c.set(Prop::BkImage, std::string());
        EXPECT_EQ(c.bkColor(), 0u) << name;
        EXPECT_EQ(c.getString(Prop::BkImage), "") << name;
    }
}

TEST_P(ContractProperties, KeyButtonPaletteAndProgressKeepTheirOwnState) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    Control& key = at(*w, "key_btn");
    key.set(Prop::Remapped, true);
    key.set(Prop::Light, true);
    key.set(Prop::LightColor, colour(0xFF00FF80));
    key.set(Prop::LightAlpha, std::int64_t{128});
    EXPECT_TRUE(key.getBool(Prop::Remapped));
    EXPECT_TRUE(key.getBool(Prop::Light));
    EXPECT_EQ(key.getInt(Prop::LightColor), colour(0xFF00FF80));
    EXPECT_EQ(key.getInt(Prop::LightAlpha), 128);
    key.set(Prop::Remapped, false);
    EXPECT_FALSE(key.getBool(Prop::Remapped));
    Control& palette = at(*w, "palette");
    palette.set(Prop::PaletteColor, colour(0xFF0199CB));
    EXPECT_EQ(palette.getInt(Prop::PaletteColor), colour(0xFF0199CB));
    Control& progress = at(*w, "progress");
    progress.setRange(0, 200);
    progress.setValue(150);
    EXPECT_EQ(progress.value(), 150);
    EXPECT_EQ(progress.getInt(Prop::Max), 200);
}

TEST_P(ContractProperties, SliderKeepsItsValueInsideItsRange) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    Control& slider = at(*w, "slider");
    slider.setValue(500);
    EXPECT_EQ(slider.value(), 90);
    slider.setValue(-5);
    EXPECT_EQ(slider.value(), 10);
    slider.set(Prop::Min, std::int64_t{50});
    EXPECT_EQ(slider.value(), 50);
    slider.set(Prop::Max, std::int64_t{20});
    EXPECT_EQ(slider.getInt(Prop::Min), 20);
    EXPECT_EQ(slider.getInt(Prop::Max), 20);
    EXPECT_EQ(slider.value(), 20);
    slider.set(Prop::Min, std::int64_t{40});
    EXPECT_EQ(slider.getInt(Prop::Max), 40);
    slider.setRange(0, 9);
    slider.setValue(4);
    EXPECT_EQ(slider.value(), 4);
    EXPECT_TRUE(recorder.notes.empty());
}

TEST_P(ContractProperties, PropertiesThatDoNotApplyAreIgnoredAndReadAsDefaults) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    Control& label = at(*w, "plain_label");
    label.setValue(5);
    label.setSelected(true, Notify::Yes);
    label.selectItem(0, Notify::Yes);
    label.set(Prop::Remapped, true);
    label.set(Prop::PaletteColor, colour(0xFFFFFFFF));
    EXPECT_EQ(label.value(), 0);
    EXPECT_FALSE(label.selected());
    EXPECT_EQ(label.selectedIndex(), -1);
    EXPECT_FALSE(label.getBool(Prop::Remapped));
    EXPECT_EQ(label.getInt(Prop::PaletteColor), 0);
    Control& push = at(*w, "push_btn");
    push.setSelected(true, Notify::Yes);
    EXPECT_FALSE(push.selected());
    label.addItem(textItem("x"));
    EXPECT_EQ(label.itemCount(), 0);
    Control& root = at(*w, "root");
    root.setText("container text");
    EXPECT_EQ(root.text(), "");
    EXPECT_EQ(root.getString(Prop::TextId), "");
    EXPECT_TRUE(recorder.notes.empty());
}

TEST_P(ContractProperties, TypedReadersConvertEachPropertyToItsWrittenForm) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    Control& push = at(*w, "push_btn");
    EXPECT_EQ(push.getString(Prop::BkColor), "0xFF102030");
    EXPECT_EQ(push.getString(Prop::Visible), "true");
    EXPECT_EQ(push.getString(Prop::BorderSize), "2");
    EXPECT_EQ(formatPropValue(Prop::Tint, push.get(Prop::Tint)), push.getString(Prop::Tint));
    EXPECT_EQ(at(*w, "combo").getString(Prop::Index), "1");
}

TEST_P(ContractVisibility, StackedLayoutShowsOnlyItsSelectedPage) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    Control& stack = at(*w, "stack");
    EXPECT_TRUE(at(*w, "page0_btn").visible());
    EXPECT_FALSE(at(*w, "page1_btn").visible());
    stack.selectPage(1);
    EXPECT_EQ(stack.selectedIndex(), 1);
    EXPECT_FALSE(at(*w, "page0_btn").visible());
    EXPECT_TRUE(at(*w, "page1_btn").visible());
    at(*w, "page1_btn").setVisible(false);
    stack.selectPage(0);
    stack.selectPage(1);
    EXPECT_FALSE(at(*w, "page1_btn").visible());
    stack.selectPage(7);
    EXPECT_EQ(stack.selectedIndex(), 1);
    EXPECT_TRUE(recorder.notes.empty());
}

// Showing a page that is not the selected one must not lay it over the selected page.
TEST_P(ContractVisibility, ShowingAPageDoesNotBringItOverTheSelectedOne) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    at(*w, "stack").selectPage(0);
    at(*w, "page_1").setVisible(true);
    EXPECT_TRUE(at(*w, "page0_btn").visible());
    EXPECT_FALSE(at(*w, "page1_btn").visible());
    at(*w, "stack").selectPage(1);
    EXPECT_TRUE(at(*w, "page1_btn").visible());
    EXPECT_FALSE(at(*w, "page0_btn").visible());
}

TEST_P(ContractVisibility, AControlIsShownOnlyWhenEverythingAboveItIs) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(at(*w, "hidden_panel").visible());
    EXPECT_FALSE(at(*w, "hidden_btn").visible());
    at(*w, "hidden_panel").setVisible(true);
    EXPECT_TRUE(at(*w, "hidden_btn").visible());
    at(*w, "page_slot").setVisible(false);
    EXPECT_FALSE(at(*w, "page_btn").visible());
    EXPECT_FALSE(at(*w, "page_label").visible());
    at(*w, "page_slot").setVisible(true);
    EXPECT_TRUE(at(*w, "page_btn").visible());
    // The window being hidden does not count: the program edits its pages while in the tray.
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(at(*w, "push_btn").visible());
}

TEST_P(ContractVisibility, AControlIsEnabledOnlyWhenEverythingAboveItIs) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(at(*w, "disabled_panel").enabled());
    EXPECT_FALSE(at(*w, "inner_btn").enabled());
    at(*w, "disabled_panel").setEnabled(true);
    EXPECT_TRUE(at(*w, "inner_btn").enabled());
    at(*w, "layout_panel").setEnabled(false);
    EXPECT_FALSE(at(*w, "layout_btn").enabled());
    at(*w, "layout_panel").setEnabled(true);
    at(*w, "layout_btn").setEnabled(false);
    EXPECT_FALSE(at(*w, "layout_btn").enabled());
    EXPECT_TRUE(at(*w, "layout_panel").enabled());
}

TEST_P(ContractVisibility, UsersCannotReachHiddenOrDisabledControls) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    w->show();
    recorder.clear();
    EXPECT_FALSE(driver().click(*w, "hidden_btn"));
    EXPECT_FALSE(driver().click(*w, "inner_btn"));
    EXPECT_FALSE(driver().click(*w, "page1_btn"));
    EXPECT_FALSE(driver().click(*w, "no_such_control"));
    at(*w, "slider").setEnabled(false);
    EXPECT_FALSE(driver().slide(*w, "slider", 40));
    at(*w, "edit").setVisible(false);
    EXPECT_FALSE(driver().type(*w, "edit", "typed"));
    EXPECT_FALSE(driver().hover(*w, "edit", true));
    EXPECT_TRUE(recorder.notes.empty());
    EXPECT_EQ(at(*w, "slider").value(), 30);
    EXPECT_EQ(at(*w, "edit").text(), "hello");
    at(*w, "disabled_panel").setEnabled(true);
    EXPECT_TRUE(driver().click(*w, "inner_btn"));
    EXPECT_EQ(recorder.count("click", "inner_btn"), 1);
}

}  // namespace quillon::toolkit::contract
