#pragma once
// CMsgWnd: the message box. It shows one text (a language text id, or plain text for messages
// the caller has already formatted) with confirm and cancel buttons, modally over its owner.

#include <string>

#include "toolkit/Toolkit.h"

namespace quillon::ui {

inline constexpr const char* kMessageBoxSkin = "XML_MSG";

class CMsgWnd final : public toolkit::WindowHandler {
  public:
    explicit CMsgWnd(toolkit::Toolkit& toolkit) : toolkit_(toolkit) {}

    // 1 when "confirm_btn" closed the box; 0 for "cancel_btn", "closebtn" or the notice's timer.
    // -1 when the box could not be built (the skin is missing).
    int run(toolkit::Window* owner, const std::string& text, bool isTextId, Millis autoCloseMs);

    void notify(const toolkit::Notification& notification) override;
    void onTimer(int id) override;

  private:
    toolkit::Toolkit& toolkit_;
    toolkit::Window* window_ = nullptr;
    int ticks_ = 0;
};

// The message box: 1 on confirm, 0 otherwise.
int showMessageBox(toolkit::Toolkit& toolkit, toolkit::Window* owner, const std::string& text,
                   bool isTextId);
// "message_text_20", closing itself 500 ms after it opens unless a button closes it first.
void showNotice(toolkit::Toolkit& toolkit, toolkit::Window* owner);

}  // namespace quillon::ui
