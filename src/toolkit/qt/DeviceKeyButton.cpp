#include "toolkit/qt/DeviceKeyButton.h"

#include <QPainter>

#include "toolkit/qt/QtColour.h"
#include "toolkit/qt/SkinImages.h"
#include "toolkit/qt/Tint.h"

namespace quillon::toolkit::qt {

DeviceKeyButton::DeviceKeyButton(SkinImages* images, QWidget* parent)
    : QPushButton(parent), images_(images) {}

void DeviceKeyButton::setLightImage(const QString& description) {
    lightImage_ = description;
    update();
}

void DeviceKeyButton::setKeySetImage(const QString& description) {
    keySetImage_ = description;
    update();
}

void DeviceKeyButton::setLightOn(bool on) {
    if (on != lightOn_) {
        lightOn_ = on;
        update();
    }
}

void DeviceKeyButton::setLightColour(Argb colour) {
    if (colour != lightColour_) {
        lightColour_ = colour;
        update();
    }
}

void DeviceKeyButton::setLightAlpha(int alpha) {
    alpha = clampAlpha(alpha);
    if (alpha != lightAlpha_) {
        lightAlpha_ = alpha;
        update();
    }
}

void DeviceKeyButton::setRemapped(bool remapped) {
    if (remapped != remapped_) {
        remapped_ = remapped;
        update();
    }
}

void DeviceKeyButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (images_ == nullptr || (!lightOn_ && !remapped_)) {
        return;
    }
    QPainter painter(this);
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
