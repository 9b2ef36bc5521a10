// Acts as the user on the headless toolkit for the contract tests: actions go to the headless
// controls, time is a VirtualClock (or real time), modal windows and file dialogs take queued
// answers.
#include <deque>

#include "platform/VirtualClock.h"
#include "toolkit/headless/HeadlessToolkit.h"
#include "toolkit/headless_driver.h"

namespace quillon::toolkit::headless {
namespace {

class HeadlessDriver final : public contract::ToolkitDriver {
  public:
    explicit HeadlessDriver(std::unique_ptr<Clock> clock)
        : clock_(std::move(clock)), toolkit_(*clock_, contract::contractSkinDir()) {
        toolkit_.setModalResponder([this](HeadlessWindow& window) { answerModal(window); });
        toolkit_.setFileDialogResponder([this](const FileDialogSpec&) {
            std::optional<std::string> answer;
            if (!fileAnswers_.empty()) {
                answer = fileAnswers_.front();
                fileAnswers_.pop_front();
            }
            return answer;
        });
    }

    Toolkit& toolkit() override { return toolkit_; }

    bool click(Window& window, const std::string& name) override {
        return static_cast<bool>(headless(window).click(name));
    }
    bool select(Window& window, const std::string& name, bool selected) override {
        return static_cast<bool>(selected ? headless(window).select(name)
                                          : headless(window).unselect(name));
    }
    bool choose(Window& window, const std::string& name, int index) override {
        return static_cast<bool>(headless(window).choose(name, index));
    }
    bool slide(Window& window, const std::string& name, int value) override {
        return static_cast<bool>(headless(window).slide(name, value));
    }
    bool drag(Window& window, const std::string& name, int value) override {
        return static_cast<bool>(headless(window).drag(name, value));
    }
    bool type(Window& window, const std::string& name, const std::string& text) override {
        return static_cast<bool>(headless(window).type(name, text));
    }
    bool leave(Window& window, const std::string& name) override {
        return static_cast<bool>(headless(window).leave(name));
    }
    bool hover(Window& window, const std::string& name, bool inside) override {
        return static_cast<bool>(inside ? headless(window).hover(name)
                                        : headless(window).unhover(name));
    }

    void runFor(Millis ms) override { toolkit_.runFor(ms); }

    void answerNextModalWith(const std::string& controlName) override {
        modalAnswers_.push_back(controlName);
    }
    void answerNextFileDialog(std::optional<std::string> path) override {
        fileAnswers_.push_back(std::move(path));
    }
    bool chooseMenuItem(const std::string& name) override {
        return static_cast<bool>(toolkit_.chooseMenuItem(name));
    }
    bool clickTray(bool left) override { return static_cast<bool>(toolkit_.clickTray(left)); }

    // Without a capture the key or button reaches no window here.
    void pressKey(Window&, std::uint32_t evdevCode, bool down) override {
        (void)toolkit_.inputCapture().systemKey(evdevCode, down);
    }
    void pressButton(Window&, MouseButton button, bool down) override {
        (void)toolkit_.inputCapture().button(button, down);
    }

    int repaintsDuring(Window& window, const std::string& name,
                       const std::function<void()>& change) override {
        const HeadlessControl* control = headless(window).control(name);
        const int before = control != nullptr ? control->invalidations() : 0;
        change();
        return control != nullptr ? control->invalidations() - before : 0;
    }

  private:
    static HeadlessWindow& headless(Window& window) {
        return dynamic_cast<HeadlessWindow&>(window);
    }

    // A queued answer that names no usable control closes the window with -1, so a broken test
    // fails instead of waiting forever.
    void answerModal(HeadlessWindow& window) {
        if (modalAnswers_.empty()) {
            return;
        }
        const std::string name = modalAnswers_.front();
        modalAnswers_.pop_front();
        if (!window.click(name)) {
            window.close(-1);
        }
    }

    std::unique_ptr<Clock> clock_;
    HeadlessToolkit toolkit_;
    std::deque<std::string> modalAnswers_;
    std::deque<std::optional<std::string>> fileAnswers_;
};

}  // namespace

std::unique_ptr<contract::ToolkitDriver> makeHeadlessDriver() {
    return std::make_unique<HeadlessDriver>(std::make_unique<VirtualClock>());
}

std::unique_ptr<contract::ToolkitDriver> makeRealTimeHeadlessDriver() {
    return std::make_unique<HeadlessDriver>(makeSteadyClock());
}

}  // namespace quillon::toolkit::headless
