// Contract: selected state of options and check boxes, option groups, combo and list entries and
// their selection, with and without notification.
#include "toolkit_contract/contract.h"

namespace quillon::toolkit::contract {

TEST_P(ContractSelection, OptionsOfAGroupExcludeEachOtherSilently) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    at(*w, "radio_2").setSelected(true);
    EXPECT_FALSE(at(*w, "radio_1").selected());
    EXPECT_TRUE(at(*w, "radio_2").selected());
    EXPECT_TRUE(recorder.notes.empty());
    at(*w, "radio_3").setSelected(true, Notify::Yes);
    EXPECT_FALSE(at(*w, "radio_2").selected());
    ASSERT_EQ(recorder.log(), std::vector<std::string>{"selectchanged radio_3"});
    EXPECT_TRUE(recorder.notes[0].selected);
    EXPECT_EQ(recorder.notes[0].control, w->find("radio_3"));
    at(*w, "tab_b").setSelected(true);
    EXPECT_FALSE(at(*w, "tab_a").selected());
    EXPECT_TRUE(at(*w, "radio_3").selected());
}

TEST_P(ContractSelection, AnOptionWithoutAGroupIsIndependent) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    at(*w, "radio_free").setSelected(true);
    EXPECT_TRUE(at(*w, "radio_free").selected());
    EXPECT_TRUE(at(*w, "radio_1").selected());
    at(*w, "radio_2").setSelected(true);
    EXPECT_TRUE(at(*w, "radio_free").selected());
    EXPECT_TRUE(driver().select(*w, "radio_free", false));
    EXPECT_FALSE(at(*w, "radio_free").selected());
    EXPECT_TRUE(at(*w, "radio_2").selected());
}

TEST_P(ContractSelection, NotifiesOnlyRealChangesAndOnlyWhenAsked) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    Control& check = at(*w, "check_box");
    check.setSelected(false, Notify::Yes);
    EXPECT_TRUE(recorder.notes.empty());
    check.setSelected(true, Notify::No);
    EXPECT_TRUE(recorder.notes.empty());
    check.setSelected(false, Notify::Yes);
    ASSERT_EQ(recorder.log(), std::vector<std::string>{"selectchanged check_box"});
    EXPECT_FALSE(recorder.notes[0].selected);
    check.setSelected(true, Notify::Yes);
    ASSERT_EQ(recorder.notes.size(), 2u);
    EXPECT_TRUE(recorder.notes[1].selected);
    at(*w, "radio_1").setSelected(true, Notify::Yes);
    EXPECT_EQ(recorder.notes.size(), 2u);
}

TEST_P(ContractSelection, ProgramCanDeselectAnOptionOfAGroup) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    at(*w, "radio_1").setSelected(false);
    EXPECT_FALSE(at(*w, "radio_1").selected());
    EXPECT_FALSE(at(*w, "radio_2").selected());
    EXPECT_FALSE(at(*w, "radio_3").selected());
    at(*w, "check_btn").setSelected(true);
    EXPECT_TRUE(at(*w, "check_btn").selected());
}

TEST_P(ContractItems, SelectsEntriesWithAndWithoutNotification) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    Control& combo = at(*w, "combo");
    combo.selectItem(2);
    EXPECT_EQ(combo.selectedIndex(), 2);
    EXPECT_TRUE(recorder.notes.empty());
    combo.selectItem(0, Notify::Yes);
    ASSERT_EQ(recorder.log(), std::vector<std::string>{"itemselect combo"});
    EXPECT_EQ(recorder.notes[0].index, 0);
    combo.selectItem(0, Notify::Yes);
    combo.selectItem(3, Notify::Yes);
    combo.selectItem(-7, Notify::Yes);
    EXPECT_EQ(combo.selectedIndex(), 0);
    EXPECT_EQ(recorder.notes.size(), 1u);
    combo.selectItem(-1);
    EXPECT_EQ(combo.selectedIndex(), -1);
    Control& list = at(*w, "list");
    list.selectItem(1, Notify::Yes);
    EXPECT_EQ(list.selectedIndex(), 1);
    EXPECT_EQ(recorder.count("itemselect", "list"), 1);
}

TEST_P(ContractItems, KeepsEntriesAsGivenAndShowsTheComboSelectionTranslated) {
    ASSERT_TRUE(toolkit().loadLanguage("lan_en.xml"));
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    Control& combo = at(*w, "combo");
    EXPECT_EQ(combo.item(0).text, "item_one");
    EXPECT_TRUE(combo.item(0).textIsId);
    EXPECT_EQ(combo.item(1).text, "Two");
    EXPECT_FALSE(combo.item(1).textIsId);
    EXPECT_EQ(combo.text(), "Two");
    combo.selectItem(0);
    EXPECT_EQ(combo.text(), "First item");
    Item entry;
    entry.text = "Profile 1";
    entry.id = "profile-1";
    entry.height = 30;
    entry.style = "listex_item_style";
    Control& list = at(*w, "list");
    list.addItem(entry);
    const Item back = list.item(3);
    EXPECT_EQ(back.text, "Profile 1");
    EXPECT_EQ(back.id, "profile-1");
    EXPECT_EQ(back.height, 30);
    EXPECT_EQ(back.style, "listex_item_style");
    EXPECT_FALSE(back.textIsId);
}

TEST_P(ContractItems, SelectionFollowsTheSelectedEntry) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    Control& list = at(*w, "list");  // Alpha, Beta, Gamma
    list.selectItem(1);
    list.insertItem(0, textItem("Zero"));  // Zero, Alpha, Beta, Gamma
    EXPECT_EQ(list.selectedIndex(), 2);
    list.insertItem(-1, textItem("Last"));  // ..., Gamma, Last
    EXPECT_EQ(list.itemCount(), 5);
    EXPECT_EQ(list.item(4).text, "Last");
    EXPECT_EQ(list.selectedIndex(), 2);
    list.removeItem(0);  // Alpha, Beta, Gamma, Last
    EXPECT_EQ(list.selectedIndex(), 1);
    EXPECT_EQ(list.item(1).text, "Beta");
    list.moveItem(1, 3);  // Alpha, Gamma, Last, Beta
    EXPECT_EQ(list.selectedIndex(), 3);
    EXPECT_EQ(list.item(3).text, "Beta");
    list.moveItem(0, 2);  // Gamma, Last, Alpha, Beta
    EXPECT_EQ(list.selectedIndex(), 3);
    EXPECT_EQ(list.item(2).text, "Alpha");
    list.moveItem(3, 0);  // Beta, Gamma, Last, Alpha
    EXPECT_EQ(list.selectedIndex(), 0);
    list.setItem(0, textItem("Beta renamed"));
    EXPECT_EQ(list.item(0).text, "Beta renamed");
    EXPECT_EQ(list.selectedIndex(), 0);
    list.removeItem(0);
    EXPECT_EQ(list.selectedIndex(), -1);
    EXPECT_EQ(list.itemCount(), 3);
    list.removeItem(9);
    list.setItem(9, textItem("nowhere"));
    list.moveItem(0, 9);
    EXPECT_EQ(list.itemCount(), 3);
    EXPECT_EQ(list.item(0).text, "Gamma");
    list.scrollToItem(2);
    EXPECT_TRUE(recorder.notes.empty());
}

TEST_P(ContractItems, EntriesAddedToAnEmptyControlLeaveItUnselected) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    for (const char* name : {"combo", "list"}) {
        Control& c = at(*w, name);
        c.clearItems();
        EXPECT_EQ(c.itemCount(), 0) << name;
        EXPECT_EQ(c.selectedIndex(), -1) << name;
        c.addItem(textItem("first"));
        c.addItem(textItem("second"));
        EXPECT_EQ(c.selectedIndex(), -1) << name;
        c.selectItem(1);
        c.clearItems();
        EXPECT_EQ(c.selectedIndex(), -1) << name;
    }
    EXPECT_EQ(at(*w, "combo").text(), "");
    EXPECT_TRUE(recorder.notes.empty());
}

}  // namespace quillon::toolkit::contract
