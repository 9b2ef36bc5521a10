#include "ui/SkinFrame.h"

#include "app/ControlName.h"
#include "platform/DebugLog.h"

namespace quillon::ui {
namespace {

constexpr const char* kSection = "SKINIMAGE";

// "skin_image_btn", or one of a numbered family of it ("skin_image_btn_3").
bool isFamily(const std::string& name, std::string_view family) {
    if (app::equalsNoCase(name, family)) {
        return true;
    }
    const auto split = app::splitControlName(name);
    return split && split->prefix.size() == family.size() + 1 &&
           app::startsWithNoCase(split->prefix, family);
}

}  // namespace

CSkinFrame::CSkinFrame(toolkit::Toolkit& toolkit, IniFile settings, std::function<void()> closed)
    : toolkit_(toolkit), settings_(std::move(settings)), closed_(std::move(closed)) {}

CSkinFrame::~CSkinFrame() {
    if (window_) {
        window_->setHandler(nullptr);
    }
}

bool CSkinFrame::open(int right, int top) {
    toolkit::WindowSpec spec;
    spec.skin = kSkinFrameSkin;
    spec.title = "skinframe";
    spec.toolWindow = true;
    window_ = toolkit_.createWindow(spec);
    if (!window_) {
        debugLog("skin window skin missing");
        return false;
    }
    window_->setHandler(this);
    window_->move(right - window_->geometry().width, top);
    window_->show();
    window_->bringToFront();
    open_ = true;
    return true;
}

void CSkinFrame::close() {
    if (!open_) {
        return;
    }
    open_ = false;
    window_->close(0);
    window_->hide();
    if (closed_) {
        closed_();
    }
}

bool CSkinFrame::onMessage(const toolkit::Message& message) {
    if (message.id == toolkit::kMsgActivate && message.wParam == 0 && !choosingFile_) {
        close();
        return true;
    }
    return false;
}

void CSkinFrame::notify(const toolkit::Notification& n) {
    if (n.type == "click" && open_) {
        onClick(n.sender, n.control);
    }
}

void CSkinFrame::onClick(const std::string& name, toolkit::Control* sender) {
    if (isFamily(name, "skin_image_btn")) {
        if (sender != nullptr) {
            chooseImage(sender->getString(toolkit::Prop::UserData));
        }
    } else if (isFamily(name, "skin_color_btn")) {
        if (sender != nullptr) {
            chooseColour(sender->bkColor());
        }
    } else if (app::equalsNoCase(name, "skin_image")) {
        showPage(0);
    } else if (app::equalsNoCase(name, "skin_color")) {
        showPage(1);
    } else if (app::equalsNoCase(name, "skin_reset")) {
        restoreDefault();
    } else if (app::equalsNoCase(name, "skin_Custom")) {
        chooseOwnPicture();
    }
}

void CSkinFrame::showPage(int page) {
    if (toolkit::Control* tab = window_->find("skin_tab")) {
        tab->selectPage(page);
    }
}

// An offered picture is remembered for the next start.
void CSkinFrame::chooseImage(const std::string& image) {
    if (image.empty()) {
        return;  // a button without a picture offers nothing
    }
    app::skinBroadcaster().broadcast({false, 0, image});
    settings_.write(kSection, "FLAGS", "1");
    settings_.write(kSection, "IMAGE", image);
}

// A colour lasts until the program ends.
void CSkinFrame::chooseColour(toolkit::Argb colour) {
    app::skinBroadcaster().broadcast({true, colour, {}});
}

// The default picture; the next start shows the skin's own background.
void CSkinFrame::restoreDefault() {
    app::skinBroadcaster().broadcast({false, 0, kDefaultBackground});
    settings_.write(kSection, "FLAGS", "0");
    settings_.write(kSection, "IMAGE", kDefaultBackground);
}

// A picture of the user's own lasts until the program ends.
void CSkinFrame::chooseOwnPicture() {
    toolkit::FileDialogSpec spec;
    spec.mode = toolkit::FileDialogSpec::Mode::Open;
    spec.filters = {{"(*.png)", "*.png"}, {"(*.*)", "*"}};
    spec.initialName = "*.png";
    spec.defaultExtension = "png";
    choosingFile_ = true;
    const std::optional<std::string> chosen = toolkit_.fileDialog(spec);
    choosingFile_ = false;
    if (chosen && !chosen->empty()) {
        app::skinBroadcaster().broadcast({false, 0, *chosen});
    }
}

}  // namespace quillon::ui
