#include "ui/SkinModule.h"

#include "app/MainWindow.h"
#include "app/RouteOrder.h"

namespace quillon::ui {
namespace {

// Where the skin button's lower right corner lies in the main window (see "skinbtn" in
// main.xml): the skin window hangs below it, right edges together.
constexpr int kAnchorRightFromWindowRight = 128;
constexpr int kAnchorBottom = 40;

}  // namespace

SkinModule::~SkinModule() = default;

void SkinModule::install(app::CMainWnd& main) {
    main_ = &main;
    main.dispatch().addNamed("click", app::route::kClickShell, {"skinbtn"},
                             [this](const toolkit::Notification&) { openFrame(); });
    if (toolkit::Control* button = main.find("skinbtn")) {
        button->setVisible(true);
    }
}

void SkinModule::shutDown(app::CMainWnd&) {
    if (frame_) {
        frame_->close();
    }
}

// Each click opens a new window; one left open is closed first.
void SkinModule::openFrame() {
    if (frame_) {
        frame_->close();
    }
    closing_.reset();
    app::CMainWnd* main = main_;
    auto frame = std::make_unique<CSkinFrame>(main->toolkit(), main->settings(), [this, main] {
        main->window().postTask([this] {
            if (frame_ && !frame_->isOpen()) {
                closing_ = std::move(frame_);
            }
        });
    });
    const toolkit::Rect at = main->window().geometry();
    if (frame->open(at.x + at.width - kAnchorRightFromWindowRight, at.y + kAnchorBottom)) {
        frame_ = std::move(frame);
    }
}

}  // namespace quillon::ui
