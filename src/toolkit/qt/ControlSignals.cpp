// What a user does to a control, as notifications to its window: the widget's signals (ignored
// while the program itself changes the widget) and its focus and pointer events.
#include <QAbstractButton>
#include <QAbstractSlider>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>

#include "toolkit/qt/ColorPalette.h"
#include "toolkit/qt/QtColour.h"
#include "toolkit/qt/QtControl.h"

namespace quillon::toolkit::qt {

namespace {

Notification typed(const char* type) {
    Notification notification;
    notification.type = type;
    return notification;
}

}  // namespace

void QtControl::connectSignals() {
    QWidget* widget = widget_.data();
    if (qobject_cast<QAbstractButton*>(widget)) {
        connectButton();
    } else if (qobject_cast<QComboBox*>(widget)) {
        connectCombo();
    } else if (qobject_cast<QListWidget*>(widget)) {
        connectList();
    } else if (qobject_cast<QAbstractSlider*>(widget)) {
        connectSlider();
    } else if (qobject_cast<QLineEdit*>(widget)) {
        connectEdit();
    } else if (qobject_cast<ColorPalette*>(widget)) {
        connectPalette();
    }
}

void QtControl::connectButton() {
    auto* button = qobject_cast<QAbstractButton*>(widget_.data());
    connect(button, &QAbstractButton::pressed, this, [this, button] {
        checkedBeforeClick_ = button->isChecked();
        QButtonGroup* group = button->group();
        checkedInGroup_ = group != nullptr ? group->checkedButton() : nullptr;
    });
    connect(button, &QAbstractButton::clicked, this, [this, button] {
        if (quiet()) {
            return;
        }
        undoOwnToggle(*button);
        if (!notify(typed("click")) || !button->isCheckable()) {
            return;
        }
        // The new state follows from what the click's handler left: an option of a group is
        // selected, anything else checkable toggles.
        const bool grouped = button->group() != nullptr && button->group()->exclusive();
        setSelected(grouped || !button->isChecked(), Notify::Yes);
    });
}

// Qt changes a checkable button's state before it reports the click. The click's handler must
// see the state from before the click, so that change is taken back here and made again, from
// whatever state the handler leaves, once the click has been reported.
void QtControl::undoOwnToggle(QAbstractButton& button) {
    if (!button.isCheckable() || button.isChecked() == checkedBeforeClick_) {
        return;
    }
    const Quiet quiet(*this);
    QButtonGroup* group = button.group();
    const bool exclusive = group != nullptr && group->exclusive();
    if (exclusive) {
        group->setExclusive(false);
    }
    button.setChecked(checkedBeforeClick_);
    if (checkedInGroup_ && checkedInGroup_.data() != &button) {
        checkedInGroup_->setChecked(true);
    }
    if (exclusive) {
        group->setExclusive(true);
    }
}

void QtControl::connectCombo() {
    auto* combo = qobject_cast<QComboBox*>(widget_.data());
    connect(combo, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!quiet()) {
            Notification chosen = typed("itemselect");
            chosen.index = index;
            notify(chosen);
        }
    });
}

void QtControl::connectList() {
    auto* list = qobject_cast<QListWidget*>(widget_.data());
    connect(list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!quiet()) {
            Notification chosen = typed("itemselect");
            chosen.index = row;
            notify(chosen);
        }
    });
    // A row is reported as clicked when the button goes down, before it becomes the selection.
    list->viewport()->installEventFilter(this);
}

bool QtControl::rowPressed(QEvent* event) {
    auto* list = qobject_cast<QListWidget*>(widget_.data());
    auto* press = static_cast<QMouseEvent*>(event);
    if (list == nullptr || press->button() != Qt::LeftButton || !list->isEnabled()) {
        return false;
    }
    const int row = list->indexAt(press->position().toPoint()).row();
    if (row < 0) {
        return false;
    }
    Notification clicked = typed("itemclick");
    clicked.index = row;
    return !notify(clicked);  // the window went away: the press goes no further
}

void QtControl::connectSlider() {
    auto* slider = qobject_cast<QAbstractSlider*>(widget_.data());
    slider->setTracking(true);  // so a release never brings a late value change of its own
    connect(slider, &QAbstractSlider::sliderMoved, this, [this](int value) {
        if (!quiet()) {
            Notification moved = typed("movevaluechanged");
            moved.value = value;
            notify(moved);
        }
    });
    connect(slider, &QAbstractSlider::sliderReleased, this, [this, slider] {
        if (!quiet()) {
            Notification released = typed("valuechanged");
            released.value = slider->value();
            notify(released);
        }
    });
    // Keys, the wheel and clicks beside the handle change the value without a drag.
    connect(slider, &QAbstractSlider::valueChanged, this, [this, slider](int value) {
        if (!quiet() && !slider->isSliderDown()) {
            Notification changed = typed("valuechanged");
            changed.value = value;
            notify(changed);
        }
    });
}

void QtControl::connectEdit() {
    auto* edit = qobject_cast<QLineEdit*>(widget_.data());
    connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) {
        Notification edited = typed("textchanged");
        edited.text = text.toStdString();
        notify(edited);
    });
}

void QtControl::connectPalette() {
    auto* palette = qobject_cast<ColorPalette*>(widget_.data());
    connect(palette, &ColorPalette::colourChosen, this, [this](QColor colour) {
        Notification chosen = typed("colorchanged");
        chosen.colour = toArgb(colour);
        notify(chosen);
    });
}

bool QtControl::focusChanged(QEvent* event) {
    // The window's root holds the focus while no control does, and focus that comes and goes
    // with the window's activation or a popup is no move of the user's.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (widget_->isWindow() || reason == Qt::ActiveWindowFocusReason ||
        reason == Qt::PopupFocusReason) {
        return false;
    }
    if (event->type() == QEvent::FocusIn) {
        focusReported_ = true;
        notify(typed("setfocus"));
    } else if (focusReported_) {
        focusReported_ = false;
        notify(typed("killfocus"));
    }
    return false;
}

bool QtControl::eventFilter(QObject* watched, QEvent* event) {
    if (!widget_) {
        return false;
    }
    if (watched != widget_.data()) {
        return event->type() == QEvent::MouseButtonPress && rowPressed(event);
    }
    switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            return focusChanged(event);
        case QEvent::Enter:
            notify(typed("msenter"));
            break;
        case QEvent::Leave:
            notify(typed("msleave"));
            break;
        default:
            break;
    }
    return false;
}

}  // namespace quillon::toolkit::qt
