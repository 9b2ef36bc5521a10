#include "toolkit/qt/DeviceKeyButton.h"

#include <QPainter>

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
