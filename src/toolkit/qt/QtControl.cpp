#include "toolkit/qt/QtControl.h"

#include "toolkit/Colour.h"
#include "toolkit/qt/CircleProgress.h"
#include "toolkit/qt/QtColour.h"
#include "toolkit/qt/QtWindow.h"
#include "toolkit/qt/SkinUiLoader.h"
#include "toolkit/qt/TintOverlay.h"

namespace quillon::toolkit::qt {

namespace {

int nextStyleSerial() {
    static int serial = 0;
    return ++serial;
}

bool skinColour(const QWidget& widget, const char* name, Argb& out) {
    const QVariant value = widget.property(name);
    return value.isValid() && parseColour(value.toString().toStdString(), out);
}

PropValue defaultOf(Prop prop) {
    if (prop == Prop::Index) {
        return std::int64_t{-1};  // no item, no page
    }
    switch (propType(prop)) {
        case PropType::Bool:
            return false;
        case PropType::Int:
        case PropType::Colour:
            return std::int64_t{0};
        case PropType::String:
            break;
    }
    return std::string();
}

}  // namespace

QtControl::QtControl(QtWindow& window, QWidget& widget)
    : window_(window),
      widget_(&widget),
      name_(widget.objectName().toStdString()),
      className_(widget.property(kSkinClassProperty).toString().toStdString()),
      styleSerial_(nextStyleSerial()) {
    if (className_.empty()) {
        className_ = widget.metaObject()->className();
    }
    widget.setProperty("qlnStyle", styleSerial_);
    readSkinProperties();
    connectSignals();
    widget.installEventFilter(this);
}

QtControl::~QtControl() {
    delete overlay_.data();
}

void QtControl::readSkinProperties() {
    QWidget& widget = *widget_;
    userData_ = widget.property("userdata").toString().toStdString();
    bool styled = skinColour(widget, "bkcolor", bkColour_);
    styled = skinColour(widget, "textcolor", textColour_) || styled;
    styled = skinColour(widget, "bordercolor", borderColour_) || styled;
    bool ok = false;
    const int border = widget.property("bordersize").toInt(&ok);
    if (ok && border > 0) {
        borderSize_ = std::min(border, 64);
        styled = true;
    }
    bkImage_ = widget.property("bkimage").toString().toStdString();
    styled = styled || !bkImage_.empty();
    if (auto* circle = qobject_cast<CircleProgress*>(&widget)) {
        Argb fore = 0;
        if (skinColour(widget, "forecolor", fore)) {
            circle->setArcColour(toQColor(fore));
        }
    }
    if (styled) {
        applyStyle();
    }
    tintEnabled_ = widget.property("tint").toBool();
    if (tintEnabled_) {
        applyTint();
    }
}

void QtControl::set(Prop prop, const PropValue& value, Notify notify) {
    if (!widget_) {
        return;
    }
    if (setText(prop, value) || setLook(prop, value) || setState(prop, value, notify)) {
        return;
    }
    setKeyButton(prop, value);
}

PropValue QtControl::get(Prop prop) const {
    PropValue out = defaultOf(prop);
    if (!widget_) {
        return out;
    }
    if (getText(prop, out) || getLook(prop, out) || getState(prop, out)) {
        return out;
    }
    getKeyButton(prop, out);
    return out;
}

void QtControl::setFocus() {
    if (widget_) {
        widget_->setFocus(Qt::OtherFocusReason);
    }
}

void QtControl::invalidate() {
    if (widget_) {
        widget_->update();
    }
    if (overlay_) {
        overlay_->update();
    }
}

bool QtControl::notify(Notification notification) {
    notification.sender = name_;
    notification.control = this;
    return window_.deliver(notification);
}

}  // namespace quillon::toolkit::qt
