// A control's state: visibility, enabling, selection, slider and progress values, the item or
// page selected, and the palette's colour.
#include <QAbstractButton>
#include <QAbstractSlider>
#include <QButtonGroup>
#include <QComboBox>
#include <QListWidget>
#include <QProgressBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>

#include "toolkit/qt/CircleProgress.h"
#include "toolkit/qt/ColorPalette.h"
#include "toolkit/qt/PropConvert.h"
#include "toolkit/qt/QtColour.h"
#include "toolkit/qt/QtControl.h"
#include "toolkit/qt/QtWindow.h"

namespace quillon::toolkit::qt {

namespace {

// The value, minimum and maximum of the classes that have them, through one small interface.
struct Range {
    QAbstractSlider* slider = nullptr;
    QProgressBar* bar = nullptr;
    CircleProgress* circle = nullptr;
    QSpinBox* spin = nullptr;

    explicit Range(QWidget& widget)
        : slider(qobject_cast<QAbstractSlider*>(&widget)),
          bar(qobject_cast<QProgressBar*>(&widget)),
          circle(qobject_cast<CircleProgress*>(&widget)),
          spin(qobject_cast<QSpinBox*>(&widget)) {}
    bool exists() const { return slider || bar || circle || spin; }
    int value() const {
        return slider   ? slider->value()
               : bar    ? bar->value()
               : circle ? circle->value()
               : spin   ? spin->value()
                        : 0;
    }
    int minimum() const {
        return slider   ? slider->minimum()
               : bar    ? bar->minimum()
               : circle ? circle->minimum()
               : spin   ? spin->minimum()
                        : 0;
    }
    int maximum() const {
        return slider   ? slider->maximum()
               : bar    ? bar->maximum()
               : circle ? circle->maximum()
               : spin   ? spin->maximum()
                        : 0;
    }
};

int currentIndexOf(const QWidget& widget) {
    if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) {
        return combo->currentIndex();
    }
    if (const auto* list = qobject_cast<const QListWidget*>(&widget)) {
        return list->currentRow();
    }
    if (const auto* stack = qobject_cast<const QStackedWidget*>(&widget)) {
        return stack->currentIndex();
    }
    if (const auto* tabs = qobject_cast<const QTabWidget*>(&widget)) {
        return tabs->currentIndex();
    }
    return -1;
}

}  // namespace

bool QtControl::setState(Prop prop, const PropValue& value, Notify notify) {
    switch (prop) {
        case Prop::Visible: {
            // A tab layout shows its pages itself: showing a page that is not the current one
            // would lay it over the current page.
            const bool visible = propBool(value);
            const auto* stack = qobject_cast<const QStackedWidget*>(widget_->parentWidget());
            if (visible && stack != nullptr && stack->currentWidget() != widget_) {
                return true;
            }
            widget_->setVisible(visible);
            return true;
        }
        case Prop::Enabled:
            widget_->setEnabled(propBool(value));
            return true;
        case Prop::Selected:
            setSelected(propBool(value), notify);
            return true;
        case Prop::Value:
            setValue(propIntClamped(value), notify);
            return true;
        case Prop::Min:
        case Prop::Max:
            setRangeEnd(prop, propIntClamped(value));
            return true;
        case Prop::Index:
            setIndex(propIntClamped(value), notify);
            return true;
        case Prop::PaletteColor:
            if (auto* palette = qobject_cast<ColorPalette*>(widget_.data())) {
                const Argb colour = propColour(value);
                const bool changed = toArgb(palette->colour()) != colour;
                palette->setColour(toQColor(colour));
                if (changed && notify == Notify::Yes) {
                    Notification chosen;
                    chosen.type = "colorchanged";
                    chosen.colour = colour;
                    this->notify(chosen);
                }
            }
            return true;
        default:
            return false;
    }
}

bool QtControl::getState(Prop prop, PropValue& out) const {
    const QWidget& widget = *widget_;
    switch (prop) {
        case Prop::Visible:
            out = window_.root() != nullptr && widget.isVisibleTo(window_.root());
            return true;
        case Prop::Enabled:
            out = widget.isEnabled();
            return true;
        case Prop::Selected: {
            const auto* button = qobject_cast<const QAbstractButton*>(&widget);
            out = button != nullptr && button->isChecked();
            return true;
        }
        case Prop::Value:
        case Prop::Min:
        case Prop::Max: {
            const Range range(*widget_);
            out = std::int64_t{prop == Prop::Value ? range.value()
                               : prop == Prop::Min ? range.minimum()
                                                   : range.maximum()};
            return true;
        }
        case Prop::Index:
            out = std::int64_t{currentIndexOf(widget)};
            return true;
        case Prop::PaletteColor:
            if (const auto* palette = qobject_cast<const ColorPalette*>(&widget)) {
                out = std::int64_t{toArgb(palette->colour())};
            }
            return true;
        default:
            return false;
    }
}

void QtControl::setSelected(bool selected, Notify notify) {
    auto* button = qobject_cast<QAbstractButton*>(widget_.data());
    if (button == nullptr || !button->isCheckable() || button->isChecked() == selected) {
        return;
    }
    {
        const Quiet quiet(*this);
        QButtonGroup* group = button->group();
        if (!selected && group != nullptr && group->exclusive()) {
            // An exclusive group keeps its checked button; the program may still clear it.
            group->setExclusive(false);
            button->setChecked(false);
            group->setExclusive(true);
        } else {
            button->setChecked(selected);
        }
    }
    if (notify == Notify::Yes) {
        Notification changed;
        changed.type = "selectchanged";
        changed.selected = selected;
        this->notify(changed);
    }
}

void QtControl::setValue(int value, Notify notify) {
    const Range range(*widget_);
    if (!range.exists()) {
        return;
    }
    const int before = range.value();
    {
        const Quiet quiet(*this);
        if (range.slider) {
            range.slider->setValue(value);
        } else if (range.bar) {
            range.bar->setValue(value);
        } else if (range.circle) {
            range.circle->setValue(value);
        } else {
            range.spin->setValue(value);
        }
    }
    if (notify == Notify::Yes && range.slider && range.value() != before) {
        Notification changed;
        changed.type = "valuechanged";
        changed.value = range.value();
        this->notify(changed);
    }
}

void QtControl::setRangeEnd(Prop prop, int value) {
    const Range range(*widget_);
    const Quiet quiet(*this);
    const bool minimum = prop == Prop::Min;
    if (range.slider) {
        minimum ? range.slider->setMinimum(value) : range.slider->setMaximum(value);
    } else if (range.bar) {
        minimum ? range.bar->setMinimum(value) : range.bar->setMaximum(value);
    } else if (range.circle) {
        minimum ? range.circle->setMinimum(value) : range.circle->setMaximum(value);
    } else if (range.spin) {
        minimum ? range.spin->setMinimum(value) : range.spin->setMaximum(value);
    }
}

}  // namespace quillon::toolkit::qt
