// A Qt window's modal runs, timers and messages.
#include <QAbstractSpinBox>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QShortcut>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <climits>

#include "toolkit/qt/MessagePump.h"
#include "toolkit/qt/QtControl.h"
#include "toolkit/qt/QtToolkit.h"
#include "toolkit/qt/QtWindow.h"

namespace quillon::toolkit::qt {

void QtWindow::close(int result) {
    if (modalResult_ != nullptr) {
        *modalResult_ = result;
        closeRequested_ = true;
        if (modalLoop_ != nullptr && modalLoop_->isRunning()) {
            modalLoop_->exit(result);
        }
        return;
    }
    hide();
}

int QtWindow::runModal() {
    if (!root_ || modalLoop_ != nullptr) {
        return 0;  // a window runs modally once at a time
    }
    const std::shared_ptr<bool> alive = alive_;
    int result = 0;
    QEventLoop loop;
    modalLoop_ = &loop;
    modalResult_ = &result;
    closeRequested_ = false;
    if (root_->isVisible()) {
        root_->hide();  // modality takes effect only when the window is shown anew
    }
    root_->setWindowModality(Qt::ApplicationModal);
    // Escape is the window's own close button, as in every dialog of the desktop.
    QShortcut escape(QKeySequence(Qt::Key_Escape), root_);
    QObject::connect(&escape, &QShortcut::activated, root_, [this] {
        Control* closeButton = find("closebtn");
        if (closeButton != nullptr && closeButton->visible() && closeButton->enabled()) {
            Notification click;
            click.type = "click";
            click.sender = closeButton->name();
            click.control = closeButton;
            deliver(click);
        } else {
            close(0);
        }
    });
    show();
    // The hook runs inside the loop, so a close it makes ends this run rather than a later one.
    QTimer::singleShot(0, &loop, [this] { toolkit_.modalStarted(*this); });
    if (*alive && !closeRequested_) {
        loop.exec(QEventLoop::DialogExec);
    }
    if (!*alive) {
        return result;
    }
    modalLoop_ = nullptr;
    modalResult_ = nullptr;
    if (root_) {
        root_->hide();
        root_->setWindowModality(Qt::NonModal);
    }
    return result;
}

void QtWindow::setTimer(int id, Millis period) {
    if (!toolkit_.onInterfaceThread()) {
        toolkit_.pump().post([toolkit = &toolkit_, window = id_, id, period] {
            if (QtWindow* target = toolkit->windowById(window)) {
                target->startTimer(id, period);
            }
        });
        return;
    }
    startTimer(id, period);
}

void QtWindow::killTimer(int id) {
    if (!toolkit_.onInterfaceThread()) {
        toolkit_.pump().post([toolkit = &toolkit_, window = id_, id] {
            if (QtWindow* target = toolkit->windowById(window)) {
                target->stopTimer(id);
            }
        });
        return;
    }
    stopTimer(id);
}

void QtWindow::startTimer(int id, Millis period) {
    std::unique_ptr<QTimer>& timer = timers_[id];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer.get(), &QTimer::timeout, timer.get(),
                         [this, id] { timerFired(id); });
    }
    // A period of 0 would spin the loop; the shortest timer ticks every millisecond.
    timer->start(static_cast<int>(std::clamp<Millis>(period, 1, INT_MAX)));
}

void QtWindow::stopTimer(int id) {
    const auto found = timers_.find(id);
    if (found != timers_.end()) {
        found->second->stop();  // kept for reuse: a timer may be killed from its own tick
    }
}

void QtWindow::timerFired(int id) {
    if (handler_ == nullptr) {
        return;
    }
    const std::shared_ptr<bool> alive = alive_;
    ++delivering_;
    handler_->onTimer(id);
    if (*alive) {
        --delivering_;
    }
}

void QtWindow::post(Message message) {
    toolkit_.pump().post([toolkit = &toolkit_, window = id_, message = std::move(message)] {
        if (QtWindow* target = toolkit->windowById(window)) {
            target->dispatch(message);
        }
    });
}

void QtWindow::send(Message message) {
    toolkit_.pump().send([toolkit = &toolkit_, window = id_, message = std::move(message)] {
        if (QtWindow* target = toolkit->windowById(window)) {
            target->dispatch(message);
        }
    });
}

void QtWindow::dispatch(const Message& message) {
    const std::shared_ptr<bool> alive = alive_;
    ++delivering_;
    if (message.task) {
        message.task();
    } else if (handler_ != nullptr) {
        handler_->onMessage(message);
    }
    if (*alive) {
        --delivering_;
    }
}

namespace {

// Only text entries take the focus when clicked, as in the skins' own toolkit; the rest can still
// be reached with the Tab key.
void keepFocusOnClick(QWidget& widget) {
    if (qobject_cast<QLineEdit*>(&widget) || qobject_cast<QAbstractSpinBox*>(&widget) ||
        qobject_cast<QTextEdit*>(&widget) || qobject_cast<QPlainTextEdit*>(&widget)) {
        return;
    }
    if ((widget.focusPolicy() & Qt::ClickFocus) != 0) {
        widget.setFocusPolicy((widget.focusPolicy() & Qt::TabFocus) != 0 ? Qt::TabFocus
                                                                         : Qt::NoFocus);
    }
}

}  // namespace

void QtWindow::setUpOptions() {
    for (const auto& control : controls_) {
        keepFocusOnClick(*control->widget());
    }
    // The root keeps the focus while no control has it, so showing the window focuses nothing.
    root_->setFocus(Qt::OtherFocusReason);
    for (const auto& control : controls_) {
        auto* button = qobject_cast<QAbstractButton*>(control->widget());
        if (button == nullptr || qobject_cast<QCheckBox*>(button) != nullptr) {
            continue;
        }
        const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
        if (!radio && !button->property("option").toBool()) {
            continue;
        }
        button->setCheckable(true);
        button->setAutoExclusive(false);  // exclusion comes from the skin's groups only
        const std::string group = button->property("group").toString().toStdString();
        if (!group.empty()) {
            optionGroup(group)->addButton(button);
        }
    }
}

QButtonGroup* QtWindow::optionGroup(const std::string& group) {
    QButtonGroup*& found = groups_[group];
    if (found == nullptr) {
        found = new QButtonGroup(root_.data());
        found->setExclusive(true);
    }
    return found;
}

}  // namespace quillon::toolkit::qt
