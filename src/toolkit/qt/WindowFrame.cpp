#include "toolkit/qt/WindowFrame.h"

#include <QMouseEvent>
#include <QPainterPath>
#include <QRegion>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace quillon::toolkit::qt {

namespace {

constexpr int kMaxCaption = 4096;
constexpr int kMaxCorner = 512;

int skinNumber(const QWidget& root, const char* name, int limit) {
    bool ok = false;
    const int value = root.property(name).toInt(&ok);
    return ok ? std::clamp(value, 0, limit) : 0;
}

}  // namespace

WindowFrame::WindowFrame(QWidget& root, std::function<void(bool active)> activation,
                         std::function<void()> exposure)
    : root_(&root),
      caption_(skinNumber(root, "caption", kMaxCaption)),
      corner_(skinNumber(root, "roundcorner", kMaxCorner)),
      activation_(std::move(activation)),
      exposure_(std::move(exposure)) {
    root.installEventFilter(this);
    applyCorners();
}

void WindowFrame::applyCorners() {
    if (!root_ || corner_ <= 0) {
        return;
    }
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, root_->width() + 1, root_->height() + 1), corner_, corner_);
    root_->setMask(QRegion(path.toFillPolygon().toPolygon()));
}

void WindowFrame::watchNativeWindow() {
    QWindow* handle = root_ ? root_->windowHandle() : nullptr;
    if (handle != nullptr && nativeWindow_.data() != handle) {
        nativeWindow_ = handle;
        handle->installEventFilter(this);
    }
}

bool WindowFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == nativeWindow_.data() && watched != nullptr) {
        if (event->type() == QEvent::Expose && exposure_) {
            exposure_();
        }
        return false;
    }
    if (watched != root_.data()) {
        return false;
    }
    switch (event->type()) {
        case QEvent::Show:
            watchNativeWindow();
            [[fallthrough]];
        case QEvent::Hide:
        case QEvent::WindowStateChange:
            if (exposure_) {
                exposure_();
            }
            return false;
        case QEvent::Resize:
            applyCorners();
            return false;
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate:
            if (activation_) {
                activation_(event->type() == QEvent::WindowActivate);
            }
            return false;
        case QEvent::MouseButtonPress: {
            auto* press = static_cast<QMouseEvent*>(event);
            if (press->button() != Qt::LeftButton || press->position().y() >= caption_ ||
                root_->isMaximized()) {
                return false;
            }
            // The window manager moves the window where it can; elsewhere it follows the pointer.
            QWindow* handle = root_->windowHandle();
            if (handle != nullptr && handle->startSystemMove()) {
                return true;
            }
            dragging_ = true;
            grabOffset_ = press->globalPosition().toPoint() - root_->pos();
            return true;
        }
        case QEvent::MouseMove:
            if (dragging_) {
                root_->move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() -
                            grabOffset_);
                return true;
            }
            return false;
        case QEvent::MouseButtonRelease:
            if (dragging_) {
                dragging_ = false;
                return true;
            }
            return false;
        default:
            return false;
    }
}

}  // namespace quillon::toolkit::qt
