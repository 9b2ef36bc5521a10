// Contract: popup menus, the tray icon, language files and re-translation, file dialogs.
#include "toolkit_contract/contract.h"

namespace quillon::toolkit::contract {
namespace {

const MenuChoice* lastChoice(const Recorder& recorder) {
    for (auto it = recorder.messages.rbegin(); it != recorder.messages.rend(); ++it) {
        if (it->id == kMsgMenuCommand) {
            return std::any_cast<MenuChoice>(&it->data);
        }
    }
    return nullptr;
}

}  // namespace

TEST_P(ContractShell, AChosenMenuItemReachesTheOwnerWithNameDataAndText) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(driver().chooseMenuItem("item_a"));
    toolkit().openMenu(*w, "menu_test.xml", {{"exit", "Close"}}, Point{100, 200});
    EXPECT_FALSE(driver().chooseMenuItem("no_such_item"));
    ASSERT_TRUE(driver().chooseMenuItem("item_a"));
    ASSERT_TRUE(runUntil([&] { return lastChoice(recorder) != nullptr; }));
    const MenuChoice* choice = lastChoice(recorder);
    EXPECT_EQ(choice->name, "item_a");
    EXPECT_EQ(choice->userData, "ua");
    EXPECT_EQ(choice->text, "menu_a");
    EXPECT_FALSE(driver().chooseMenuItem("item_b"));
}

TEST_P(ContractShell, AppendedItemsFollowTheFilesOwnAndANewMenuReplacesTheOpenOne) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    toolkit().openMenu(*w, "menu_test.xml", {{"first_extra", "First"}}, Point{});
    toolkit().openMenu(*w, "menu_test.xml", {{"exit", "Close"}}, Point{});
    EXPECT_FALSE(driver().chooseMenuItem("first_extra"));
    ASSERT_TRUE(driver().chooseMenuItem("exit"));
    ASSERT_TRUE(runUntil([&] { return lastChoice(recorder) != nullptr; }));
    EXPECT_EQ(lastChoice(recorder)->name, "exit");
    EXPECT_EQ(lastChoice(recorder)->text, "Close");
    EXPECT_EQ(lastChoice(recorder)->userData, "");
}

TEST_P(ContractShell, AMenuFileThatCannotBeReadOpensNoMenu) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    toolkit().openMenu(*w, "no_such_menu.xml", {{"exit", "Close"}}, Point{});
    EXPECT_FALSE(driver().chooseMenuItem("exit"));
    toolkit().openMenu(*w, "../skin/menu_test.xml", {}, Point{});
    EXPECT_FALSE(driver().chooseMenuItem("item_a"));
    driver().runFor(20);
    EXPECT_EQ(lastChoice(recorder), nullptr);
}

TEST_P(ContractShell, TrayClicksReachTheTargetAsTrayMessages) {
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(driver().clickTray(true));
    toolkit().createTrayIcon(*w, "common/icon.png", "Quillon");
    ASSERT_TRUE(driver().clickTray(true));
    ASSERT_TRUE(driver().clickTray(false));
    ASSERT_TRUE(runUntil([&] { return recorder.messages.size() >= 2; }));
    EXPECT_EQ(recorder.messages[0].id, kMsgTray);
    EXPECT_EQ(recorder.messages[0].lParam, kTrayLeftUp);
    EXPECT_EQ(recorder.messages[1].id, kMsgTray);
    EXPECT_EQ(recorder.messages[1].lParam, kTrayRightUp);
    toolkit().removeTrayIcon();
    EXPECT_FALSE(driver().clickTray(true));
}

TEST_P(ContractShell, LoadingALanguageRetranslatesEveryLiveWindow) {
    ASSERT_TRUE(toolkit().loadLanguage("lan_en.xml"));
    Recorder first;
    Recorder second;
    auto a = open(first);
    auto b = open(second, "XML_DIALOG");
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    at(*a, "push_btn").setTextId("page_text");
    at(*a, "combo").selectItem(0);
    EXPECT_EQ(at(*a, "title_label").text(), "Contract title");
    EXPECT_EQ(at(*a, "push_btn").text(), "Page text");
    EXPECT_EQ(at(*b, "MessageText").text(), "Contract title");
    ASSERT_TRUE(toolkit().loadLanguage("lan_cn.xml"));
    EXPECT_EQ(at(*a, "title_label").text(), "契约标题");
    EXPECT_EQ(at(*a, "title_label").getString(Prop::Tooltip), "契约提示");
    EXPECT_EQ(at(*a, "page_label").text(), "页面文字");
    EXPECT_EQ(at(*a, "push_btn").text(), "页面文字");
    EXPECT_EQ(at(*a, "combo").text(), "第一项");
    EXPECT_EQ(at(*a, "plain_label").text(), "Plain");
    EXPECT_EQ(at(*b, "MessageText").text(), "契约标题");
    EXPECT_EQ(toolkit().translate("menu_a"), "菜单甲");
}

TEST_P(ContractShell, ALanguageFileThatCannotBeLoadedKeepsTheTexts) {
    ASSERT_TRUE(toolkit().loadLanguage("lan_en.xml"));
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(toolkit().loadLanguage("lan_missing.xml"));
    EXPECT_FALSE(toolkit().loadLanguage("lan_broken.xml"));
    EXPECT_FALSE(toolkit().loadLanguage("../skin/lan_cn.xml"));
    EXPECT_FALSE(toolkit().loadLanguage(contractSkinDir() + "lan_cn.xml"));
    EXPECT_FALSE(toolkit().loadLanguage("controls.xml"));
    EXPECT_EQ(at(*w, "title_label").text(), "Contract title");
    EXPECT_EQ(toolkit().translate("title_text"), "Contract title");
}

TEST_P(ContractShell, TranslateAsksTheTextQueryFirstThenTheFileElseGivesTheId) {
    ASSERT_TRUE(toolkit().loadLanguage("lan_en.xml"));
    EXPECT_EQ(toolkit().translate("TITLE_Text"), "Contract title");
    EXPECT_EQ(toolkit().translate("no_such_id"), "no_such_id");
    toolkit().setTextQuery([](std::string_view id) -> std::optional<std::string> {
        if (id == "title_text") {
            return std::string("Answered");
        }
        return std::nullopt;
    });
    EXPECT_EQ(toolkit().translate("title_text"), "Answered");
    EXPECT_EQ(toolkit().translate("tip_text"), "Contract tip");
    Recorder recorder;
    auto w = open(recorder);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(at(*w, "title_label").text(), "Answered");
}

TEST_P(ContractShell, FileDialogsReturnTheAnswerOrNothingWhenCancelled) {
    FileDialogSpec save;
    save.mode = FileDialogSpec::Mode::Save;
    save.filters = {{"(*.pro)", "*.pro"}};
    save.initialName = "profile.pro";
    save.defaultExtension = "pro";
    driver().answerNextFileDialog(std::string("/tmp/quillon-contract/profile.pro"));
    EXPECT_EQ(toolkit().fileDialog(save),
              std::optional<std::string>("/tmp/quillon-contract/profile.pro"));
    driver().answerNextFileDialog(std::nullopt);
    FileDialogSpec open;
    open.filters = {{"(*.png)", "*.png"}};
    EXPECT_EQ(toolkit().fileDialog(open), std::nullopt);
}

}  // namespace quillon::toolkit::contract
