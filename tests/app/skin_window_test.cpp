#include <gtest/gtest.h>

#include "app/ProgramRig.h"
#include "app/SkinChange.h"

namespace quillon::apptest {
namespace {

using toolkit::headless::HeadlessWindow;

struct Recorder : app::ReceiverImpl {
    explicit Recorder(std::vector<std::string>& log, std::string name)
        : log_(log), name_(std::move(name)) {}
    std::int32_t receive(app::SkinChangedParam p) override {
        log_.push_back(name_ + ":" + p.backgroundImage);
        p.backgroundImage = "changed";  // each receiver has its own copy
        return 7;
    }
    std::int32_t respond(app::SkinChangedParam p,
                         app::ObserverImplBase<std::int32_t, app::SkinChangedParam>*) override {
        log_.push_back(name_ + " responds " + std::to_string(p.backgroundColour));
        return 0;
    }
    std::vector<std::string>& log_;
    std::string name_;
};

TEST(SkinBroadcaster, ReceiversHearInTheOrderTheyCameAndCanLeave) {
    app::ObserverImpl broadcaster;
    std::vector<std::string> log;
    Recorder a(log, "a");
    {
        Recorder b(log, "b");
        broadcaster.addReceiver(&a);
        broadcaster.addReceiver(nullptr);
        broadcaster.addReceiver(&b);
        EXPECT_EQ(broadcaster.broadcast({false, 0, "x.png"}), 0);
        EXPECT_EQ(log, (std::vector<std::string>{"a:x.png", "b:x.png"}));
        log.clear();
        broadcaster.notify({true, 5, {}});
        EXPECT_EQ(log, (std::vector<std::string>{"a responds 5", "b responds 5"}));
    }
    // b went away and took itself off the list.
    EXPECT_EQ(broadcaster.receiverCount(), 1u);
    log.clear();
    a.removeObserver();
    broadcaster.removeReceiver(nullptr);
    broadcaster.broadcast({false, 0, "y.png"});
    EXPECT_TRUE(log.empty());
}

// A program with a mouse connected, its window in front and the skin window open.
struct SkinRig : ProgramRig {
    SkinRig() {
        start();
        sim().plug(SimKind::Mouse);
        run(1500);
        EXPECT_TRUE(window().click("skinbtn"));
        settle();
    }
    HeadlessWindow* frame() {
        for (HeadlessWindow* w : toolkit().windows()) {
            if (w->skin() == "skin.xml" && w->isVisible()) {
                return w;
            }
        }
        return nullptr;
    }
};

TEST(SkinWindow, HangsBelowTheSkinButtonAndClosesWhenItLosesTheFocus) {
    SkinRig rig;
    HeadlessWindow* frame = rig.frame();
    ASSERT_NE(frame, nullptr);
    const toolkit::Rect main = rig.window().geometry();
    EXPECT_EQ(frame->geometry().x + frame->geometry().width, main.x + main.width - 128);
    EXPECT_EQ(frame->geometry().y, main.y + 40);
    frame->post(toolkit::messageOf(toolkit::kMsgActivate, 1));
    rig.settle();
    EXPECT_NE(rig.frame(), nullptr);
    frame->post(toolkit::messageOf(toolkit::kMsgActivate, 0));
    rig.settle();
    EXPECT_EQ(rig.frame(), nullptr);
    // A new click opens a new window.
    ASSERT_TRUE(rig.window().click("skinbtn"));
    rig.settle();
    EXPECT_NE(rig.frame(), nullptr);
}

TEST(SkinWindow, TheFileChooserTakesTheFocusWithoutClosingIt) {
    SkinRig rig;
    HeadlessWindow* frame = rig.frame();
    ASSERT_NE(frame, nullptr);
    rig.toolkit().setFileDialogResponder([&](const toolkit::FileDialogSpec& spec) {
        EXPECT_EQ(spec.defaultExtension, "png");
        frame->send(toolkit::messageOf(toolkit::kMsgActivate, 0));
        return std::optional<std::string>("/srv/mine.png");
    });
    ASSERT_TRUE(frame->click("skin_Custom"));
    rig.settle();
    EXPECT_EQ(rig.frame(), frame);
    EXPECT_EQ(rig.find("root")->getString(toolkit::Prop::BkImage), "/srv/mine.png");
}

TEST(SkinWindow, AnImageButtonWithoutAPictureChangesNothing) {
    SkinRig rig;
    HeadlessWindow* frame = rig.frame();
    ASSERT_NE(frame, nullptr);
    frame->find("skin_image_btn_3")->set(toolkit::Prop::UserData, std::string());
    ASSERT_TRUE(frame->click("skin_image_btn_3"));
    rig.settle();
    EXPECT_EQ(rig.find("root")->getString(toolkit::Prop::BkImage), "common/background.png");
    EXPECT_FALSE(IniFile(rig.main().paths().settingsFile()).find("SKINIMAGE", "FLAGS"));
}

}  // namespace
}  // namespace quillon::apptest
