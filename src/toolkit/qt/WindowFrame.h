#pragma once
// The frame behaviour of a frameless skin window: pressing in the caption strip (the root's
// `caption` height) where no control takes the press drags the window, and a `roundcorner`
// radius clips the window to a rounded rectangle whenever it is resized.

#include <QObject>
#include <QPoint>
#include <QPointer>

class QWidget;

namespace quillon::toolkit::qt {

class WindowFrame : public QObject {
  public:
    explicit WindowFrame(QWidget& root);

    int captionHeight() const { return caption_; }
    int cornerRadius() const { return corner_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void applyCorners();

    QPointer<QWidget> root_;
    int caption_ = 0;
    int corner_ = 0;
    bool dragging_ = false;
    QPoint grabOffset_;
};

}  // namespace quillon::toolkit::qt
