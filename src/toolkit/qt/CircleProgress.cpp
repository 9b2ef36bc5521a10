#include "toolkit/qt/CircleProgress.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "toolkit/qt/Repaint.h"

namespace quillon::toolkit::qt {

namespace {

constexpr int kRingWidth = 10;
constexpr int kQtDegree = 16;  // Qt measures arcs in sixteenths of a degree

}  // namespace

CircleProgress::CircleProgress(QWidget* parent) : QWidget(parent) {}

void CircleProgress::setMinimum(int minimum) {
    const int maximum = std::max(maximum_, minimum);
    const bool changed = minimum != minimum_ || maximum != maximum_;
    minimum_ = minimum;
    maximum_ = maximum;
    if (changed) {
        update();
    }
}

void CircleProgress::setMaximum(int maximum) {
    const int minimum = std::min(minimum_, maximum);
    const bool changed = minimum != minimum_ || maximum != maximum_;
    minimum_ = minimum;
    maximum_ = maximum;
    if (changed) {
        update();
    }
}

void CircleProgress::setValue(int value) {
    updateIfChanged(*this, value_, value);
}

void CircleProgress::setDiscColour(QColor colour) {
    updateIfChanged(*this, disc_, colour);
}

void CircleProgress::setArcColour(QColor colour) {
    updateIfChanged(*this, arc_, colour);
}

int CircleProgress::sweepDegrees() const {
    if (maximum_ <= minimum_) {
        return 0;
    }
    // The value's place within the range, so a range that does not start at 0 still fills from
    // empty to full; values outside the range show an empty or a full ring.
    const double share =
        (static_cast<double>(value_) - minimum_) / (static_cast<double>(maximum_) - minimum_);
    return static_cast<int>(std::trunc(std::clamp(share, 0.0, 1.0) * 360.0));
}

void CircleProgress::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QRectF whole(0, 0, width(), height());
    painter.setBrush(disc_);
    painter.drawEllipse(whole);
    const int sweep = sweepDegrees();
    if (sweep > 0) {
        // Clockwise from the bottom: Qt's angles run anticlockwise from three o'clock.
        painter.setBrush(arc_);
        painter.drawPie(whole, -90 * kQtDegree, -sweep * kQtDegree);
    }
    if (width() > 2 * kRingWidth && height() > 2 * kRingWidth) {
        painter.setBrush(Qt::white);
        painter.drawEllipse(whole.adjusted(kRingWidth, kRingWidth, -kRingWidth, -kRingWidth));
    }
}

}  // namespace quillon::toolkit::qt
