#include "toolkit/qt/QtWindow.h"

#include <QBackingStore>
#include <QButtonGroup>
#include <QEventLoop>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "toolkit/Language.h"
#include "toolkit/qt/QtControl.h"
#include "toolkit/qt/QtToolkit.h"
#include "toolkit/qt/TextBinding.h"
#include "toolkit/qt/WindowFrame.h"

namespace quillon::toolkit::qt {

namespace {

void placeAsWindow(QWidget& root, const WindowSpec& spec) {
    Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint;
    if (spec.toolWindow) {
        flags |= Qt::Tool;
    }
    root.setWindowFlags(flags);
    if (spec.width > 0 && spec.height > 0) {
        root.resize(spec.width, spec.height);
    }
    if (!spec.title.empty()) {
        root.setWindowTitle(QString::fromStdString(spec.title));
    }
    auto* owner = dynamic_cast<QtWindow*>(spec.owner);
    if (owner != nullptr && owner->root() != nullptr) {
        root.winId();
        owner->root()->winId();
        root.windowHandle()->setTransientParent(owner->root()->windowHandle());
    }
}

}  // namespace

QtWindow::QtWindow(QtToolkit& toolkit, int id, const WindowSpec& spec,
                   std::unique_ptr<QWidget> root, const std::vector<QWidget*>& named)
    : toolkit_(toolkit), id_(id), skin_(spec.skin), root_(root.release()) {
    placeAsWindow(*root_, spec);
    root_->setAttribute(Qt::WA_StyledBackground);
    for (QWidget* widget : root_->findChildren<QWidget*>()) {
        bindSkinTexts(*widget);
    }
    bindSkinTexts(*root_);
    controls_.reserve(named.size());
    for (QWidget* widget : named) {
        controls_.push_back(std::make_unique<QtControl>(*this, *widget));
        byName_.emplace(lowerAscii(controls_.back()->name()), controls_.back().get());
    }
    setUpOptions();
    // Exposure settles after the window system's events of one change, so it is checked once
    // they have been handled.
    frame_ = std::make_unique<WindowFrame>(
        *root_, [this](bool active) { post(messageOf(kMsgActivate, active ? 1 : 0)); },
        [this] {
            if (!exposureCheckPosted_) {
                exposureCheckPosted_ = true;
                postTask([this] { announceExposure(); });
            }
        });
}

QtWindow::~QtWindow() {
    *alive_ = false;
    toolkit_.windowGone(id_);
    if (modalLoop_ != nullptr) {
        modalLoop_->exit();
    }
    timers_.clear();
    controls_.clear();  // disconnects every signal before the widgets go
    frame_.reset();
    if (root_) {
        root_->hide();
        if (delivering_ > 0) {
            root_->deleteLater();  // a handler of one of its widgets is still running
        } else {
            delete root_.data();
        }
    }
}

Control* QtWindow::find(std::string_view name) {
    const auto found = byName_.find(lowerAscii(name));
    return found == byName_.end() ? nullptr : found->second;
}

std::vector<Control*> QtWindow::controls() {
    std::vector<Control*> all;
    all.reserve(controls_.size());
    for (const auto& control : controls_) {
        all.push_back(control.get());
    }
    return all;
}

bool QtWindow::deliver(const Notification& notification) {
    if (handler_ == nullptr) {
        return true;
    }
    const std::shared_ptr<bool> alive = alive_;
    ++delivering_;
    handler_->notify(notification);
    if (!*alive) {
        return false;
    }
    --delivering_;
    return true;
}

// The first show sets the window up ("windowinit") before it appears: a window its set-up hides
// again (the main window goes to the tray) never reaches the screen, so the start-up neither
// flashes it nor pays for drawing it. Its widgets are polished once the loop is idle instead.
void QtWindow::show() {
    if (!root_) {
        return;
    }
    if (!initialised_) {
        initialised_ = true;
        showPending_ = true;
        Notification init;
        init.type = "windowinit";
        if (!deliver(init) || !showPending_ || !root_) {
            if (root_ && !root_->isVisible()) {
                polishWhenIdle();
            }
            return;
        }
        showPending_ = false;
    }
    root_->show();
    root_->activateWindow();
}

// A hidden window gives back its drawing buffer (for the main window, the whole time it sits in
// the tray); the first paint after showing it again makes one of the window's size.
void QtWindow::hide() {
    showPending_ = false;
    if (root_) {
        root_->hide();
        if (QBackingStore* store = root_->backingStore(); store && !store->size().isEmpty()) {
            store->resize(QSize(0, 0));
        }
    }
}

void QtWindow::polishWhenIdle() {
    QTimer::singleShot(0, root_.data(), [root = root_] {
        if (root && !root->isVisible()) {
            root->ensurePolished();
        }
    });
}

void QtWindow::minimize() {
    if (root_) {
        root_->showMinimized();
    }
}

void QtWindow::maximize() {
    if (root_) {
        root_->showMaximized();
    }
}

void QtWindow::restore() {
    if (root_) {
        root_->showNormal();
    }
}

bool QtWindow::isVisible() const {
    return root_ && root_->isVisible();
}

bool QtWindow::isMinimized() const {
    return root_ && root_->isMinimized();
}

bool QtWindow::isExposed() const {
    if (!root_ || !root_->isVisible() || root_->isMinimized()) {
        return false;
    }
    const QWindow* handle = root_->windowHandle();
    return handle != nullptr && handle->isExposed();
}

void QtWindow::announceExposure() {
    exposureCheckPosted_ = false;
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

void QtWindow::bringToFront() {
    if (!root_ || !root_->isVisible()) {
        return;
    }
    if (root_->isMinimized()) {
        root_->showNormal();
    }
    root_->raise();
    root_->activateWindow();
}

void QtWindow::center() {
    if (!root_) {
        return;
    }
    QScreen* screen = root_->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    root_->move(area.center() - QPoint(root_->width() / 2, root_->height() / 2));
}

Rect QtWindow::geometry() const {
    if (!root_) {
        return {};
    }
    const QRect box = root_->geometry();
    return Rect{box.x(), box.y(), box.width(), box.height()};
}

void QtWindow::move(int x, int y) {
    if (root_) {
        root_->move(x, y);
    }
}

void QtWindow::setTitle(const std::string& title) {
    if (root_) {
        root_->setWindowTitle(QString::fromStdString(title));
    }
}

void QtWindow::invalidate() {
    if (root_) {
        root_->update();
    }
}

void QtWindow::retranslate() {
    if (!root_) {
        return;
    }
    const Translator translate = [this](std::string_view id) { return toolkit_.translate(id); };
    qt::retranslate(*root_, translate);
    for (QWidget* widget : root_->findChildren<QWidget*>()) {
        qt::retranslate(*widget, translate);
    }
}

}  // namespace quillon::toolkit::qt
