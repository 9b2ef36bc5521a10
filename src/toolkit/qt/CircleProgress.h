#pragma once
// "CircleProgress": a ring that fills clockwise from the bottom as the value grows. A disc in
// the background colour, an arc in the fore colour over it, and a white centre 10 pixels in, so
// what shows is a 10-pixel ring.

#include <QColor>
#include <QWidget>

namespace quillon::toolkit::qt {

class CircleProgress : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)
    Q_PROPERTY(int value READ value WRITE setValue)

  public:
    explicit CircleProgress(QWidget* parent = nullptr);

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int value() const { return value_; }
    void setMinimum(int minimum);
    void setMaximum(int maximum);
    void setValue(int value);

    QColor discColour() const { return disc_; }
    QColor arcColour() const { return arc_; }
    void setDiscColour(QColor colour);
    void setArcColour(QColor colour);

    // The arc in whole degrees, 0 to 360: the share of the value within the range.
    int sweepDegrees() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int minimum_ = 0;
    int maximum_ = 100;
    int value_ = 0;
    QColor disc_{0x3a, 0x3a, 0x3a};
    QColor arc_{0x01, 0x99, 0xcb};
};

}  // namespace quillon::toolkit::qt
