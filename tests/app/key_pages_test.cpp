// The key pages against the whole program, for what the skin alone cannot reach yet: macro
// functions (the macro editor fills the macro list), functions read back from a table, and the
// labels of macros named by the index file.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/ProgramRig.h"
#include "keys/KeyFunction.h"

namespace quillon::apptest {
namespace {

using keys::KeyFunction;
using toolkit::Notification;

class MousePage : public ::testing::Test {
  protected:
    void SetUp() override {
        rig.sim().plug(SimKind::Mouse);
        rig.start();
        rig.run(2000);
        rig.notify("selectchanged", "ms_tab");
        rig.notify("selectchanged", "ms_key_Op_tab");
        toolkit::Control* macros = rig.find("ms_key_fct_combo_23");
        ASSERT_NE(macros, nullptr);
        for (const char* name : {"Build", "Deploy", "Greet"}) {
            toolkit::Item item;
            item.text = name;
            macros->addItem(item);
        }
    }
    void choose(const std::string& combo, int index) {
        Notification n;
        n.type = "itemselect";
        n.sender = combo;
        n.index = index;
        rig.find(combo)->selectItem(index);
        rig.main().notify(n);
    }
    void type(const std::string& edit, const std::string& text) {
        Notification n;
        n.type = "textchanged";
        n.sender = edit;
        n.text = text;
        rig.find(edit)->setText(text);
        rig.main().notify(n);
    }
    void selectButton(int key) { rig.notify("selectchanged", "ms_key_" + std::to_string(key)); }
    KeyFunction key(int profile, int k) {
        return keys::keyAt(rig.main().model().memory(DeviceKind::Mouse).keyTables[profile], k);
    }
    int index(const std::string& combo) { return rig.find(combo)->selectedIndex(); }

    ProgramRig rig;
};

TEST_F(MousePage, MacroFunctionsPlayOrRepeatAndShowBack) {
    selectButton(3);
    choose("ms_key_fct_combo", 9);
    EXPECT_EQ(key(0, 3), (KeyFunction{0x10, 0x10, 0}));  // no macro chosen yet: nothing stored
    choose("ms_key_fct_combo_23", 2);
    choose("ms_key_fct_combo_24", 3);
    EXPECT_EQ(key(0, 3), (KeyFunction{0x70, 2, 3}));
    choose("ms_key_fct_combo_24", 4);
    type("ms_key_fct_edit_25", "9");
    EXPECT_EQ(key(0, 3), (KeyFunction{0x71, 2, 9}));

    selectButton(4);
    EXPECT_EQ(index("ms_key_fct_combo"), 0);  // its factory function
    EXPECT_FALSE(rig.find("ms_tab_function_9")->visible());
    selectButton(3);
    EXPECT_EQ(index("ms_key_fct_combo"), 9);
    EXPECT_EQ(index("ms_key_fct_combo_23"), 2);
    EXPECT_EQ(index("ms_key_fct_combo_24"), 4);
    EXPECT_EQ(rig.find("ms_key_fct_edit_25")->text(), "9");
    EXPECT_TRUE(rig.find("ms_tab_function_26")->visible());
}

TEST_F(MousePage, AMacroTheListDoesNotShowClearsTheSelectionAndKeepsTheMode) {
    selectButton(3);
    choose("ms_key_fct_combo", 9);
    choose("ms_key_fct_combo_23", 1);
    choose("ms_key_fct_combo_24", 2);
    keys::setKeyAt(rig.main().model().memory(DeviceKind::Mouse).keyTables[0], 5, {0x70, 5, 1});
    selectButton(5);
    EXPECT_EQ(index("ms_key_fct_combo"), 9);
    EXPECT_EQ(index("ms_key_fct_combo_23"), -1);
    EXPECT_EQ(index("ms_key_fct_combo_24"), 2);
    // Choosing a mode now stores nothing: no macro is chosen.
    choose("ms_key_fct_combo_24", 0);
    EXPECT_EQ(key(0, 5), (KeyFunction{0x70, 5, 1}));
}

TEST_F(MousePage, NumbersThatNameNoItemLeaveTheCombosAlone) {
    selectButton(6);
    choose("ms_key_fct_combo", 10);
    choose("ms_key_fct_combo_25", 1);
    auto& table = rig.main().model().memory(DeviceKind::Mouse).keyTables[0];
    keys::setKeyAt(table, 5, {0x72, 7, 0});
    rig.main().hooks().refreshMouseButtonLabels(0);  // sequence 8 does not exist: label stays
    selectButton(5);
    EXPECT_EQ(index("ms_key_fct_combo"), 10);
    EXPECT_EQ(index("ms_key_fct_combo_25"), 1);
    EXPECT_EQ(rig.find("ms_key_5")->getString(toolkit::Prop::TextId), "mouse_key_DPI_loop");
    keys::setKeyAt(table, 5, {0x70, 1, 9});
    selectButton(6);
    choose("ms_key_fct_combo", 9);
    choose("ms_key_fct_combo_24", 3);
    selectButton(5);
    EXPECT_EQ(index("ms_key_fct_combo_23"), 1);
    EXPECT_EQ(index("ms_key_fct_combo_24"), 3);
    EXPECT_EQ(key(0, 5), (KeyFunction{0x70, 1, 9}));
}

TEST_F(MousePage, DeviceFunctionsAreShownAndKeptUnchanged) {
    keys::setKeyAt(rig.main().model().memory(DeviceKind::Mouse).keyTables[0], 6,
                   {0xB0, 0x12, 0x34});
    rig.main().hooks().refreshMouseButtonLabels(0);
    const std::string before = rig.find("ms_key_6")->text();
    selectButton(6);
    EXPECT_EQ(key(0, 6), (KeyFunction{0xB0, 0x12, 0x34}));
    EXPECT_EQ(rig.find("ms_key_6")->text(), before);
}

TEST_F(MousePage, MacroLabelsComeFromTheIndexAsWritten) {
    const std::string folder = rig.dataDir() + "/ms";
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/msMacro.ini")
        << "[MACROCOUNT]\ncount=2\n[MACRONAME]\n0=Reload\n1=Burst &amp; run\n";
    selectButton(4);
    choose("ms_key_fct_combo", 9);
    choose("ms_key_fct_combo_23", 1);
    EXPECT_EQ(rig.find("ms_key_4")->text(), "Burst &amp; run");
    EXPECT_EQ(rig.find("ms_key_4")->getString(toolkit::Prop::TextId), "");
    // A number the index does not list leaves the label as it was.
    choose("ms_key_fct_combo_23", 2);
    EXPECT_EQ(key(0, 4), (KeyFunction{0x70, 2, 0}));
    EXPECT_EQ(rig.find("ms_key_4")->text(), "Burst &amp; run");
}

TEST_F(MousePage, ABrokenProfileNumberEditsProfileZero) {
    rig.main().model().memory(DeviceKind::Mouse).current.set(0, 9);
    selectButton(1);
    choose("ms_key_fct_combo", 4);
    choose("ms_key_fct_combo_14", 1);
    EXPECT_EQ(key(0, 1), (KeyFunction{0x13, 2, 0}));
}

}  // namespace
}  // namespace quillon::apptest
