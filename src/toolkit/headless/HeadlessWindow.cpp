#include "toolkit/headless/HeadlessWindow.h"

#include "toolkit/Language.h"
#include "toolkit/headless/ControlBuilder.h"
#include "toolkit/headless/HeadlessToolkit.h"

namespace quillon::toolkit::headless {
namespace {

// The screen the headless toolkit pretends to have, for center().
constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;

}  // namespace

HeadlessWindow::HeadlessWindow(HeadlessToolkit& toolkit, const WindowSpec& spec,
                               const SkinDocument& doc)
    : toolkit_(toolkit),
      skin_(spec.skin),
      title_(spec.title),
      owner_(spec.owner),
      toolWindow_(spec.toolWindow) {
    buildControls(*this, doc, controls_);
    if (const SkinProperty* size = doc.root.property("geometry"); size != nullptr) {
        geometry_ = size->rect;
    }
    if (spec.width > 0) {
        geometry_.width = spec.width;
    }
    if (spec.height > 0) {
        geometry_.height = spec.height;
    }
    toolkit_.windowOpened(this);
}

HeadlessWindow::~HeadlessWindow() {
    toolkit_.windowClosed(this);
    toolkit_.loop().forget(this);
}

std::vector<Control*> HeadlessWindow::controls() {
    std::vector<Control*> named;
    for (const auto& c : controls_) {
        if (!c->name().empty()) {
            named.push_back(c.get());
        }
    }
    return named;
}

HeadlessControl* HeadlessWindow::control(std::string_view name) const {
    if (name.empty()) {
        return nullptr;
    }
    for (const auto& c : controls_) {
        if (equalsIgnoringCase(c->name(), name)) {
            return c.get();
        }
    }
    return nullptr;
}

void HeadlessWindow::show() {
    visible_ = true;
    if (!initSent_) {
        initSent_ = true;
        Notification init;
        init.type = "windowinit";
        const auto alive = aliveToken();
        deliver(init);
        if (alive.expired()) {
            return;
        }
    }
    announceExposure();
}

void HeadlessWindow::hide() {
    visible_ = false;
    announceExposure();
}

void HeadlessWindow::minimize() {
    minimized_ = true;
    announceExposure();
}

void HeadlessWindow::maximize() {
    maximized_ = true;
    minimized_ = false;
    announceExposure();
}

void HeadlessWindow::restore() {
    maximized_ = false;
    minimized_ = false;
    announceExposure();
}

void HeadlessWindow::setCovered(bool covered) {
    covered_ = covered;
    announceExposure();
}

void HeadlessWindow::announceExposure() {
    const bool exposed = isExposed();
    if (exposed == exposedAnnounced_) {
        return;
    }
    exposedAnnounced_ = exposed;
    Notification change;
    change.type = "windowexposed";
    change.selected = exposed;
    deliver(change);
}

void HeadlessWindow::bringToFront() {
    if (visible_) {
        ++frontRequests_;
    }
}

void HeadlessWindow::center() {
    geometry_.x = (kScreenWidth - geometry_.width) / 2;
    geometry_.y = (kScreenHeight - geometry_.height) / 2;
}

void HeadlessWindow::move(int x, int y) {
    geometry_.x = x;
    geometry_.y = y;
}

void HeadlessWindow::close(int result) {
    closeResult_ = result;
    closed_ = true;
    visible_ = false;
}

int HeadlessWindow::runModal() {
    modal_ = true;
    closed_ = false;
    closeResult_ = 0;
    show();
    toolkit_.modalOpened(*this);
    if (!closed_) {
        toolkit_.loop().run(kForever, [this] { return closed_; });
    }
    modal_ = false;
    visible_ = false;
    return closeResult_;
}

void HeadlessWindow::setTimer(int id, Millis period) {
    toolkit_.loop().setTimer(this, id, period);
}

void HeadlessWindow::killTimer(int id) {
    toolkit_.loop().killTimer(this, id);
}

bool HeadlessWindow::hasTimer(int id) const {
    return toolkit_.loop().hasTimer(this, id);
}

void HeadlessWindow::post(Message message) {
    toolkit_.loop().post(this, std::move(message));
}

void HeadlessWindow::send(Message message) {
    toolkit_.loop().send(this, std::move(message));
}

void HeadlessWindow::handleMessage(const Message& message) {
    if (message.task) {
        message.task();
    } else if (handler_ != nullptr) {
        handler_->onMessage(message);
    }
}

void HeadlessWindow::handleTimer(int id) {
    if (handler_ != nullptr) {
        handler_->onTimer(id);
    }
}

void HeadlessWindow::deliver(const Notification& notification) {
    if (handler_ != nullptr) {
        handler_->notify(notification);
    }
}

void HeadlessWindow::deselectGroup(const std::string& group, const HeadlessControl* keep) {
    for (const auto& c : controls_) {
        if (c.get() != keep && c->toggle() == Toggle::Option && c->group() == group) {
            c->mutableState().selected = false;
        }
    }
}

void HeadlessWindow::moveFocus(HeadlessControl* to) {
    if (to == focus_) {
        return;
    }
    const auto alive = aliveToken();
    HeadlessControl* from = focus_;
    focus_ = to;
    if (from != nullptr) {
        deliver(from->notification("killfocus"));
    }
    if (to != nullptr && !alive.expired() && focus_ == to) {
        deliver(to->notification("setfocus"));
    }
}

void HeadlessWindow::dropFocus(const HeadlessControl* from) {
    if (focus_ == from) {
        focus_ = nullptr;
    }
}

template <typename Action>
ActionResult HeadlessWindow::act(std::string_view name, Action action) {
    HeadlessControl* target = control(name);
    if (target == nullptr) {
        return ActionResult::failure("no control named \"" + std::string(name) + "\" in window \"" +
                                     skin_ + "\"");
    }
    return action(*target);
}

ActionResult HeadlessWindow::click(std::string_view name) {
    return act(name, [](HeadlessControl& c) { return c.click(); });
}

ActionResult HeadlessWindow::select(std::string_view name) {
    return act(name, [](HeadlessControl& c) { return c.select(); });
}

ActionResult HeadlessWindow::unselect(std::string_view name) {
    return act(name, [](HeadlessControl& c) { return c.unselect(); });
}

ActionResult HeadlessWindow::choose(std::string_view name, int index) {
    return act(name, [index](HeadlessControl& c) { return c.choose(index); });
}

ActionResult HeadlessWindow::itemClick(std::string_view name, int index) {
    return act(name, [index](HeadlessControl& c) { return c.itemClick(index); });
}

ActionResult HeadlessWindow::slide(std::string_view name, int value) {
    return act(name, [value](HeadlessControl& c) { return c.slide(value); });
}

ActionResult HeadlessWindow::drag(std::string_view name, int value) {
    return act(name, [value](HeadlessControl& c) { return c.drag(value); });
}

ActionResult HeadlessWindow::type(std::string_view name, const std::string& text) {
    return act(name, [&text](HeadlessControl& c) { return c.type(text); });
}

ActionResult HeadlessWindow::leave(std::string_view name) {
    return act(name, [](HeadlessControl& c) { return c.leave(); });
}

ActionResult HeadlessWindow::focus(std::string_view name) {
    return act(name, [](HeadlessControl& c) { return c.focus(); });
}

ActionResult HeadlessWindow::hover(std::string_view name) {
    return act(name, [](HeadlessControl& c) { return c.hover(); });
}

ActionResult HeadlessWindow::unhover(std::string_view name) {
    return act(name, [](HeadlessControl& c) { return c.unhover(); });
}

ActionResult HeadlessWindow::chooseColour(std::string_view name, Argb colour) {
    return act(name, [colour](HeadlessControl& c) { return c.chooseColour(colour); });
}

}  // namespace quillon::toolkit::headless
