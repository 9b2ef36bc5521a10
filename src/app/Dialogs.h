#pragma once
// The small windows the shell and every page use: the message box, the self-closing notice and
// the About window. Implemented with the skins in ui/; the shell only sees this interface.

#include <string>

namespace quillon::app {

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Shows `text` (a language text id when `isTextId`) modally over the main window.
    // Returns 1 when "confirm_btn" closed the box, 0 otherwise.
    virtual int showMessageBox(const std::string& text, bool isTextId) = 0;
    int showMessage(const std::string& textId) { return showMessageBox(textId, true); }
    // "message_text_20", closing itself after 500 ms unless a button closes it first.
    virtual void showNotice() = 0;
    // Opens a new About window beside the main window.
    virtual void openAbout() = 0;
};

}  // namespace quillon::app
