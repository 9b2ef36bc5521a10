#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/ProgramPages.h"
#include "app/ProgramRig.h"

namespace quillon::apptest {
namespace {

namespace fs = std::filesystem;
using Messages = std::vector<std::string>;
using toolkit::Prop;

// Counts the input-capture removals the tab changes ask for.
struct HookCounts {
    int removed = 0;
    int recordingCleared = 0;
    void install(app::CMainWnd& main) {
        main.hooks().removeInputHooks = [this] { ++removed; };
        main.hooks().clearMacroRecording = [this] { ++recordingCleared; };
    }
};

std::int64_t index(ProgramRig& rig, const std::string& name) {
    toolkit::Control* c = rig.find(name);
    return c == nullptr ? -100 : c->getInt(Prop::Index);
}

TEST(ShellTabs, MainTabsTurnThePagesAndEndInputCapture) {
    ProgramRig rig;
    rig.start();
    HookCounts hooks;
    hooks.install(rig.main());
    const char* tabs[] = {"kb_tab", "ms_tab", "mp_tab", "ani_tab", "split_tab"};
    for (int page = 4; page >= 0; --page) {
        rig.notify("selectchanged", tabs[page]);
        EXPECT_EQ(index(rig, "tab_switch"), page) << tabs[page];
    }
    EXPECT_EQ(hooks.removed, 5);
    EXPECT_EQ(hooks.recordingCleared, 5);
    // A tab losing its selection changes no page but still ends capture.
    rig.notify("selectchanged", "ms_tab", false);
    EXPECT_EQ(index(rig, "tab_switch"), 0);
    EXPECT_EQ(hooks.removed, 6);
}

TEST(ShellTabs, KeyboardPageTabs) {
    ProgramRig rig;
    rig.start();
    rig.notify("selectchanged", "kb_tab");
    rig.notify("selectchanged", "kb_macro_Op_tab");
    EXPECT_EQ(index(rig, "kb_tab_switch"), 1);
    EXPECT_FALSE(rig.find("kb_profile_fun_spread_btn")->getBool(Prop::Enabled));
    EXPECT_FALSE(rig.find("kb_key_profile_edit")->getBool(Prop::Enabled));

    rig.find("kb_tab_function")->setVisible(true);
    rig.notify("selectchanged", "kb_key_Op_tab");
    EXPECT_EQ(index(rig, "kb_tab_switch"), 2);
    EXPECT_FALSE(rig.find("kb_tab_function")->getBool(Prop::Enabled));
    EXPECT_TRUE(rig.find("kb_profile_fun_spread_btn")->getBool(Prop::Enabled));
    EXPECT_TRUE(rig.find("kb_tab_key_seting")->visible());
    EXPECT_FALSE(rig.find("kb_deng_layout")->visible());

    rig.notify("selectchanged", "kb_deng_Op_tab");
    EXPECT_EQ(index(rig, "kb_tab_switch"), 2);
    EXPECT_TRUE(rig.find("kb_deng_layout")->visible());
    EXPECT_FALSE(rig.find("kb_tab_key_seting")->visible());

    rig.notify("selectchanged", "kb_cursor_Op_tab");
    EXPECT_EQ(index(rig, "kb_tab_switch"), 3);
}

TEST(ShellTabs, MousePageTabsAndTheFocusRow) {
    ProgramRig rig;
    rig.start();
    rig.notify("selectchanged", "ms_tab");
    const std::pair<const char*, int> tabs[] = {{"ms_macro_Op_tab", 1},
                                                {"ms_rich_Op_tab", 3},
                                                {"ms_cursor_Op_tab", 4},
                                                {"ms_deng_Op_tab", 0},
                                                {"ms_key_Op_tab", 2}};
    for (const auto& [tab, page] : tabs) {
        rig.notify("selectchanged", tab);
        EXPECT_EQ(index(rig, "ms_tab_switch"), page) << tab;
    }
    EXPECT_TRUE(rig.find("ms_tab_function")->visible());

    rig.find("ms_profile_fun_spead_tab")->setVisible(true);
    rig.notify("setfocus", "ms_key_Op_tab");
    EXPECT_FALSE(rig.find("ms_profile_fun_spead_tab")->visible());
}

TEST(EditingGuard, WhileAMacroIsEditedOtherSelectionsAreUndone) {
    ProgramWithPages folder(
        {{"Mouse_macro.xml", page("QWidget", {"ms_macro_tab_saveorcancel"})},
         {"keyboard_macro.xml", page("QWidget", {"kb_macro_tab_saveorcancel"})}});
    ProgramRig rig(nullptr, folder.path());
    rig.start();
    HookCounts hooks;
    hooks.install(rig.main());
    rig.notify("selectchanged", "ms_tab");
    rig.notify("selectchanged", "ms_macro_Op_tab");
    ASSERT_TRUE(rig.find("ms_macro_tab_saveorcancel")->visible());
    const int removedBefore = hooks.removed;

    rig.notify("selectchanged", "kb_tab");
    EXPECT_EQ(rig.takeMessages(), (Messages{"message_text_3"}));
    EXPECT_EQ(index(rig, "tab_switch"), 1);
    EXPECT_TRUE(rig.find("ms_tab")->selected());
    EXPECT_TRUE(rig.find("ms_macro_Op_tab")->selected());
    EXPECT_EQ(hooks.removed, removedBefore);  // the guard ran instead of the tab row

    // The editor's own tabs stay free.
    rig.notify("selectchanged", "ms_macro_Op_tab");
    rig.notify("selectchanged", "MS_TAB");
    EXPECT_EQ(rig.takeMessages(), (Messages{}));

    // Once editing ends the keyboard may be chosen.
    rig.find("ms_macro_tab_saveorcancel")->setVisible(false);
    rig.notify("selectchanged", "kb_tab");
    EXPECT_EQ(index(rig, "tab_switch"), 0);

    // The keyboard's editor guards its own tabs the same way.
    rig.notify("selectchanged", "kb_macro_Op_tab");
    ASSERT_TRUE(rig.find("kb_macro_tab_saveorcancel")->visible());
    rig.notify("selectchanged", "mp_tab");
    EXPECT_EQ(rig.takeMessages(), (Messages{"message_text_3"}));
    EXPECT_EQ(index(rig, "tab_switch"), 0);
    EXPECT_TRUE(rig.find("kb_macro_Op_tab")->selected());
}

TEST(KeyButtonMessages, ColourAndAlphaReachTheEntryOfTheTable) {
    std::vector<std::string> keys = numbered("kb_key_", 0, 9);  // 10..125 missing
    ProgramWithPages folder({{"keyboard_key.xml", page("DeviceKeyButton", keys)},
                             {"MousePad_deng.xml", page("QLabel", numbered("mp_dkey_", 10, 14))}});
    ProgramRig rig(nullptr, folder.path());
    rig.start();

    rig.post(app::kMsgKeyColour, 20, static_cast<std::intptr_t>(0xFF00FF00u));
    rig.post(app::kMsgKeyAlpha, 20, 128);
    EXPECT_EQ(rig.find("kb_key_5")->getInt(Prop::Tint), 0xFF00FF00);
    EXPECT_EQ(rig.find("kb_key_5")->getInt(Prop::TintAlpha), 128);
    EXPECT_NE(rig.find("kb_key_4")->getInt(Prop::Tint), 0xFF00FF00);

    rig.post(app::kMsgKeyColour, 14, static_cast<std::intptr_t>(0xFF0000FFu));
    EXPECT_EQ(rig.find("mp_dkey_14")->getInt(Prop::Tint), 0xFF0000FF);

    // Entries the skin lacks, and indexes past the table, are let go.
    for (std::uintptr_t missing : {std::uintptr_t{3}, std::uintptr_t{30}, std::uintptr_t{140},
                                   std::uintptr_t{141}, ~std::uintptr_t{0}}) {
        rig.post(app::kMsgKeyColour, missing, 1);
        rig.post(app::kMsgKeyAlpha, missing, 1);
    }
    rig.program().showRequest();
    rig.settle();
    EXPECT_EQ(rig.takeMessages(), (Messages{"message_text_1"}));
}

}  // namespace
}  // namespace quillon::apptest
