#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/LanguageSettings.h"
#include "app/ProgramRig.h"

namespace quillon::apptest {
namespace {

using Messages = std::vector<std::string>;
using toolkit::Prop;

void chooseMenu(ProgramRig& rig, const std::string& name, const std::string& text) {
    toolkit::Message m;
    m.id = toolkit::kMsgMenuCommand;
    m.data = toolkit::MenuChoice{name, "", text};
    rig.window().post(std::move(m));
    rig.settle();
}

// A program with a mouse connected and its window in front.
struct ShownProgram : ProgramRig {
    ShownProgram() {
        start();
        sim().plug(SimKind::Mouse);
        run(1500);
    }
};

TEST(ShellWindowButtons, CloseOnlyMinimisesAndTheProgramGoesOn) {
    ShownProgram rig;
    ASSERT_TRUE(rig.window().isVisible());
    ASSERT_TRUE(rig.window().click("closebtn"));
    rig.settle();
    EXPECT_TRUE(rig.window().isMinimized());
    EXPECT_FALSE(rig.main().destroyed());
    EXPECT_GT(rig.main().workers().runningCount(), 0);

    rig.window().restore();
    // The skin hides these two (the window keeps its size); their routes still answer.
    rig.notify("click", "maxbtn");
    EXPECT_TRUE(rig.window().isMaximized());
    rig.notify("click", "RestoreBtn");
    EXPECT_FALSE(rig.window().isMaximized());
    ASSERT_TRUE(rig.window().click("minbtn"));
    EXPECT_TRUE(rig.window().isMinimized());
}

TEST(ShellMenus, TheMenuButtonOpensTheMainMenuAtTheCursor) {
    ShownProgram rig;
    rig.toolkit().setCursorPosition({120, 340});
    ASSERT_TRUE(rig.window().click("menubtn"));
    const auto& menu = rig.toolkit().currentMenu();
    ASSERT_TRUE(menu.has_value());
    EXPECT_EQ(menu->file, "menu.xml");
    EXPECT_EQ(menu->at.x, 120);
    EXPECT_EQ(menu->at.y, 340);
}

TEST(ShellMenus, ExitEndsTheProgramAndEveryWorker) {
    ShownProgram rig;
    ASSERT_GE(rig.main().workers().runningCount(), 5);
    const Millis before = rig.clock().now();
    chooseMenu(rig, "exit", "Close");
    EXPECT_TRUE(rig.main().destroyed());
    EXPECT_TRUE(rig.toolkit().quitRequested());
    EXPECT_EQ(rig.main().workers().runningCount(), 0);
    EXPECT_FALSE(rig.toolkit().trayIcon().has_value());
    // Every worker watched its stop signal: nobody needed the 10 s allowance.
    EXPECT_LT(rig.clock().now() - before, 1000);
}

TEST(ShellMenus, AnUnknownItemShowsTheMessageItsTextNames) {
    ShownProgram rig;
    chooseMenu(rig, "mystery_item", "message_text_8");
    EXPECT_EQ(rig.takeMessages(), (Messages{"message_text_8"}));
    for (const char* silent : {"qianting", "Menu_Import", "menu_export"}) {
        chooseMenu(rig, silent, "message_text_9");
    }
    EXPECT_EQ(rig.takeMessages(), (Messages{}));
    EXPECT_FALSE(rig.main().destroyed());
}

TEST(ShellMenus, AboutOpensAnotherWindowEachTimeAndItsLinkOpensThePage) {
    ShownProgram rig;
    chooseMenu(rig, "About_setting", "@menu_about");
    auto* about = rig.toolkit().findWindow("CopyRight.xml");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->owner(), &rig.main().window());
    ASSERT_TRUE(about->click("NetText"));
    ASSERT_EQ(rig.toolkit().openedUrls().size(), 1u);
    EXPECT_NE(rig.toolkit().openedUrls()[0].find("://"), std::string::npos);

    chooseMenu(rig, "about_setting", "@menu_about");
    EXPECT_EQ(rig.program().dialogs().openAboutWindows(), 2);
    ASSERT_TRUE(about->click("closebtn"));
    EXPECT_EQ(rig.program().dialogs().openAboutWindows(), 1);
}

struct ExitText {
    app::Language language;
    const char* text;
};

class TrayMenu : public testing::TestWithParam<ExitText> {};

TEST_P(TrayMenu, EndsWithTheExitItemInTheInterfaceLanguage) {
    ShownProgram rig;
    rig.main().language().load(GetParam().language);
    rig.toolkit().setCursorPosition({900, 700});
    ASSERT_TRUE(rig.toolkit().clickTray(false));
    rig.settle();
    const auto& menu = rig.toolkit().currentMenu();
    ASSERT_TRUE(menu.has_value());
    EXPECT_EQ(menu->file, "menu1.xml");
    EXPECT_EQ(menu->at.x, 900);
    EXPECT_EQ(menu->at.y, 650);
    ASSERT_FALSE(menu->items.empty());
    EXPECT_EQ(menu->items.back().name, "exit");
    EXPECT_EQ(rig.toolkit().shownText(menu->items.back()), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Languages, TrayMenu,
                         testing::Values(ExitText{app::Language::English, "Close"},
                                         ExitText{app::Language::SimplifiedChinese, "关闭"},
                                         ExitText{app::Language::TraditionalChinese, "關閉"}));

TEST(TrayClicks, WithoutADeviceTheWindowStaysHiddenAndSaysWhy) {
    ProgramRig rig;
    rig.start();
    ASSERT_TRUE(rig.toolkit().clickTray(true));
    rig.settle();
    EXPECT_EQ(rig.takeMessages(), (Messages{"message_text_1"}));
    EXPECT_FALSE(rig.window().isVisible());
}

TEST(TrayClicks, ALeftClickTogglesTheWindowAndRepaintsItOnce) {
    ShownProgram rig;
    ASSERT_TRUE(rig.window().isVisible());
    rig.toolkit().clickTray(true);
    rig.settle();
    EXPECT_FALSE(rig.window().isVisible());

    const int paints = rig.window().invalidations();
    rig.toolkit().clickTray(true);
    rig.settle();
    EXPECT_TRUE(rig.window().isVisible());
    EXPECT_TRUE(rig.window().hasTimer(app::kTimerRepaint));
    rig.run(20);
    EXPECT_FALSE(rig.window().hasTimer(app::kTimerRepaint));
    EXPECT_GT(rig.window().invalidations(), paints);
    EXPECT_EQ(rig.takeMessages(), (Messages{}));
}

TEST(TrayClicks, AMinimisedWindowCountsAsHiddenAndComesBack) {
    ShownProgram rig;
    rig.window().minimize();
    rig.toolkit().clickTray(true);
    rig.settle();
    EXPECT_TRUE(rig.window().isVisible());
    EXPECT_FALSE(rig.window().isMinimized());
}

TEST(ShowRequests, SecondInstanceWithoutADeviceExplainsWithADeviceComesToTheFront) {
    ProgramRig rig;
    rig.start();
    rig.program().showRequest();
    rig.settle();
    EXPECT_EQ(rig.takeMessages(), (Messages{"message_text_1"}));
    EXPECT_FALSE(rig.window().isVisible());

    rig.sim().plug(SimKind::Mousepad);
    rig.run(1500);
    EXPECT_FALSE(rig.window().isVisible());  // the mousepad alone does not bring it up
    const int fronts = rig.window().frontRequests();
    rig.program().showRequest();
    rig.settle();
    EXPECT_TRUE(rig.window().isVisible());
    EXPECT_GT(rig.window().frontRequests(), fronts);
    EXPECT_EQ(rig.takeMessages(), (Messages{}));
}

// The ring shows for the whole write: empty when it begins, full when it ends, then hidden a
// second later (the hide message of old hid it as the write began, so it was never seen).
TEST(ShellTimers, TheProgressShowsWhileADeviceIsWrittenAndHidesASecondAfter) {
    ShownProgram rig;
    toolkit::Control* progress = rig.find("setting_progress");
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->className(), "CircleProgress");
    EXPECT_FALSE(progress->visible());
    rig.post(app::kMsgShowProgress);
    EXPECT_TRUE(progress->visible());
    EXPECT_EQ(progress->value(), 0);
    EXPECT_EQ(progress->getInt(toolkit::Prop::Max), 100);
    rig.post(app::kMsgStartProgressTimer);
    EXPECT_EQ(progress->value(), 100);
    rig.run(990);
    EXPECT_TRUE(progress->visible());
    rig.run(20);
    EXPECT_FALSE(progress->visible());
    EXPECT_FALSE(rig.window().hasTimer(app::kTimerHideProgress));

    // A second write that begins within the second keeps the ring until its own end.
    rig.post(app::kMsgShowProgress);
    rig.post(app::kMsgStartProgressTimer);
    rig.run(500);
    rig.post(app::kMsgShowProgress);
    EXPECT_EQ(progress->value(), 0);
    rig.run(1000);
    EXPECT_TRUE(progress->visible());
    rig.post(app::kMsgStartProgressTimer);
    rig.run(1010);
    EXPECT_FALSE(progress->visible());
}

TEST(ShellMessages, LosingTheActivationEndsInputCapture) {
    ShownProgram rig;
    int removed = 0;
    rig.main().hooks().removeInputHooks = [&removed] { ++removed; };
    rig.post(toolkit::kMsgActivate, 1);
    EXPECT_EQ(removed, 0);
    rig.post(toolkit::kMsgActivate, 0);
    EXPECT_EQ(removed, 1);
}

TEST(Dialogs, MessageBoxResultsAndTheSelfClosingNotice) {
    ShownProgram rig;
    app::Dialogs& dialogs = rig.main().dialogs();
    rig.answer(BoxAnswer::Confirm);
    EXPECT_EQ(dialogs.showMessage("message_text_5"), 1);
    rig.answer(BoxAnswer::Cancel);
    EXPECT_EQ(dialogs.showMessage("message_text_5"), 0);
    rig.answer(BoxAnswer::CloseButton);
    EXPECT_EQ(dialogs.showMessageBox("plain words", false), 0);
    EXPECT_EQ(rig.takeMessages(), (Messages{"message_text_5", "message_text_5", "plain words"}));

    rig.answer(BoxAnswer::Leave);
    const Millis before = rig.clock().now();
    dialogs.showNotice();
    EXPECT_EQ(rig.clock().now() - before, 500);
    EXPECT_EQ(rig.takeMessages(), (Messages{"message_text_20"}));
}

}  // namespace
}  // namespace quillon::apptest
