#include <gtest/gtest.h>

#include <filesystem>

#include "app/ProfilePanelTestSupport.h"
#include "platform/IniFile.h"
#include "profiles/ProfileCombo.h"

namespace quillon {
namespace {

using testing::ProfileProgram;

void choose(ProfileProgram& program, const std::string& combo, int index) {
    toolkit::Control& control = program.control(combo);
    control.selectItem(index);
    toolkit::Notification n;
    n.type = "itemselect";
    n.sender = combo;
    n.control = &control;
    n.index = index;
    program.main().notify(n);
}

void click(ProfileProgram& program, const std::string& button) {
    toolkit::Notification n;
    n.type = "click";
    n.sender = button;
    n.control = &program.control(button);
    program.main().notify(n);
}

std::vector<std::string> profile1() {
    return {"profile1"};
}

bool exists(const std::string& path) {
    return std::filesystem::exists(path);
}

TEST(ProfilePanelSetUp, MissingDefaultStopsOnlyThatDevicesPage) {
    ProfileProgram program;
    program.removeDefault("kbdevicedefault.config");
    ASSERT_TRUE(program.start());
    EXPECT_EQ(program.dialogs.shown, std::vector<std::string>{"message_text_8"});
    for (const char* combo :
         {"kb_device_profile_combo", "kb_deng_profile_combo", "kb_key_profile_combo"}) {
        EXPECT_EQ(program.control(combo).itemCount(), 0) << combo;
    }
    EXPECT_FALSE(exists(program.dataDir() + "kb/kbProfile.ini"));
    EXPECT_FALSE(exists(program.dataDir() + "kb/profile1.config"));
    for (const char* combo : {"ms_device_profile_combo", "ms_deng_profile_combo",
                              "ms_key_profile_combo", "mp_deng_profile_combo"}) {
        EXPECT_EQ(program.comboItems(combo), profile1()) << combo;
    }
}

TEST(ProfilePanelSetUp, DefaultThatIsNoProfileFileStopsTheRestOfThatPage) {
    ProfileProgram program;
    program.replaceDefault("msdengdefault.led", std::vector<std::uint8_t>(80, 0x11));
    ASSERT_TRUE(program.start());
    EXPECT_EQ(program.dialogs.shown, std::vector<std::string>{"message_text_9"});
    // The device list comes before the lighting list and is kept; the key list after it is not
    // set up.
    EXPECT_EQ(program.comboItems("ms_device_profile_combo"), profile1());
    EXPECT_EQ(program.control("ms_deng_profile_combo").itemCount(), 0);
    EXPECT_EQ(program.control("ms_key_profile_combo").itemCount(), 0);
    const IniFile index(program.dataDir() + "ms/msProfile.ini");
    EXPECT_EQ(index.read("PROFILEDEVICECOUNT", "count"), "1");
    EXPECT_EQ(index.read("PROFILEDENGCOUNT", "count"), "0");
    EXPECT_EQ(index.read("PROFILECOUNT", "count"), "0");
    EXPECT_EQ(program.comboItems("mp_deng_profile_combo"), profile1());
    EXPECT_EQ(program.comboItems("kb_key_profile_combo"), profile1());
}

TEST(ProfilePanelEntries, SetUpEntriesKeepTheirLookAndLaterOnesTakeTheListStyle) {
    ProfileProgram program;
    ASSERT_TRUE(program.start());
    toolkit::Control& combo = program.control("ms_deng_profile_combo");
    const toolkit::Item first = combo.item(0);
    EXPECT_EQ(first.id, "profile1");
    EXPECT_EQ(first.height, 25);
    EXPECT_EQ(first.style, "");
    EXPECT_EQ(combo.selectedIndex(), -1);

    click(program, "ms_pro_deng_add_btn");
    ASSERT_EQ(combo.itemCount(), 2);
    EXPECT_EQ(combo.item(1).id, "profile2");
    EXPECT_EQ(combo.item(1).style, "listex_item_style");
    EXPECT_EQ(combo.item(1).height, 25);
    EXPECT_EQ(combo.selectedIndex(), 1);

    choose(program, "ms_deng_profile_combo", 0);
    program.control("ms_deng_profile_name_edit").setText("Quiet");
    click(program, "ms_deng_profile_edit_save_btn");
    EXPECT_EQ(combo.item(0).text, "Quiet");
    EXPECT_EQ(combo.item(0).id, "Quiet");
    EXPECT_EQ(combo.item(0).style, "");
    EXPECT_EQ(combo.selectedIndex(), 0);
}

TEST(ProfilePanelEntries, ComboFollowsTheListWithTheFewestEdits) {
    ProfileProgram program;
    ASSERT_TRUE(program.start());
    toolkit::Control& combo = program.control("mp_deng_profile_combo");
    auto styles = [&combo] {
        std::vector<std::string> out;
        for (int i = 0; i < combo.itemCount(); ++i) {
            out.push_back(combo.item(i).style.empty() ? "plain" : "styled");
        }
        return out;
    };
    showProfileEntries(combo, {"profile1", "a"});
    showProfileEntries(combo, {"profile1", "a", "b"});
    EXPECT_EQ(profileComboNames(combo), (std::vector<std::string>{"profile1", "a", "b"}));
    EXPECT_EQ(styles(), (std::vector<std::string>{"plain", "styled", "styled"}));
    showProfileEntries(combo, {"profile1", "b"});  // the middle one went
    EXPECT_EQ(profileComboNames(combo), (std::vector<std::string>{"profile1", "b"}));
    EXPECT_EQ(styles(), (std::vector<std::string>{"plain", "styled"}));
    showProfileEntries(combo, {"renamed", "b"});
    EXPECT_EQ(program.comboItems("mp_deng_profile_combo"),
              (std::vector<std::string>{"renamed", "b"}));
    EXPECT_EQ(styles(), (std::vector<std::string>{"plain", "styled"}));
    showProfileEntries(combo, {"x", "y", "z", "w"});  // no single edit gets there: rebuilt
    EXPECT_EQ(profileComboNames(combo), (std::vector<std::string>{"x", "y", "z", "w"}));
    EXPECT_EQ(styles(), (std::vector<std::string>(4, "styled")));
    showProfileEntries(combo, {});
    EXPECT_EQ(combo.itemCount(), 0);
}

TEST(ProfileApply, EverySelectedListReachesItsPageHooks) {
    ProfileProgram program;
    ASSERT_TRUE(program.start());
    program.recordHooks();
    DeviceModel& model = program.main().model();
    struct Case {
        const char* combo;
        std::vector<std::string> calls;
        bool marksPending;  // the list's device gets its current record sent by the flush
    };
    // The desktop reports speed 12 and 4 lines; the mouse lighting default stores 10 and 3.
    const Case cases[] = {
        {"ms_device_profile_combo",
         {"showAndApplyHostSettings 12 4", "refreshPage mouse", "refreshMouseButtonLabels 0"},
         true},
        {"ms_deng_profile_combo", {"showAndApplyHostSettings 10 3", "refreshPage mouse"}, true},
        {"ms_key_profile_combo", {"refreshMouseButtonLabels 0"}, false},
        {"kb_device_profile_combo", {"refreshPage keyboard", "refreshKeyboardKeys"}, true},
        {"kb_deng_profile_combo", {"refreshPage keyboard"}, true},
        {"kb_key_profile_combo", {"refreshKeyboardKeys"}, false},
        {"mp_deng_profile_combo", {"refreshPage mousepad"}, true},
    };
    for (const Case& c : cases) {
        for (DeviceKind kind : kAllDeviceKinds) {
            model.memory(kind).writePending = false;
        }
        program.hookCalls.clear();
        choose(program, c.combo, 0);
        EXPECT_EQ(program.hookCalls, c.calls) << c.combo;
        const std::string combo = c.combo;
        DeviceKind kind = DeviceKind::Keyboard;
        ASSERT_TRUE(kindFromName(combo.substr(0, 2), kind));
        EXPECT_EQ(model.memory(kind).writePending.load(), c.marksPending) << combo;
        // "ms_device_profile_combo" has the name field "ms_device_profile_name_edit".
        const std::string nameField = combo.substr(0, combo.rfind('_') + 1) + "name_edit";
        EXPECT_EQ(program.control(nameField).text(), "profile1") << combo;
    }
}

TEST(ProfileApply, ResetsGiveTheHostDefaultsAndRefreshTheirPages) {
    ProfileProgram program;
    ASSERT_TRUE(program.start());
    program.recordHooks();
    struct Case {
        const char* button;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"ms_pro_device_reset_btn",
         {"showAndApplyHostSettings 10 6", "refreshPage mouse", "showMouseButton 1"}},
        {"ms_pro_deng_reset_btn", {"showAndApplyHostSettings 10 1", "refreshPage mouse"}},
        {"ms_pro_key_reset_btn", {"refreshPage mouse"}},
        {"kb_pro_device_reset_btn", {"refreshPage keyboard"}},
        {"kb_pro_key_reset_btn", {"refreshPage keyboard"}},
        {"mp_pro_deng_reset_btn", {"refreshPage mousepad"}},
    };
    for (const Case& c : cases) {
        program.hookCalls.clear();
        click(program, c.button);
        EXPECT_EQ(program.hookCalls, c.calls) << c.button;
    }
    // The button page selects its first button when it has one.
    if (toolkit::Control* button = program.main().find("ms_key_1")) {
        EXPECT_TRUE(button->selected());
    }
    EXPECT_TRUE(program.dialogs.shown.empty());
}

TEST(ProfileApply, KeyProfilesCloseTheKeyFunctionPanel) {
    ProfileProgram program;
    ASSERT_TRUE(program.start());
    program.control("tab_switch").selectPage(0);
    program.control("kb_tab_switch").selectPage(2);
    toolkit::Control& panel = program.control("kb_tab_function");
    panel.setVisible(true);
    panel.setEnabled(true);
    ASSERT_TRUE(panel.visible());
    choose(program, "kb_deng_profile_combo", 0);  // a lighting profile leaves it open
    EXPECT_TRUE(panel.visible());
    choose(program, "kb_key_profile_combo", 0);
    EXPECT_FALSE(panel.visible());
    EXPECT_FALSE(panel.enabled());
    panel.setVisible(true);
    panel.setEnabled(true);
    click(program, "kb_pro_key_reset_btn");
    EXPECT_FALSE(panel.visible());
    EXPECT_FALSE(panel.enabled());
}

TEST(ProfileDefaults, MissingDefaultLeavesTheNewEntryWithoutAFileAndTheSelection) {
    ProfileProgram program;
    ASSERT_TRUE(program.start());
    choose(program, "ms_key_profile_combo", 0);
    program.removeDefault("mskeydefault.pro");
    click(program, "ms_pro_key_add_btn");
    EXPECT_EQ(program.dialogs.shown, std::vector<std::string>{"message_text_8"});
    EXPECT_EQ(program.comboItems("ms_key_profile_combo"),
              (std::vector<std::string>{"profile1", "profile2"}));
    EXPECT_EQ(program.control("ms_key_profile_combo").selectedIndex(), 0);
    EXPECT_FALSE(exists(program.dataDir() + "ms/profile2.pro"));
    const IniFile index(program.dataDir() + "ms/msProfile.ini");
    EXPECT_EQ(index.read("PROFILECOUNT", "count"), "2");
    EXPECT_EQ(index.read("PROFILENAME", "1"), "profile2");
    EXPECT_EQ(index.read("PROFILESELECT", "select"), "0");

    // Selecting the entry without a file keeps the model and still applies it.
    program.recordHooks();
    KeyTableBytes& table = program.main().model().memory(DeviceKind::Mouse).keyTables[0];
    table.fill(0x5A);
    KeyTableBytes unchanged;
    unchanged.fill(0x5A);
    choose(program, "ms_key_profile_combo", 1);
    EXPECT_EQ(table, unchanged);
    EXPECT_EQ(program.hookCalls, std::vector<std::string>{"refreshMouseButtonLabels 0"});

    // Reset needs the default too: nothing changes but the message.
    const auto before = testing::fileBytes(program.dataDir() + "ms/profile1.pro");
    choose(program, "ms_key_profile_combo", 0);
    program.dialogs.shown.clear();
    click(program, "ms_pro_key_reset_btn");
    EXPECT_EQ(program.dialogs.shown, std::vector<std::string>{"message_text_8"});
    EXPECT_EQ(testing::fileBytes(program.dataDir() + "ms/profile1.pro"), before);
}

TEST(ProfileFiles, ChoosersOfferTheListsOwnFiles) {
    ProfileProgram program;
    ASSERT_TRUE(program.start());
    // Nothing selected: no chooser opens.
    click(program, "ms_pro_key_import_btn");
    click(program, "ms_pro_key_export_btn");
    EXPECT_TRUE(program.fileDialogs().empty());

    choose(program, "ms_device_profile_combo", 0);
    click(program, "ms_pro_device_import_btn");
    choose(program, "kb_key_profile_combo", 0);
    click(program, "kb_pro_key_export_btn");
    choose(program, "mp_deng_profile_combo", 0);
    click(program, "mp_pro_deng_import_btn");
    using Mode = toolkit::FileDialogSpec::Mode;
    using Filters = std::vector<std::pair<std::string, std::string>>;
    const auto& asked = program.fileDialogs();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0].mode, Mode::Open);
    EXPECT_EQ(asked[0].filters, (Filters{{"(*.config)", "*.config"}}));
    EXPECT_EQ(asked[0].initialName, "*.config");
    EXPECT_EQ(asked[0].defaultExtension, "config");
    EXPECT_EQ(asked[1].mode, Mode::Save);
    EXPECT_EQ(asked[1].filters, (Filters{{"(*.pro)", "*.pro"}}));
    EXPECT_EQ(asked[1].defaultExtension, "pro");
    EXPECT_EQ(asked[2].filters, (Filters{{"(*.led)", "*.led"}}));
    EXPECT_EQ(asked[2].initialName, "*.led");
    // Every chooser was cancelled: the lists are as they were.
    EXPECT_EQ(program.comboItems("ms_device_profile_combo"), profile1());
    EXPECT_TRUE(program.dialogs.shown.empty());
}

TEST(ProfileHooks, SavingTheSelectedProfileWritesThatListsFile) {
    ProfileProgram program;
    ASSERT_TRUE(program.start());
    DeviceMemory& pad = program.main().model().memory(DeviceKind::Mousepad);
    for (std::size_t i = 0; i < pad.current.size(); ++i) {
        pad.current.set(i, static_cast<std::uint8_t>(0x40 + i));
    }
    const app::PageHooks& hooks = program.main().hooks();
    ASSERT_TRUE(hooks.saveSelectedProfile);
    hooks.saveSelectedProfile(DeviceKind::Mousepad, SyncHooks::ProfileList::Lighting);
    const auto bytes = testing::fileBytes(program.dataDir() + "mp/profile1.led");
    ASSERT_EQ(bytes.size(), 16u + 64u);
    for (std::size_t i = 0; i < pad.current.size(); ++i) {
        EXPECT_EQ(bytes[16 + i], 0x40 + i) << i;
    }

    program.host = HostSettings{14, 7};
    hooks.saveSelectedProfile(DeviceKind::Mouse, SyncHooks::ProfileList::Device);
    const auto device = testing::fileBytes(program.dataDir() + "ms/profile1.config");
    ASSERT_EQ(device.size(), 16u + 576u);
    EXPECT_EQ(device[16 + 512 + 38], 14);
    EXPECT_EQ(device[16 + 512 + 39], 7);

    // The mousepad has no key profiles: nothing is written anywhere.
    hooks.saveSelectedProfile(DeviceKind::Mousepad, SyncHooks::ProfileList::Key);
    EXPECT_FALSE(exists(program.dataDir() + "mp/profile1.pro"));
}

}  // namespace
}  // namespace quillon
