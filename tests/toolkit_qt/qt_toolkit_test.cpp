// What the Qt toolkit adds to the contract: skins it must refuse or repair, the frameless window,
// the colour overlay, the style sheet's pictures, and the interface thread's messages never
// dead-locking with a worker.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <atomic>

#include "platform/ClockSync.h"
#include "toolkit/qt/InterfaceClock.h"
#include "toolkit/qt/MessagePump.h"
#include "toolkit/qt/QtControl.h"
#include "toolkit/qt/QtToolkit.h"
#include "toolkit/qt/QtWindow.h"
#include "toolkit/qt/SkinComboBox.h"
#include "toolkit/qt/SkinImages.h"
#include "toolkit/qt/SkinStyle.h"
#include "toolkit_qt/qt_driver.h"
#include "toolkit_qt/temp_skin.h"

namespace quillon::toolkit::qt {
namespace {

std::string button(const std::string& name, int y = 10, const std::string& properties = {}) {
    return "<widget class=\"QPushButton\" name=\"" + name +
           "\"><property name=\"geometry\"><rect><x>10</x><y>" + std::to_string(y) +
           "</y><width>80</width><height>24</height></rect></property>" + properties +
           "</widget>\n";
}

std::string property(const std::string& name, const std::string& value,
                     const std::string& type = "string") {
    return "<property name=\"" + name + "\" stdset=\"0\"><" + type + ">" + value + "</" + type +
           "></property>";
}

class QtToolkitTest : public ::testing::Test {
  protected:
    void SetUp() override { ensureQtApplication(); }

    std::unique_ptr<Window> open(const std::string& file) {
        WindowSpec spec;
        spec.skin = file;
        spec.pageFile = [](std::string_view className) -> std::string {
            return className == "Loop_Page" ? "loop.xml" : "";
        };
        return toolkit().createWindow(spec);
    }
    QtToolkit& toolkit() {
        if (!toolkit_) {
            toolkit_ = std::make_unique<QtToolkit>(skin_.dir());
        }
        return *toolkit_;
    }
    static QWidget* widgetOf(Window& window, const std::string& name) {
        auto* control = dynamic_cast<QtControl*>(window.find(name));
        return control != nullptr ? control->widget() : nullptr;
    }

    TempSkin skin_;
    std::unique_ptr<QtToolkit> toolkit_;
};

class Recorder : public WindowHandler {
  public:
    void notify(const Notification& notification) override {
        types.push_back(notification.type + " " + notification.sender);
        if (onNotify) {
            onNotify(notification);
        }
    }
    std::vector<std::string> types;
    std::function<void(const Notification&)> onNotify;
};

TEST_F(QtToolkitTest, SkinsNestedTooDeeplyOrTooLargeAreRefused) {
    std::string deep;
    for (int i = 0; i < 200; ++i) {
        deep += "<widget class=\"QWidget\" name=\"w" + std::to_string(i) + "\">";
    }
    for (int i = 0; i < 200; ++i) {
        deep += "</widget>";
    }
    skin_.write("deep.xml", TempSkin::ui(deep));
    EXPECT_EQ(open("deep.xml"), nullptr);
    skin_.write("huge.xml", TempSkin::ui("<!--" + std::string(9u << 20, 'x') + "-->"));
    EXPECT_EQ(open("huge.xml"), nullptr);
    skin_.write("broken.xml", "<ui version=\"4.0\"><widget class=\"QWidget\" name=\"root\">");
    EXPECT_EQ(open("broken.xml"), nullptr);
}

TEST_F(QtToolkitTest, UnknownClassesKeepTheirPlaceAndDeclaredBasesAreUsed) {
    skin_.write("odd.xml", TempSkin::ui("<widget class=\"NoSuchThing\" name=\"odd\"/>\n"
                                        "<widget class=\"FancyButton\" name=\"fancy\"/>\n",
                                        {},
                                        "<customwidget><class>FancyButton</class>"
                                        "<extends>QPushButton</extends></customwidget>"));
    auto window = open("odd.xml");
    ASSERT_NE(window, nullptr);
    ASSERT_NE(window->find("odd"), nullptr);
    EXPECT_EQ(window->find("odd")->className(), "NoSuchThing");
    EXPECT_EQ(window->find("fancy")->className(), "FancyButton");
    EXPECT_NE(qobject_cast<QPushButton*>(widgetOf(*window, "fancy")), nullptr);
}

TEST_F(QtToolkitTest, APageThatHoldsItselfIsBuiltOnlyToALimitedDepth) {
    skin_.write("loop.xml", TempSkin::ui("<widget class=\"Loop_Page\" name=\"inner\"/>\n" +
                                         button("loop_btn", 40)));
    skin_.write("outer.xml", TempSkin::ui("<widget class=\"Loop_Page\" name=\"slot\"/>\n"));
    auto window = open("outer.xml");
    ASSERT_NE(window, nullptr);
    ASSERT_NE(window->find("loop_btn"), nullptr);
    const std::size_t count = window->controls().size();
    EXPECT_GT(count, 3u);
    EXPECT_LT(count, 40u);
}

TEST_F(QtToolkitTest, PicturesAreTakenOnlyFromInsideTheSkinFolder) {
    SkinImages images(QString::fromStdString(skin_.dir()));
    const QString folder = QString::fromStdString(skin_.dir());
    EXPECT_EQ(images.resolve("ms/key.png"), folder + "ms/key.png");
    EXPECT_EQ(images.resolve("file='ms/key.png' corner='2,2,2,2'"), folder + "ms/key.png");
    EXPECT_EQ(images.resolve("ms\\key.png"), folder + "ms/key.png");
    EXPECT_EQ(images.resolve("../outside.png"), QString());
    EXPECT_EQ(images.resolve("ms/../../outside.png"), QString());
    EXPECT_EQ(images.resolve("file='unterminated"), QString());
    EXPECT_EQ(images.resolve(""), QString());
    // A picture the user chose with the file dialog is named by its full path.
    EXPECT_EQ(images.resolve("/home/user/Pictures/mine.png"), "/home/user/Pictures/mine.png");
}

TEST_F(QtToolkitTest, TheStyleSheetsPicturesPointIntoTheSkinFolder) {
    skin_.write("quillon.qss",
                "QWidget#a { background-image: url(common/bg.png); }\n"
                "QWidget#b { background-image: url('../../etc/secret.png'); }\n");
    toolkit();
    ASSERT_NE(SkinStyle::current(), nullptr);
    const QString sheet = SkinStyle::current()->sheet();
    EXPECT_TRUE(sheet.contains(QString::fromStdString(skin_.dir()) + "common/bg.png"))
        << sheet.toStdString();
    EXPECT_FALSE(sheet.contains("secret")) << sheet.toStdString();
}

TEST_F(QtToolkitTest, AFramelessWindowIsDraggedByItsCaptionAndHasRoundCorners) {
    skin_.write("frame.xml",
                TempSkin::ui(button("in_caption", 2), property("caption", "30", "number") +
                                                          property("roundcorner", "12", "number")));
    auto window = open("frame.xml");
    ASSERT_NE(window, nullptr);
    QWidget* root = dynamic_cast<QtWindow&>(*window).root();
    EXPECT_TRUE(root->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(root->mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(root->mask().contains(QPoint(150, 100)));
    window->move(100, 100);
    window->show();
    QTest::mousePress(root, Qt::LeftButton, {}, QPoint(200, 10));
    QTest::mouseMove(root, QPoint(230, 20));
    QTest::mouseRelease(root, Qt::LeftButton, {}, QPoint(230, 20));
    EXPECT_EQ(window->geometry().x, 130);
    EXPECT_EQ(window->geometry().y, 110);
    // Below the caption the window stays where it is.
    QTest::mousePress(root, Qt::LeftButton, {}, QPoint(200, 100));
    QTest::mouseMove(root, QPoint(260, 150));
    QTest::mouseRelease(root, Qt::LeftButton, {}, QPoint(260, 150));
    EXPECT_EQ(window->geometry().x, 130);
}

TEST_F(QtToolkitTest, TheTintIsLaidOverTheControlsPicture) {
    skin_.writePicture("white.png", Qt::white, QSize(80, 24));
    skin_.write("tint.xml", TempSkin::ui(button("tinted", 10,
                                                property("bkimage", "white.png") +
                                                    property("tint", "true", "bool"))));
    auto window = open("tint.xml");
    ASSERT_NE(window, nullptr);
    Control& tinted = *window->find("tinted");
    QWidget* root = dynamic_cast<QtWindow&>(*window).root();
    tinted.set(Prop::Tint, std::int64_t{0xFF0000FF});
    tinted.set(Prop::TintAlpha, std::int64_t{255});
    EXPECT_EQ(root->grab().toImage().pixelColor(50, 22), QColor(Qt::blue));
    tinted.set(Prop::TintAlpha, std::int64_t{0});
    EXPECT_EQ(root->grab().toImage().pixelColor(50, 22), QColor(Qt::white));
    tinted.set(Prop::TintAlpha, std::int64_t{255});
    tinted.set(Prop::TintEnabled, false);
    EXPECT_EQ(root->grab().toImage().pixelColor(50, 22), QColor(Qt::white));
}

TEST_F(QtToolkitTest, AComboMakesItsListWhenFirstOpenedAndTheListFollowsItsStyle) {
    skin_.write("quillon.qss", "QComboBox { font-size: 17px; }\n");
    skin_.write("combo.xml",
                TempSkin::ui("<widget class=\"QComboBox\" name=\"combo\"><property "
                             "name=\"geometry\"><rect><x>10</x><y>10</y><width>120</width>"
                             "<height>24</height></rect></property><item><property "
                             "name=\"text\"><string>One</string></property></item></widget>"));
    auto window = open("combo.xml");
    ASSERT_NE(window, nullptr);
    window->show();
    auto* combo = qobject_cast<SkinComboBox*>(widgetOf(*window, "combo"));
    ASSERT_NE(combo, nullptr);
    QApplication::processEvents();
    EXPECT_EQ(combo->font().pixelSize(), 17);
    EXPECT_FALSE(combo->hasPopup());

    combo->showPopup();
    EXPECT_TRUE(combo->hasPopup());
    // The list is a window of its own: it has the box's font only when the box hands it over.
    EXPECT_EQ(combo->view()->window()->font().pixelSize(), 17);
    EXPECT_EQ(combo->view()->model()->rowCount(), 1);
    combo->hidePopup();

    // Once made, the list takes later changes as a plain combo's would. (The size stays the
    // sheet's: a sheet's font wins over one set in code.)
    QFont italic = combo->font();
    italic.setItalic(true);
    combo->setFont(italic);
    EXPECT_TRUE(combo->view()->window()->font().italic());
    EXPECT_EQ(combo->view()->window()->font().pixelSize(), 17);
}

TEST_F(QtToolkitTest, ATooltipWithAWidthIsWrappedAndReadBackPlain) {
    skin_.write("tip.xml", TempSkin::ui(button("tipped")));
    auto window = open("tip.xml");
    ASSERT_NE(window, nullptr);
    Control& tipped = *window->find("tipped");
    tipped.set(Prop::Tooltip, std::string("a<b & c"));
    tipped.set(Prop::TooltipWidth, std::int64_t{200});
    const QString shown = widgetOf(*window, "tipped")->toolTip();
    EXPECT_TRUE(shown.contains("width=\"200\"")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("a&lt;b &amp; c")) << shown.toStdString();
    EXPECT_EQ(tipped.getString(Prop::Tooltip), "a<b & c");
}

TEST_F(QtToolkitTest, AHandlerMayDestroyTheWindowWhoseControlItHandles) {
    skin_.write("gone.xml", TempSkin::ui(button("close_btn", 10,
                                                "<property name=\"checkable\"><bool>true</bool>"
                                                "</property>")));
    std::unique_ptr<Window> window = open("gone.xml");
    ASSERT_NE(window, nullptr);
    Recorder recorder;
    recorder.onNotify = [&](const Notification& n) {
        if (n.type == "click") {
            window.reset();
        }
    };
    window->show();
    window->setHandler(&recorder);
    QPointer<QWidget> closeButton = widgetOf(*window, "close_btn");
    QTest::mouseClick(closeButton, Qt::LeftButton);
    EXPECT_EQ(window, nullptr);
    EXPECT_EQ(recorder.types, std::vector<std::string>{"click close_btn"});
    QTest::qWait(10);
    EXPECT_TRUE(closeButton.isNull());
}

TEST_F(QtToolkitTest, QuitBeforeTheLoopRunsEndsItAtOnceWithTheCode) {
    toolkit().quit(5);
    EXPECT_EQ(toolkit().run(), 5);
}

TEST_F(QtToolkitTest, AWorkersSendNeverWaitsForAnInterfaceThreadThatWaitsForIt) {
    skin_.write("plain.xml", TempSkin::ui(button("b")));
    auto window = open("plain.xml");
    ASSERT_NE(window, nullptr);
    std::atomic<bool> ran{false};
    std::atomic<bool> returned{false};
    Worker worker(toolkit().clock(), "sender", [&] {
        window->sendTask([&] { ran = true; });
        returned = true;
    });
    // The interface thread waits for the worker through the clock, as a shutdown does.
    EXPECT_TRUE(worker.joinFor(5000));
    EXPECT_TRUE(returned);
    // The message was not lost: it runs once the loop runs again.
    EXPECT_TRUE(QTest::qWaitFor([&] { return ran.load(); }, 2000));
}

TEST(QtMessagePump, ASenderIsReleasedWhenItsMessageIsDroppedUnrun) {
    ensureQtApplication();
    InterfaceClock clock;
    auto pump = std::make_unique<MessagePump>(clock);
    std::atomic<bool> ran{false};
    std::atomic<bool> returned{false};
    Worker worker(clock, "sender", [&] {
        pump->send([&] { ran = true; });
        returned = true;
    });
    for (int i = 0; i < 2000 && pump->queued() == 0; ++i) {
        QTest::qSleep(1);  // not a clock wait: the sender must keep waiting for the message
    }
    ASSERT_EQ(pump->queued(), 1);
    EXPECT_FALSE(returned);
    pump.reset();
    EXPECT_TRUE(worker.joinFor(5000));
    EXPECT_TRUE(returned);
    EXPECT_FALSE(ran);
}

}  // namespace
}  // namespace quillon::toolkit::qt

namespace quillon::toolkit::qt {
namespace {

class QtModalKeys : public QtToolkitTest {};

// Escape in a modal window acts as its close button, so the dialog's own handler decides.
TEST_F(QtModalKeys, EscapeClicksTheCloseButtonOfAModalWindow) {
    skin_.write("dialog.xml", TempSkin::ui(button("closebtn") + button("okbtn", 40)));
    auto window = open("dialog.xml");
    ASSERT_NE(window, nullptr);
    Recorder recorder;
    recorder.onNotify = [&](const Notification& n) {
        if (n.type == "click" && n.sender == "closebtn") {
            window->close(2);
        }
    };
    window->setHandler(&recorder);
    QTimer::singleShot(50, [&] {
        QWidget* focus = QApplication::activeWindow();
        QTest::keyClick(focus != nullptr ? focus : widgetOf(*window, "okbtn"), Qt::Key_Escape);
    });
    QTimer::singleShot(3000, [&] { window->close(-1); });  // the test's own safety net
    EXPECT_EQ(window->runModal(), 2);
    EXPECT_NE(std::find(recorder.types.begin(), recorder.types.end(), "click closebtn"),
              recorder.types.end());
}

}  // namespace
}  // namespace quillon::toolkit::qt
