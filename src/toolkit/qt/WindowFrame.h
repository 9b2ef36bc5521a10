#pragma once
// The frame behaviour of a frameless skin window: pressing in the caption strip (the root's
// `caption` height) where no control takes the press drags the window, and a `roundcorner`
// radius clips the window to a rounded rectangle whenever it is resized. Gaining and losing the
// activation is reported to `activation`; whatever may change whether the window can be seen
// (shown, hidden, minimised, restored, exposed or covered) to `exposure`.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>

class QWidget;

namespace quillon::toolkit::qt {

class WindowFrame : public QObject {
  public:
    explicit WindowFrame(QWidget& root, std::function<void(bool active)> activation = {},
                         std::function<void()> exposure = {});

    int captionHeight() const { return caption_; }
    int cornerRadius() const { return corner_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void applyCorners();
    void watchNativeWindow();

    QPointer<QWidget> root_;
    int caption_ = 0;
    int corner_ = 0;
    bool dragging_ = false;
    QPoint grabOffset_;
    std::function<void(bool active)> activation_;
    std::function<void()> exposure_;
    QPointer<QObject> nativeWindow_;  // the root's QWindow once it exists, for its expose events
};

}  // namespace quillon::toolkit::qt
