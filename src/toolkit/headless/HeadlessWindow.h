#pragma once
// A window of the headless toolkit: its controls built from the skin, its state (shown, minimised,
// modal), timers and messages through the toolkit's loop, and the user actions the scenario
// harness performs by control name.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/SkinFile.h"
#include "toolkit/Toolkit.h"
#include "toolkit/headless/EventLoop.h"
#include "toolkit/headless/HeadlessControl.h"

namespace quillon::toolkit::headless {

class HeadlessToolkit;

class HeadlessWindow final : public Window, private LoopTarget {
  public:
    HeadlessWindow(HeadlessToolkit& toolkit, const WindowSpec& spec, const SkinDocument& doc);
    ~HeadlessWindow() override;
    HeadlessWindow(const HeadlessWindow&) = delete;
    HeadlessWindow& operator=(const HeadlessWindow&) = delete;

    // Window
    const std::string& skin() const override { return skin_; }
    Control* find(std::string_view name) override { return control(name); }
    std::vector<Control*> controls() override;
    void setHandler(WindowHandler* handler) override { handler_ = handler; }
    void show() override;
    void hide() override;
    void minimize() override;
    void maximize() override;
    void restore() override;
    bool isVisible() const override { return visible_; }
    bool isMinimized() const override { return minimized_; }
    bool isExposed() const override { return visible_ && !minimized_ && !covered_; }
    void bringToFront() override;
    void center() override;
    Rect geometry() const override { return geometry_; }
    void move(int x, int y) override;
    void setTitle(const std::string& title) override { title_ = title; }
    void invalidate() override { ++invalidations_; }
    void close(int result) override;
    int runModal() override;
    void setTimer(int id, Millis period) override;
    void killTimer(int id) override;
    void post(Message message) override;
    void send(Message message) override;

    // Inspection.
    HeadlessToolkit& toolkit() const { return toolkit_; }
    HeadlessControl* control(std::string_view name) const;
    Window* owner() const { return owner_; }
    bool isToolWindow() const { return toolWindow_; }
    bool isMaximized() const { return maximized_; }
    bool isModal() const { return modal_; }
    int closeResult() const { return closeResult_; }
    int frontRequests() const { return frontRequests_; }
    int invalidations() const { return invalidations_; }
    const std::string& title() const { return title_; }
    HeadlessControl* focusedControl() const { return focus_; }
    bool hasTimer(int id) const;
    // Other windows cover this one wholly (or no longer do); announced as the desktop would.
    void setCovered(bool covered);

    // User actions by control name; a name the window lacks is refused.
    ActionResult click(std::string_view name);
    ActionResult select(std::string_view name);
    ActionResult unselect(std::string_view name);
    ActionResult choose(std::string_view name, int index);
    ActionResult itemClick(std::string_view name, int index);
    ActionResult slide(std::string_view name, int value);
    ActionResult drag(std::string_view name, int value);
    ActionResult type(std::string_view name, const std::string& text);
    ActionResult leave(std::string_view name);
    ActionResult focus(std::string_view name);
    ActionResult hover(std::string_view name);
    ActionResult unhover(std::string_view name);
    ActionResult chooseColour(std::string_view name, Argb colour);

    // Used by the controls.
    void deliver(const Notification& notification);
    void deselectGroup(const std::string& group, const HeadlessControl* keep);
    void moveFocus(HeadlessControl* to);
    void dropFocus(const HeadlessControl* from);
    // Expires when the window is destroyed, so an action can stop touching it when a handler
    // destroyed it.
    std::weak_ptr<const bool> aliveToken() const { return alive_; }

  private:
    void handleMessage(const Message& message) override;
    void handleTimer(int id) override;
    template <typename Action>
    ActionResult act(std::string_view name, Action action);
    // Announces "windowexposed" when isExposed() changed since the last announcement.
    void announceExposure();

    HeadlessToolkit& toolkit_;
    std::string skin_;
    std::string title_;
    Window* owner_;
    bool toolWindow_;
    std::vector<std::unique_ptr<HeadlessControl>> controls_;  // skin order, root first
    WindowHandler* handler_ = nullptr;
    Rect geometry_;
    bool visible_ = false;
    bool minimized_ = false;
    bool maximized_ = false;
    bool covered_ = false;
    bool exposedAnnounced_ = false;
    bool initSent_ = false;
    bool modal_ = false;
    bool closed_ = false;
    int closeResult_ = 0;
    int frontRequests_ = 0;
    int invalidations_ = 0;
    HeadlessControl* focus_ = nullptr;
    std::shared_ptr<const bool> alive_ = std::make_shared<const bool>(true);
};

}  // namespace quillon::toolkit::headless
