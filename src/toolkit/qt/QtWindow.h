#pragma once
// A window of the Qt toolkit: a frameless top-level widget built from a skin, its named controls,
// its handler, timers and messages.

#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "toolkit/Toolkit.h"
#include "toolkit/Window.h"

class QButtonGroup;
class QEventLoop;
class QTimer;

namespace quillon::toolkit::qt {

class QtControl;
class QtToolkit;
class WindowFrame;

class QtWindow final : public Window {
  public:
    QtWindow(QtToolkit& toolkit, int id, const WindowSpec& spec, std::unique_ptr<QWidget> root,
             const std::vector<QWidget*>& named);
    ~QtWindow() override;
    QtWindow(const QtWindow&) = delete;
    QtWindow& operator=(const QtWindow&) = delete;

    const std::string& skin() const override { return skin_; }
    Control* find(std::string_view name) override;
    std::vector<Control*> controls() override;
    void setHandler(WindowHandler* handler) override { handler_ = handler; }

    void show() override;
    void hide() override;
    void minimize() override;
    void maximize() override;
    void restore() override;
    bool isVisible() const override;
    bool isMinimized() const override;
    bool isExposed() const override;
    void bringToFront() override;
    void center() override;
    Rect geometry() const override;
    void move(int x, int y) override;
    void setTitle(const std::string& title) override;
    void invalidate() override;

    void close(int result) override;
    int runModal() override;

    void setTimer(int id, Millis period) override;
    void killTimer(int id) override;
    void post(Message message) override;
    void send(Message message) override;

    // Toolkit side.
    int id() const { return id_; }
    QWidget* root() const { return root_.data(); }
    QtToolkit& toolkit() const { return toolkit_; }
    // Hands a notification to the handler; false when the window was destroyed meanwhile.
    bool deliver(const Notification& notification);
    // Runs a posted or sent message on the interface thread.
    void dispatch(const Message& message);
    void retranslate();
    QButtonGroup* optionGroup(const std::string& group);

  private:
    void setUpOptions();
    void startTimer(int id, Millis period);
    void stopTimer(int id);
    void timerFired(int id);
    // Announces "windowexposed" when isExposed() changed since the last announcement.
    void announceExposure();
    void polishWhenIdle();

    QtToolkit& toolkit_;
    const int id_;
    const std::string skin_;
    QPointer<QWidget> root_;
    std::vector<std::unique_ptr<QtControl>> controls_;
    std::unordered_map<std::string, QtControl*> byName_;  // lower-case name → first control
    std::map<std::string, QButtonGroup*> groups_;
    std::map<int, std::unique_ptr<QTimer>> timers_;
    std::unique_ptr<WindowFrame> frame_;
    WindowHandler* handler_ = nullptr;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    int delivering_ = 0;
    bool initialised_ = false;
    QEventLoop* modalLoop_ = nullptr;
    int* modalResult_ = nullptr;
    bool closeRequested_ = false;
    bool exposedAnnounced_ = false;
    bool showPending_ = false;  // the first show waits for the set-up of "windowinit"
    bool exposureCheckPosted_ = false;
};

}  // namespace quillon::toolkit::qt
