#include "toolkit/qt/DeviceKeyButton.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include "toolkit/qt/QtColour.h"
#include "toolkit/qt/Repaint.h"
#include "toolkit/qt/SkinImages.h"
#include "toolkit/qt/Tint.h"

namespace quillon::toolkit::qt {

DeviceKeyButton::DeviceKeyButton(SkinImages* images, QWidget* parent)
    : QPushButton(parent), images_(images) {}

void DeviceKeyButton::setLightImage(const QString& description) {
    updateIfChanged(*this, lightImage_, description);
}

void DeviceKeyButton::setKeySetImage(const QString& description) {
    updateIfChanged(*this, keySetImage_, description);
}

void DeviceKeyButton::setLightOn(bool on) {
    updateIfChanged(*this, lightOn_, on);
}

void DeviceKeyButton::setLightColour(Argb colour) {
    updateIfChanged(*this, lightColour_, colour);
}

void DeviceKeyButton::setLightAlpha(int alpha) {
    updateIfChanged(*this, lightAlpha_, clampAlpha(alpha));
}

void DeviceKeyButton::setRemapped(bool remapped) {
    updateIfChanged(*this, remapped_, remapped);
}

bool DeviceKeyButton::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::StyleChange:
        case QEvent::FontChange:
        case QEvent::PaletteChange:
        case QEvent::DynamicPropertyChange:
        case QEvent::Polish:
        case QEvent::LayoutDirectionChange:
            baseKey_.clear();  // the style may draw the button differently now
            break;
        default:
            break;
    }
    return QPushButton::event(event);
}

// What QPushButton::paintEvent draws, into a picture of the key's own, redrawn when the
// button's options (size, text, icon, pressed, checked, hovered, focus, enabled) change.
const QPixmap& DeviceKeyButton::base() {
    QStyleOptionButton option;
    initStyleOption(&option);
    const qreal ratio = devicePixelRatioF();
    const QString key = QStringLiteral("%1x%2@%3/%4/%5/%6/%7")
                            .arg(option.rect.width())
                            .arg(option.rect.height())
                            .arg(ratio)
                            .arg(int(option.state))
                            .arg(int(option.features))
                            .arg(option.icon.cacheKey())
                            .arg(option.text);
    if (key == baseKey_) {
        return base_;
    }
    base_ = QPixmap(option.rect.size() * ratio);
    base_.setDevicePixelRatio(ratio);
    base_.fill(Qt::transparent);
    QPainter painter(&base_);
    // As a painter on the widget itself starts.
    painter.setFont(font());
    painter.setPen(QPen(palette().brush(foregroundRole()), 1));
    painter.setBackground(palette().brush(backgroundRole()));
    style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
    baseKey_ = key;
    return base_;
}

void DeviceKeyButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, base());
    if (images_ == nullptr || (!lightOn_ && !remapped_)) {
        return;
    }
    if (lightOn_ && !lightImage_.isEmpty()) {
        drawTinted(painter, rect(), images_->pixmap(lightImage_), toQColor(lightColour_),
                   lightAlpha_);
    }
    if (remapped_ && !keySetImage_.isEmpty()) {
        const QPixmap keySet = images_->pixmap(keySetImage_);
        if (!keySet.isNull()) {
            painter.drawPixmap(rect(), keySet);
        }
    }
}

}  // namespace quillon::toolkit::qt
