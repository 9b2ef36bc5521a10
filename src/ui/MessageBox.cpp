#include "ui/MessageBox.h"

#include "app/ControlName.h"
#include "platform/DebugLog.h"

namespace quillon::ui {
namespace {

constexpr int kNoticeTimer = 1;
constexpr Millis kNoticeMs = 500;

}  // namespace

int CMsgWnd::run(toolkit::Window* owner, const std::string& text, bool isTextId,
                 Millis autoCloseMs) {
    toolkit::WindowSpec spec;
    spec.skin = kMessageBoxSkin;
    spec.title = "msgwnd";
    spec.owner = owner;
    spec.toolWindow = true;
    auto window = toolkit_.createWindow(spec);
    if (!window) {
        debugLog("message box skin missing");
        return -1;
    }
    window_ = window.get();
    window->setHandler(this);
    if (!text.empty()) {
        if (toolkit::Control* message = window->find("MessageText")) {
            message->set(isTextId ? toolkit::Prop::TextId : toolkit::Prop::Text, text);
        }
    }
    window->center();
    if (autoCloseMs > 0) {
        window->setTimer(kNoticeTimer, autoCloseMs);
    }
    const int result = window->runModal();
    window->killTimer(kNoticeTimer);
    window_ = nullptr;
    return result;
}

void CMsgWnd::notify(const toolkit::Notification& n) {
    if (n.type != "click" || window_ == nullptr) {
        return;
    }
    if (app::equalsNoCase(n.sender, "closebtn") || app::equalsNoCase(n.sender, "cancel_btn")) {
        window_->close(0);
    } else if (app::equalsNoCase(n.sender, "confirm_btn")) {
        window_->close(1);
    }
}

void CMsgWnd::onTimer(int id) {
    if (id != kNoticeTimer || window_ == nullptr) {
        return;
    }
    if (++ticks_ >= 1) {
        window_->killTimer(kNoticeTimer);
        window_->close(0);
    }
}

int showMessageBox(toolkit::Toolkit& toolkit, toolkit::Window* owner, const std::string& text,
                   bool isTextId) {
    CMsgWnd box(toolkit);
    return box.run(owner, text, isTextId, 0) == 1 ? 1 : 0;
}

void showNotice(toolkit::Toolkit& toolkit, toolkit::Window* owner) {
    CMsgWnd box(toolkit);
    box.run(owner, "message_text_20", true, kNoticeMs);
}

}  // namespace quillon::ui
