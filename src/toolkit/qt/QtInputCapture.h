#pragma once
// Input capture on Qt: while armed, the target window grabs the keyboard (the desktop sends it
// every key), and an application-wide event filter turns each key into its Windows virtual key
// (from the key's evdev code, which Qt reports as the native scan code less 8 on X11 and
// Wayland) and sends it to the window. Keys are withheld from the widgets except the three lock
// keys. Mouse buttons pressed on the program's windows are posted as well and go on to their
// widgets unchanged.

#include <QObject>
#include <QPointer>
#include <optional>

#include "toolkit/InputCapture.h"

class QKeyEvent;
class QMouseEvent;
class QWidget;

namespace quillon::toolkit::qt {

class QtToolkit;

class QtInputCapture final : public QObject, public InputCapture {
  public:
    explicit QtInputCapture(QtToolkit& toolkit);
    ~QtInputCapture() override;

    bool arm(Window& target, CaptureMode mode, bool wantKeyboard, bool wantMouse) override;
    void remove() override;
    bool keyboardArmed() const override { return keyboard_; }
    bool mouseArmed() const override { return mouse_; }
    CaptureMode mode() const override;

    // The key event of a Qt key event, from its native scan code; nullopt for a key without a
    // virtual key.
    static std::optional<KeyEvent> translate(const QKeyEvent& event);

    // The toolkit's bookkeeping: the window with this id went away.
    void windowGone(int id);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool onKey(const QKeyEvent& event);
    void onMouse(const QMouseEvent& event, bool down);

    QtToolkit& toolkit_;
    int target_ = 0;  // window id; the window may go away while armed
    QPointer<QWidget> grabber_;
    CaptureMode mode_ = CaptureMode::None;
    bool keyboard_ = false;
    bool mouse_ = false;
    bool filtering_ = false;
};

}  // namespace quillon::toolkit::qt
