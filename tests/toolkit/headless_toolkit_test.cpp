// What only the headless toolkit offers or must get right on virtual time: exact timing, the
// harness's hooks (modal responder, file dialogs, menus, tray, links), refusal reasons, and
// handlers that destroy windows or threads that wait on windows that go away.
#include <gtest/gtest.h>

#include <atomic>

#include "platform/ClockSync.h"
#include "platform/VirtualClock.h"
#include "toolkit/headless/HeadlessToolkit.h"
#include "toolkit/skin_support.h"
#include "toolkit_contract/ToolkitDriver.h"

namespace quillon::toolkit::headless {
namespace {

Message messageOf(std::uint32_t id) {
    Message m;
    m.id = id;
    return m;
}

class Log : public WindowHandler {
  public:
    void notify(const Notification& n) override {
        lines.push_back(n.type + " " + n.sender);
        if (onNotify) {
            onNotify(n);
        }
    }
    void onTimer(int id) override {
        lines.push_back("timer " + std::to_string(id) + " @" + std::to_string(clock->now()));
        if (onTick) {
            onTick(id);
        }
    }
    bool onMessage(const Message& m) override {
        lines.push_back("message " + std::to_string(m.id) + " @" + std::to_string(clock->now()));
        return true;
    }
    Clock* clock = nullptr;
    std::vector<std::string> lines;
    std::function<void(const Notification&)> onNotify;
    std::function<void(int)> onTick;
};

class HeadlessTest : public ::testing::Test {
  protected:
    std::unique_ptr<HeadlessWindow> open(const std::string& skin = "XML_CONTRACT") {
        WindowSpec spec;
        spec.skin = skin;
        std::unique_ptr<Window> window = toolkit.createWindow(spec);
        if (window == nullptr) {
            return nullptr;
        }
        log.clock = &clock;
        window->setHandler(&log);
        return std::unique_ptr<HeadlessWindow>(static_cast<HeadlessWindow*>(window.release()));
    }

    VirtualClock clock;
    HeadlessToolkit toolkit{clock, contract::contractSkinDir()};
    Log log;
};

TEST_F(HeadlessTest, TimersAndMessagesRunInTimeOrderOnVirtualTime) {
    auto w = open();
    ASSERT_NE(w, nullptr);
    w->setTimer(1, 30);
    w->setTimer(2, 50);
    w->setTimer(3, 0);
    log.onTick = [&](int id) {
        if (id == 3) {
            w->killTimer(3);
            w->post(messageOf(0x401));
        }
    };
    toolkit.runUntil(100);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"timer 3 @1", "message 1025 @1", "timer 1 @30",
                                                   "timer 2 @50", "timer 1 @60", "timer 1 @90",
                                                   "timer 2 @100"}));
    EXPECT_EQ(clock.now(), 100);
    EXPECT_TRUE(w->hasTimer(1));
    EXPECT_FALSE(w->hasTimer(3));
}

TEST_F(HeadlessTest, ALoopThatFellBehindFiresATimerOnceAndKeepsItsPeriod) {
    auto w = open();
    ASSERT_NE(w, nullptr);
    w->setTimer(1, 10);
    clock.sleepFor(55);
    toolkit.runUntil(70);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"timer 1 @55", "timer 1 @65"}));
}

TEST_F(HeadlessTest, AWindowDestroyedByItsHandlerIsLeftAlone) {
    auto w = open();
    ASSERT_NE(w, nullptr);
    log.onNotify = [&](const Notification& n) {
        if (n.type == "click") {
            w.reset();
        }
    };
    ASSERT_TRUE(w->click("radio_2"));
    EXPECT_EQ(w, nullptr);
    EXPECT_EQ(log.lines, std::vector<std::string>{"click radio_2"});
    EXPECT_TRUE(toolkit.windows().empty());
}

TEST_F(HeadlessTest, ATimerHandlerMayDestroyItsWindow) {
    auto w = open();
    auto other = open();
    ASSERT_NE(w, nullptr);
    Log otherLog;
    otherLog.clock = &clock;
    other->setHandler(&otherLog);
    w->setTimer(1, 10);
    w->setTimer(2, 10);
    w->post(messageOf(0x999));
    other->setTimer(1, 10);
    log.onTick = [&](int) { w.reset(); };
    toolkit.runUntil(35);
    EXPECT_EQ(w, nullptr);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"message 2457 @0", "timer 1 @10"}));
    EXPECT_EQ(otherLog.lines,
              (std::vector<std::string>{"timer 1 @10", "timer 1 @20", "timer 1 @30"}));
}

TEST_F(HeadlessTest, ASenderIsReleasedWhenItsWindowGoesAway) {
    auto w = open();
    ASSERT_NE(w, nullptr);
    std::atomic<bool> returned{false};
    Worker worker(clock, "sender", [&] {
        w->send(messageOf(0x0901));
        returned = true;
    });
    clock.sleepFor(5);
    EXPECT_FALSE(returned);
    w.reset();
    EXPECT_TRUE(worker.joinFor(100));
    EXPECT_TRUE(returned);
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(HeadlessTest, QuitFromAWorkerEndsRun) {
    auto w = open();
    ASSERT_NE(w, nullptr);
    w->setTimer(1, 100);
    Worker worker(clock, "quitter", [&] {
        clock.sleepFor(250);
        toolkit.quit(7);
    });
    EXPECT_EQ(toolkit.run(), 7);
    EXPECT_EQ(clock.now(), 250);
    EXPECT_FALSE(toolkit.quitRequested());
    EXPECT_EQ(log.lines.size(), 2u);
}

TEST_F(HeadlessTest, TheModalResponderSeesTheWindowBeforeItsLoopRuns) {
    auto dialog = open("XML_DIALOG");
    ASSERT_NE(dialog, nullptr);
    HeadlessWindow* seen = nullptr;
    bool wasModal = false;
    toolkit.setModalResponder([&](HeadlessWindow& window) {
        seen = &window;
        wasModal = window.isModal() && window.isVisible();
        window.close(4);
    });
    EXPECT_EQ(dialog->runModal(), 4);
    EXPECT_EQ(seen, dialog.get());
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->closeResult(), 4);
    EXPECT_EQ(clock.now(), 0);
}

TEST_F(HeadlessTest, FileDialogsAreRecordedAndCancelledWithoutAResponder) {
    FileDialogSpec spec;
    spec.mode = FileDialogSpec::Mode::Save;
    spec.initialName = "*.png";
    EXPECT_EQ(toolkit.fileDialog(spec), std::nullopt);
    toolkit.setFileDialogResponder([](const FileDialogSpec& s) {
        return std::optional<std::string>("/data/" + s.initialName);
    });
    spec.initialName = "a.pro";
    EXPECT_EQ(toolkit.fileDialog(spec), "/data/a.pro");
    ASSERT_EQ(toolkit.fileDialogs().size(), 2u);
    EXPECT_EQ(toolkit.fileDialogs()[0].initialName, "*.png");
    EXPECT_EQ(toolkit.fileDialogs()[1].mode, FileDialogSpec::Mode::Save);
}

TEST_F(HeadlessTest, RecordsLinksCursorAndTheTrayIcon) {
    auto w = open();
    ASSERT_NE(w, nullptr);
    toolkit.openUrl("https://example.invalid/");
    EXPECT_EQ(toolkit.openedUrls(), std::vector<std::string>{"https://example.invalid/"});
    toolkit.setCursorPosition(Point{12, 34});
    EXPECT_EQ(toolkit.cursorPosition().y, 34);
    toolkit.createTrayIcon(*w, "common/icon.png", "RT5520");
    ASSERT_TRUE(toolkit.trayIcon().has_value());
    EXPECT_EQ(toolkit.trayIcon()->tooltip, "RT5520");
    w.reset();
    EXPECT_FALSE(toolkit.clickTray(true));
}

TEST_F(HeadlessTest, TheOpenMenuShowsItsItemsTranslatedAndClosesWithItsOwner) {
    ASSERT_TRUE(toolkit.loadLanguage("lan_en.xml"));
    auto w = open();
    ASSERT_NE(w, nullptr);
    toolkit.openMenu(*w, "menu_test.xml", {{"exit", "Close"}}, Point{5, 6});
    ASSERT_TRUE(toolkit.currentMenu().has_value());
    const OpenMenu& menu = *toolkit.currentMenu();
    EXPECT_EQ(menu.owner, w.get());
    EXPECT_EQ(menu.at.x, 5);
    ASSERT_EQ(menu.items.size(), 3u);
    EXPECT_EQ(toolkit.shownText(menu.items[0]), "Menu A");
    EXPECT_EQ(toolkit.shownText(menu.items[1]), "Plain B");
    EXPECT_EQ(toolkit.shownText(menu.items[2]), "Close");
    toolkit.dismissMenu();
    EXPECT_FALSE(toolkit.chooseMenuItem("exit"));
    toolkit.openMenu(*w, "menu_test.xml", {}, Point{});
    w.reset();
    EXPECT_FALSE(toolkit.currentMenu().has_value());
    EXPECT_FALSE(toolkit.chooseMenuItem("item_a"));
}

TEST_F(HeadlessTest, RefusedActionsSayWhy) {
    auto w = open();
    ASSERT_NE(w, nullptr);
    const auto reason = [](const ActionResult& r) { return r.ok ? std::string("ok") : r.error; };
    EXPECT_NE(reason(w->click("nothing_here")).find("no control named \"nothing_here\""),
              std::string::npos);
    EXPECT_NE(reason(w->click("hidden_btn")).find("hidden"), std::string::npos);
    EXPECT_NE(reason(w->click("inner_btn")).find("disabled"), std::string::npos);
    EXPECT_NE(reason(w->click("slider")).find("QSlider"), std::string::npos);
    EXPECT_NE(reason(w->unselect("radio_1")).find("group"), std::string::npos);
    EXPECT_NE(reason(w->unselect("check_box")).find("not selected"), std::string::npos);
    ASSERT_TRUE(w->select("check_box"));
    EXPECT_NE(reason(w->select("check_box")).find("already selected"), std::string::npos);
    EXPECT_NE(reason(w->slide("slider", 91)).find("10..90"), std::string::npos);
    EXPECT_NE(reason(w->itemClick("list", 3)).find("no item 3"), std::string::npos);
    EXPECT_NE(reason(w->itemClick("combo", 0)).find("QComboBox"), std::string::npos);
    EXPECT_NE(reason(w->chooseColour("push_btn", 1)).find("QPushButton"), std::string::npos);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"click check_box", "selectchanged check_box"}));
}

TEST_F(HeadlessTest, ClickingARowSelectsItAfterTellingTheClick) {
    auto w = open();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(w->itemClick("list", 2));
    ASSERT_TRUE(w->itemClick("list", 2));
    EXPECT_EQ(log.lines,
              (std::vector<std::string>{"itemclick list", "itemselect list", "itemclick list"}));
    EXPECT_EQ(w->control("list")->selectedIndex(), 2);
}

TEST_F(HeadlessTest, PaletteAndFocusActions) {
    auto w = open();
    ASSERT_NE(w, nullptr);
    Argb told = 0;
    log.onNotify = [&](const Notification& n) {
        if (n.type == "colorchanged") {
            told = n.colour;
        }
    };
    ASSERT_TRUE(w->chooseColour("palette", 0xFF112233));
    EXPECT_EQ(told, 0xFF112233u);
    EXPECT_EQ(w->control("palette")->getInt(Prop::PaletteColor), 0xFF112233);
    ASSERT_TRUE(w->focus("edit"));
    ASSERT_TRUE(w->focus("edit"));
    EXPECT_EQ(w->focusedControl(), w->control("edit"));
    ASSERT_TRUE(w->leave("edit"));
    EXPECT_EQ(w->focusedControl(), nullptr);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"colorchanged palette", "setfocus edit",
                                                   "killfocus edit"}));
}

TEST_F(HeadlessTest, KeepsTheSkinsPicturesAndWindowFlags) {
    auto w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->control("key_btn")->lightImage(), "kb/light.png");
    EXPECT_EQ(w->control("key_btn")->keySetImage(), "kb/set.png");
    EXPECT_EQ(w->control("key_btn")->kind(), ControlKind::KeyButton);
    EXPECT_EQ(w->control("page_slot")->kind(), ControlKind::Container);
    w->center();
    EXPECT_EQ(w->geometry().x, (1920 - 400) / 2);
    w->bringToFront();
    EXPECT_EQ(w->frontRequests(), 0);
    w->show();
    w->bringToFront();
    EXPECT_EQ(w->frontRequests(), 1);
    w->maximize();
    EXPECT_TRUE(w->isMaximized());
    w->restore();
    EXPECT_FALSE(w->isMaximized());
    EXPECT_EQ(toolkit.findWindow("xml_contract"), w.get());
}

TEST_F(HeadlessTest, SaysWhyAWindowWasNotBuiltAndWhichPagesStayedEmpty) {
    EXPECT_EQ(open("XML_ESCAPE"), nullptr);
    EXPECT_NE(toolkit.lastError().find("leaves the skin folder"), std::string::npos);
    WindowSpec spec;
    spec.skin = "XML_CONTRACT";
    spec.pageFile = [](std::string_view cls) {
        return cls == "Contract_Page_UI" ? std::string("no_page.xml") : std::string();
    };
    auto w = toolkit.createWindow(spec);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->find("page_btn"), nullptr);
    ASSERT_EQ(toolkit.lastWarnings().size(), 1u);
    EXPECT_NE(toolkit.lastWarnings()[0].find("page_slot"), std::string::npos);
}

TEST(HeadlessSkins, HostileSkinsBuildNoWindowOrAWindowWithoutTheBadPart) {
    testing::TempSkinFolder folder;
    folder.write("deep.xml", testing::uiFile(std::string(3000, ' ')));
    std::string deep;
    for (int i = 0; i < 3000; ++i) {
        deep += "<widget class=\"QWidget\">";
    }
    folder.write("too_deep.xml", "<ui><widget class=\"QWidget\">" + deep + "</ui>");
    folder.write("odd.xml", testing::uiFile(R"(
      <widget class="QSlider" name="s"><property name="minimum"><number>99999999999</number></property>
        <property name="value"><string>x</string></property></widget>
      <widget class="QComboBox" name="c"><property name="currentIndex"><number>40</number></property>
        <item/></widget>
      <widget class="QStackedWidget" name="st"><property name="currentIndex"><number>-4</number></property></widget>
      <widget class="QPushButton"><property name="bkcolor"><string>0xZZ</string></property></widget>)"));
    VirtualClock clock;
    HeadlessToolkit toolkit(clock, folder.path());
    WindowSpec spec;
    spec.skin = "too_deep.xml";
    EXPECT_EQ(toolkit.createWindow(spec), nullptr);
    spec.skin = "odd.xml";
    auto w = toolkit.createWindow(spec);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->find("c")->selectedIndex(), 0);
    EXPECT_EQ(w->find("c")->itemCount(), 1);
    EXPECT_EQ(w->find("st")->selectedIndex(), -1);
    EXPECT_LE(w->find("s")->value(), w->find("s")->getInt(Prop::Max));
    EXPECT_EQ(w->controls().size(), 4u);
}

}  // namespace
}  // namespace quillon::toolkit::headless
