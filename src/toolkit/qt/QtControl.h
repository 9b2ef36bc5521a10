#pragma once
// A named widget of a Qt window seen as a Control. Properties map onto the widget (texts,
// states, ranges, the custom controls' own state) or onto a per-widget style sheet (colours,
// border, background picture); the tint is an overlay child. The widget's signals become the
// window's notifications (ControlSignals.cpp).

#include <QAbstractButton>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <string>

#include "toolkit/Control.h"
#include "toolkit/Window.h"

namespace quillon::toolkit::qt {

class QtWindow;
class TintOverlay;

class QtControl final : public QObject, public Control {
  public:
    QtControl(QtWindow& window, QWidget& widget);
    ~QtControl() override;
    QtControl(const QtControl&) = delete;
    QtControl& operator=(const QtControl&) = delete;

    const std::string& name() const override { return name_; }
    const std::string& className() const override { return className_; }
    void set(Prop prop, const PropValue& value, Notify notify = Notify::No) override;
    PropValue get(Prop prop) const override;
    void setFocus() override;
    void invalidate() override;

    int itemCount() const override;
    Item item(int index) const override;
    void insertItem(int index, const Item& item) override;
    void setItem(int index, const Item& item) override;
    void removeItem(int index) override;
    void clearItems() override;
    void moveItem(int from, int to) override;
    void scrollToItem(int index) override;

    QWidget* widget() const { return widget_.data(); }
    QtWindow& window() const { return window_; }

    // Sends a notification of this control to the window's handler; false when the window went
    // away while its handler ran (the caller must then stop touching this control).
    bool notify(Notification notification);

    // True while the program (not the user) changes the widget: its signals are not
    // notifications then.
    bool quiet() const { return quiet_ > 0; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Marks the program's own changes of the widget for the time it lives.
    class Quiet {
      public:
        explicit Quiet(QtControl& control) : control_(control) { ++control_.quiet_; }
        ~Quiet() { --control_.quiet_; }
        Quiet(const Quiet&) = delete;
        Quiet& operator=(const Quiet&) = delete;

      private:
        QtControl& control_;
    };

  private:
    void readSkinProperties();
    void connectSignals();
    void connectButton();
    void connectCombo();
    void connectList();
    void connectSlider();
    void connectEdit();
    void connectPalette();

    bool setText(Prop prop, const PropValue& value);
    bool getText(Prop prop, PropValue& out) const;
    bool setLook(Prop prop, const PropValue& value);
    bool getLook(Prop prop, PropValue& out) const;
    bool setState(Prop prop, const PropValue& value, Notify notify);
    bool getState(Prop prop, PropValue& out) const;
    bool setKeyButton(Prop prop, const PropValue& value);
    bool getKeyButton(Prop prop, PropValue& out) const;

    void undoOwnToggle(QAbstractButton& button);
    bool rowPressed(QEvent* event);
    bool focusChanged(QEvent* event);
    void setSelected(bool selected, Notify notify);
    void setIndex(int index, Notify notify);
    void setValue(int value, Notify notify);
    void setRangeEnd(Prop prop, int value);
    void applyStyle();
    void applyTint();

    QtWindow& window_;
    QPointer<QWidget> widget_;
    std::string name_;
    std::string className_;
    int quiet_ = 0;
    bool focusReported_ = false;
    bool checkedBeforeClick_ = false;
    QPointer<QAbstractButton> checkedInGroup_;

    std::string userData_;
    Argb bkColour_ = 0;
    std::string bkImage_;
    int borderSize_ = 0;
    Argb borderColour_ = 0;
    Argb textColour_ = 0;
    bool tintEnabled_ = false;
    Argb tint_ = 0;
    int tintAlpha_ = 255;
    QPointer<TintOverlay> overlay_;
    int styleSerial_ = 0;
};

}  // namespace quillon::toolkit::qt
