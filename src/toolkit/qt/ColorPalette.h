#pragma once
// "ColorPalette": a field of hues (left to right) and saturations (top to bottom) with a
// brightness strip beside it. Pressing or dragging in either shows the colour under the pointer;
// releasing the button chooses it (colourChosen). setColour() shows a colour without the signal.

#include <QColor>
#include <QImage>
#include <QWidget>

namespace quillon::toolkit::qt {

class ColorPalette : public QWidget {
    Q_OBJECT

  public:
    explicit ColorPalette(QWidget* parent = nullptr);

    QColor colour() const { return colour_; }
    void setColour(QColor colour);

    QRect fieldRect() const;
    QRect stripRect() const;

  signals:
    void colourChosen(QColor colour);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    enum class Part { None, Field, Strip };
    void pick(QPoint at);
    void paintField(QPainter& painter);
    void paintStrip(QPainter& painter);

    QColor colour_{0x01, 0x99, 0xcb};
    int hue_ = 0;
    int saturation_ = 0;
    int brightness_ = 255;
    Part dragging_ = Part::None;
    QImage field_;  // the hue and saturation field at full brightness, redrawn on resize
};

}  // namespace quillon::toolkit::qt
