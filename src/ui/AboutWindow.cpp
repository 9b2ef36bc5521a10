#include "ui/AboutWindow.h"

#include "app/ControlName.h"
#include "platform/DebugLog.h"
#include "platform/Version.h"

namespace quillon::ui {

bool Ccopyright::open(toolkit::Window* owner) {
    toolkit::WindowSpec spec;
    spec.skin = kAboutSkin;
    spec.title = toolkit_.translate("about_title");
    spec.owner = owner;
    window_ = toolkit_.createWindow(spec);
    if (!window_) {
        debugLog("About window skin missing");
        return false;
    }
    window_->setHandler(this);
    if (toolkit::Control* version = window_->find("about_version_label")) {
        version->setText(toolkit_.translate("about_version") + " " + programVersion());
    }
    // Centred over the main window, so it is never placed off the screen.
    if (owner != nullptr) {
        const toolkit::Rect main = owner->geometry();
        const toolkit::Rect own = window_->geometry();
        window_->move(main.x + (main.width - own.width) / 2,
                      main.y + (main.height - own.height) / 2);
    } else {
        window_->center();
    }
    window_->show();
    window_->bringToFront();
    return true;
}

void Ccopyright::notify(const toolkit::Notification& n) {
    if (n.type != "click" || !window_) {
        return;
    }
    if (app::equalsNoCase(n.sender, "closebtn")) {
        window_->close(2);
    } else if (app::equalsNoCase(n.sender, "NetText")) {
        toolkit_.openUrl(projectAddress());
    }
}

}  // namespace quillon::ui
