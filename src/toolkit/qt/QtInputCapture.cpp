#include "toolkit/qt/QtInputCapture.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "toolkit/VirtualKeys.h"
#include "toolkit/qt/QtToolkit.h"
#include "toolkit/qt/QtWindow.h"

namespace quillon::toolkit::qt {

namespace {

// X11 and Wayland key codes are the kernel's evdev codes plus 8.
constexpr quint32 kEvdevOffset = 8;

std::optional<MouseButton> buttonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return MouseButton::Left;
        case Qt::RightButton:
            return MouseButton::Right;
        case Qt::MiddleButton:
            return MouseButton::Middle;
        default:
            return std::nullopt;
    }
}

}  // namespace

QtInputCapture::QtInputCapture(QtToolkit& toolkit) : toolkit_(toolkit) {}

QtInputCapture::~QtInputCapture() {
    remove();
}

bool QtInputCapture::arm(Window& target, CaptureMode mode, bool wantKeyboard, bool wantMouse) {
    remove();
    auto* window = dynamic_cast<QtWindow*>(&target);
    if (window == nullptr || window->root() == nullptr || (!wantKeyboard && !wantMouse)) {
        return false;
    }
    target_ = window->id();
    mode_ = mode;
    keyboard_ = wantKeyboard;
    mouse_ = wantMouse;
    if (wantKeyboard) {
        grabber_ = window->root();
        grabber_->grabKeyboard();
    }
    QCoreApplication::instance()->installEventFilter(this);
    filtering_ = true;
    return true;
}

void QtInputCapture::remove() {
    if (grabber_) {
        grabber_->releaseKeyboard();
    }
    grabber_.clear();
    if (filtering_ && QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
    filtering_ = false;
    target_ = 0;
    mode_ = CaptureMode::None;
    keyboard_ = false;
    mouse_ = false;
}

void QtInputCapture::windowGone(int id) {
    if (id == target_ && (keyboard_ || mouse_)) {
        remove();
    }
}

CaptureMode QtInputCapture::mode() const {
    return keyboard_ || mouse_ ? mode_ : CaptureMode::None;
}

std::optional<KeyEvent> QtInputCapture::translate(const QKeyEvent& event) {
    const quint32 native = event.nativeScanCode();
    if (native <= kEvdevOffset) {
        return std::nullopt;
    }
    return keyEventFromEvdev(native - kEvdevOffset, event.type() == QEvent::KeyPress,
                             static_cast<std::uint32_t>(event.timestamp()));
}

bool QtInputCapture::eventFilter(QObject* watched, QEvent* event) {
    // Input reaches a top-level window first and is handed on to its widgets from there; looking
    // only at the windows sees every event once.
    if (!watched->isWindowType()) {
        return false;
    }
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return keyboard_ && onKey(static_cast<const QKeyEvent&>(*event));
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (mouse_) {
                onMouse(static_cast<const QMouseEvent&>(*event), true);
            }
            return false;
        case QEvent::MouseButtonRelease:
            if (mouse_) {
                onMouse(static_cast<const QMouseEvent&>(*event), false);
            }
            return false;
        default:
            return false;
    }
}

// Returns true when the key is withheld from the widgets.
bool QtInputCapture::onKey(const QKeyEvent& event) {
    // A held key repeats as presses only, as the recorder expects; the releases Qt puts between
    // the repeats are dropped.
    if (event.isAutoRepeat() && event.type() == QEvent::KeyRelease) {
        return true;
    }
    const std::optional<KeyEvent> key = translate(event);
    if (!key) {
        return true;
    }
    const CaptureMode mode = mode_;
    if (QtWindow* window = toolkit_.windowById(target_); window != nullptr && keyMessageFor(mode)) {
        window->send(keyMessage(mode, *key));
    }
    return !passesOn(key->vk);
}

void QtInputCapture::onMouse(const QMouseEvent& event, bool down) {
    const std::optional<MouseButton> button = buttonOf(event.button());
    QtWindow* window = toolkit_.windowById(target_);
    if (!button || window == nullptr || mouseMessageFor(mode_) == 0) {
        return;
    }
    window->post(mouseMessage(mode_, *button, down));
}

}  // namespace quillon::toolkit::qt
