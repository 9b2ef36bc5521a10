#include "toolkit/qt/ColorPalette.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace quillon::toolkit::qt {

namespace {

constexpr int kStripWidth = 16;
constexpr int kGap = 8;

int scaleTo(int position, int extent, int top) {
    if (extent <= 1) {
        return 0;
    }
    return std::clamp(position, 0, extent - 1) * top / (extent - 1);
}

}  // namespace

ColorPalette::ColorPalette(QWidget* parent) : QWidget(parent) {
    setColour(colour_);
    setCursor(Qt::CrossCursor);
}

QRect ColorPalette::fieldRect() const {
    return QRect(0, 0, std::max(0, width() - kStripWidth - kGap), height());
}

QRect ColorPalette::stripRect() const {
    return QRect(std::max(0, width() - kStripWidth), 0, std::min(kStripWidth, width()), height());
}

void ColorPalette::setColour(QColor colour) {
    colour_ = colour;
    int hue = 0;
    int saturation = 0;
    int brightness = 0;
    colour.getHsv(&hue, &saturation, &brightness);
    if (hue >= 0) {  // grey has no hue: keep the one shown
        hue_ = hue;
    }
    saturation_ = saturation;
    brightness_ = brightness;
    update();
}

void ColorPalette::pick(QPoint at) {
    if (dragging_ == Part::Field) {
        const QRect field = fieldRect();
        hue_ = scaleTo(at.x() - field.x(), field.width(), 359);
        saturation_ = 255 - scaleTo(at.y() - field.y(), field.height(), 255);
    } else if (dragging_ == Part::Strip) {
        const QRect strip = stripRect();
        brightness_ = 255 - scaleTo(at.y() - strip.y(), strip.height(), 255);
    } else {
        return;
    }
    colour_ = QColor::fromHsv(hue_, saturation_, brightness_).toRgb();
    update();
}

void ColorPalette::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint at = event->position().toPoint();
    if (fieldRect().contains(at)) {
        dragging_ = Part::Field;
    } else if (stripRect().contains(at)) {
        dragging_ = Part::Strip;
    }
    pick(at);
}

void ColorPalette::mouseMoveEvent(QMouseEvent* event) {
    pick(event->position().toPoint());
}

void ColorPalette::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || dragging_ == Part::None) {
        return;
    }
    pick(event->position().toPoint());
    dragging_ = Part::None;
    emit colourChosen(colour_);
}

void ColorPalette::paintField(QPainter& painter) {
    const QRect field = fieldRect();
    if (field.isEmpty()) {
        return;
    }
    if (field_.size() != field.size()) {
        field_ = QImage(field.size(), QImage::Format_RGB32);
        for (int y = 0; y < field.height(); ++y) {
            const int saturation = 255 - scaleTo(y, field.height(), 255);
            auto* line = reinterpret_cast<QRgb*>(field_.scanLine(y));
            for (int x = 0; x < field.width(); ++x) {
                line[x] = QColor::fromHsv(scaleTo(x, field.width(), 359), saturation, 255).rgb();
            }
        }
    }
    painter.drawImage(field.topLeft(), field_);
    const QPoint mark(field.x() + hue_ * std::max(0, field.width() - 1) / 359,
                      field.y() + (255 - saturation_) * std::max(0, field.height() - 1) / 255);
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(mark, 5, 5);
}

void ColorPalette::paintStrip(QPainter& painter) {
    const QRect strip = stripRect();
    if (strip.isEmpty()) {
        return;
    }
    QLinearGradient gradient(strip.topLeft(), strip.bottomLeft());
    gradient.setColorAt(0, QColor::fromHsv(hue_, saturation_, 255));
    gradient.setColorAt(1, Qt::black);
    painter.fillRect(strip, gradient);
    const int y = strip.y() + (255 - brightness_) * std::max(0, strip.height() - 1) / 255;
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(strip.left(), y, strip.right(), y);
}

void ColorPalette::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintField(painter);
    paintStrip(painter);
}

}  // namespace quillon::toolkit::qt
