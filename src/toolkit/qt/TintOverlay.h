#pragma once
// The colour overlay of a control: a child that covers its host and paints the host's picture
// (its background picture, or a label's pixmap) tinted with a colour at a strength, or the colour
// alone where the host shows no picture. It lets the pointer through to the host.

#include <QColor>
#include <QString>
#include <QWidget>

namespace quillon::toolkit::qt {

class SkinImages;

class TintOverlay : public QWidget {
  public:
    TintOverlay(QWidget& host, SkinImages& images);

    // `picture` is the host's background picture description ("" when it has none).
    void setTint(QColor colour, int alpha, const QString& picture);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPixmap hostPicture() const;

    SkinImages& images_;
    QColor colour_;
    int alpha_ = 255;
    QString picture_;
};

}  // namespace quillon::toolkit::qt
