#pragma once
// CSkinFrame: the small borderless skin window that hangs below the main window's skin button.
// It offers background pictures and plain colours, the default picture and a picture of the user's
// own; a choice is broadcast to the main window at once, and an offered picture (or the default)
// is remembered in the settings file for the next start. It closes when it loses the focus.

#include <functional>
#include <memory>
#include <string>

#include "app/SkinChange.h"
#include "platform/IniFile.h"
#include "toolkit/Toolkit.h"

namespace quillon::ui {

inline constexpr const char* kSkinFrameSkin = "skin.xml";
inline constexpr const char* kDefaultBackground = "common/background.png";

class CSkinFrame final : public toolkit::WindowHandler {
  public:
    // `settings` is the settings file ("main.ini"); `closed` runs (on the interface thread, from
    // the frame's own handler) when the window has closed, so that its owner can let it go later.
    CSkinFrame(toolkit::Toolkit& toolkit, IniFile settings, std::function<void()> closed);
    ~CSkinFrame() override;
    CSkinFrame(const CSkinFrame&) = delete;
    CSkinFrame& operator=(const CSkinFrame&) = delete;

    // Builds the window from "skin.xml" and shows it with its top right corner at (right, top) of
    // the screen. False when the skin cannot be loaded.
    bool open(int right, int top);
    void close();
    bool isOpen() const { return open_; }
    toolkit::Window* window() { return window_.get(); }

    void notify(const toolkit::Notification& notification) override;
    bool onMessage(const toolkit::Message& message) override;

  private:
    void onClick(const std::string& name, toolkit::Control* sender);
    void chooseImage(const std::string& image);
    void chooseColour(toolkit::Argb colour);
    void restoreDefault();
    void chooseOwnPicture();
    void showPage(int page);

    toolkit::Toolkit& toolkit_;
    IniFile settings_;
    std::function<void()> closed_;
    std::unique_ptr<toolkit::Window> window_;
    bool open_ = false;
    bool choosingFile_ = false;  // the file dialog takes the focus without closing the frame
};

}  // namespace quillon::ui
