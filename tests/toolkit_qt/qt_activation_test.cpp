// The Qt window tells its handler when it gains or loses the activation, as a private message.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QTest>

#include "toolkit/qt/QtToolkit.h"
#include "toolkit/qt/QtWindow.h"
#include "toolkit_qt/qt_driver.h"
#include "toolkit_qt/temp_skin.h"

namespace quillon::toolkit::qt {
namespace {

class ActivationRecorder : public WindowHandler {
  public:
    void notify(const Notification&) override {}
    bool onMessage(const Message& message) override {
        if (message.id == kMsgActivate) {
            states.push_back(static_cast<int>(message.wParam));
        }
        return true;
    }
    std::vector<int> states;
};

TEST(QtWindowActivation, ReachesTheHandlerAsAPostedMessage) {
    ensureQtApplication();
    TempSkin skin;
    skin.write("plain.xml", TempSkin::ui(""));
    QtToolkit toolkit(skin.dir());
    WindowSpec spec;
    spec.skin = "plain.xml";
    auto window = toolkit.createWindow(spec);
    ASSERT_NE(window, nullptr);
    ActivationRecorder recorder;
    window->setHandler(&recorder);
    QWidget* root = dynamic_cast<QtWindow&>(*window).root();
    ASSERT_NE(root, nullptr);

    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(root, &deactivate);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(root, &activate);
    EXPECT_TRUE(recorder.states.empty());  // posted, not handled inside the event
    EXPECT_TRUE(QTest::qWaitFor([&] { return recorder.states.size() == 2; }, 2000));
    EXPECT_EQ(recorder.states, (std::vector<int>{0, 1}));
}

}  // namespace
}  // namespace quillon::toolkit::qt
