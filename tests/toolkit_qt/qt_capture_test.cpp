// What the Qt capture adds to the contract: the window holds the keyboard grab while armed, keys
// are withheld from the widgets except the lock keys, a held key repeats as presses only, and
// keys without a virtual key are swallowed without a message.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

#include "toolkit/qt/QtInputCapture.h"
#include "toolkit/qt/QtToolkit.h"
#include "toolkit/qt/QtWindow.h"
#include "toolkit_contract/ToolkitDriver.h"
#include "toolkit_qt/qt_driver.h"

namespace quillon::toolkit::qt {
namespace {

class Messages : public WindowHandler {
  public:
    void notify(const Notification&) override {}
    bool onMessage(const Message& m) override {
        if (m.id == kMsgHookKeySingleKey) {
            keys.push_back(m);
        }
        return true;
    }
    std::vector<Message> keys;
};

// Counts the key presses that reach a widget.
class KeySpy : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            ++presses;
        }
        return false;
    }
    int presses = 0;
};

class QtCapture : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureQtApplication();
        toolkit = std::make_unique<QtToolkit>(contract::contractSkinDir());
        WindowSpec spec;
        spec.skin = "XML_CONTRACT";
        window = toolkit->createWindow(spec);
        ASSERT_NE(window, nullptr);
        window->setHandler(&messages);
        window->show();
        root = static_cast<QtWindow&>(*window).root();
        root->installEventFilter(&spy);
    }
    void TearDown() override {
        toolkit->inputCapture().remove();
        window.reset();
        toolkit.reset();
    }

    bool press(quint32 evdev, bool autoRepeat = false, QEvent::Type type = QEvent::KeyPress) {
        QKeyEvent event(type, Qt::Key_unknown, Qt::NoModifier, evdev == 0 ? 0 : evdev + 8, 0, 0,
                        QString(), autoRepeat);
        return QCoreApplication::sendEvent(root->windowHandle(), &event);
    }

    std::unique_ptr<QtToolkit> toolkit;
    std::unique_ptr<Window> window;
    QWidget* root = nullptr;
    Messages messages;
    KeySpy spy;
};

TEST_F(QtCapture, TheWindowHoldsTheKeyboardOnlyWhileArmed) {
    EXPECT_EQ(QWidget::keyboardGrabber(), nullptr);
    ASSERT_TRUE(toolkit->inputCapture().arm(*window, CaptureMode::KeyboardSingleKey, true, false));
    EXPECT_EQ(QWidget::keyboardGrabber(), root);
    toolkit->inputCapture().remove();
    EXPECT_EQ(QWidget::keyboardGrabber(), nullptr);
    press(30);
    EXPECT_TRUE(messages.keys.empty());

    // Watching the mouse alone leaves the keyboard where it was.
    ASSERT_TRUE(toolkit->inputCapture().arm(*window, CaptureMode::MouseMacro, false, true));
    EXPECT_EQ(QWidget::keyboardGrabber(), nullptr);
}

TEST_F(QtCapture, KeysAreWithheldFromTheWidgetsExceptTheLockKeys) {
    ASSERT_TRUE(toolkit->inputCapture().arm(*window, CaptureMode::KeyboardSingleKey, true, false));
    press(30);  // A
    press(96);  // keypad Enter
    EXPECT_EQ(spy.presses, 0);
    press(58);  // Caps Lock
    press(69);  // Num Lock
    press(70);  // Scroll Lock
    EXPECT_EQ(spy.presses, 3);
    ASSERT_EQ(messages.keys.size(), 5u);
    EXPECT_EQ(messages.keys[1].lParam, 13);
    EXPECT_EQ(keyEventOf(messages.keys[1])->flags, kKeyFlagExtended);
    EXPECT_EQ(messages.keys[4].lParam, 0x91);
}

TEST_F(QtCapture, AHeldKeyRepeatsAsPressesOnlyAndUnknownKeysAreSwallowedSilently) {
    ASSERT_TRUE(toolkit->inputCapture().arm(*window, CaptureMode::KeyboardSingleKey, true, false));
    press(30);
    press(30, true, QEvent::KeyRelease);
    press(30, true);
    press(30, false, QEvent::KeyRelease);
    ASSERT_EQ(messages.keys.size(), 3u);
    EXPECT_EQ(messages.keys[0].wParam, kKeyDown);
    EXPECT_EQ(messages.keys[1].wParam, kKeyDown);
    EXPECT_EQ(messages.keys[2].wParam, kKeyUp);

    messages.keys.clear();
    EXPECT_TRUE(press(0));      // no scan code at all
    EXPECT_TRUE(press(0x2F8));  // a code without a virtual key
    EXPECT_TRUE(messages.keys.empty());
    EXPECT_EQ(spy.presses, 0);
}

}  // namespace
}  // namespace quillon::toolkit::qt
