// Acts as the user on the Qt toolkit for the contract tests: clicks and presses through QTest,
// keyboard and input-method events for combos and edits, the slider's own drag interface, and
// queued answers for modal windows and file dialogs.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSlider>
#include <QSystemTrayIcon>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <deque>

#include "toolkit/qt/QtControl.h"
#include "toolkit/qt/QtToolkit.h"
#include "toolkit/qt/QtWindow.h"
#include "toolkit_qt/qt_driver.h"

namespace quillon::toolkit::qt {

void ensureQtApplication() {
    static int argc = 1;
    static char name[] = "toolkit_qt_tests";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) {
        static QApplication* application = new QApplication(argc, argv);
        (void)application;
    }
}

namespace {

// The widget of a control a user could reach: shown and enabled in its window.
template <class Widget>
Widget* reachable(Window& window, const std::string& name) {
    auto* control = dynamic_cast<QtControl*>(window.find(name));
    if (control == nullptr || !control->visible() || !control->enabled()) {
        return nullptr;
    }
    return qobject_cast<Widget*>(control->widget());
}

// Where a user clicks a button: on the indicator of an option or check box (their text may be
// shorter than the control), in the middle of anything else.
QPoint clickPoint(const QAbstractButton& button) {
    if (qobject_cast<const QRadioButton*>(&button) || qobject_cast<const QCheckBox*>(&button)) {
        const int middle = button.height() / 2;
        return QPoint(std::min(middle, button.width() / 2), middle);
    }
    return button.rect().center();
}

void focusLikeAUser(QWidget& widget) {
    widget.setFocus(Qt::MouseFocusReason);
    if (!widget.hasFocus()) {  // the window is not active: tell the widget all the same
        QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
        QCoreApplication::sendEvent(&widget, &in);
    }
}

bool chooseInCombo(QComboBox& combo, int index) {
    combo.showPopup();
    QAbstractItemView* view = combo.view();
    if (view != nullptr && view->isVisible()) {
        view->setCurrentIndex(combo.model()->index(index, combo.modelColumn()));
        QTest::keyClick(view, Qt::Key_Return);
    }
    if (combo.currentIndex() != index) {  // no popup on this platform: pick it as the keys would
        combo.hidePopup();
        combo.setCurrentIndex(index);
    }
    return true;
}

bool chooseInList(QListWidget& list, int index) {
    QListWidgetItem* item = list.item(index);
    list.scrollToItem(item);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(item).center());
    return true;
}

class QtDriver final : public contract::ToolkitDriver {
  public:
    QtDriver() {
        ensureQtApplication();
        toolkit_ = std::make_unique<QtToolkit>(contract::contractSkinDir());
        toolkit_->setModalHook([this](Window& window) { answerModal(window); });
        toolkit_->setFileDialogResponder([this](const FileDialogSpec&) {
            std::optional<std::string> answer;
            if (!fileAnswers_.empty()) {
                answer = fileAnswers_.front();
                fileAnswers_.pop_front();
            }
            return answer;
        });
        toolkit_->setUrlOpener([](const std::string&) {});
    }

    Toolkit& toolkit() override { return *toolkit_; }

    bool click(Window& window, const std::string& name) override {
        auto* button = reachable<QAbstractButton>(window, name);
        if (button == nullptr) {
            return false;
        }
        QTest::mouseClick(button, Qt::LeftButton, {}, clickPoint(*button));
        return true;
    }

    bool select(Window& window, const std::string& name, bool selected) override {
        auto* button = reachable<QAbstractButton>(window, name);
        if (button == nullptr || !button->isCheckable()) {
            return false;
        }
        const bool grouped = button->group() != nullptr && button->group()->exclusive();
        if (selected ? (button->isChecked() && !grouped) : (grouped || !button->isChecked())) {
            return false;  // a user's click could not give that state
        }
        return click(window, name);
    }

    bool choose(Window& window, const std::string& name, int index) override {
        if (auto* combo = reachable<QComboBox>(window, name)) {
            return index >= 0 && index < combo->count() && chooseInCombo(*combo, index);
        }
        if (auto* list = reachable<QListWidget>(window, name)) {
            return index >= 0 && index < list->count() && chooseInList(*list, index);
        }
        return false;
    }

    bool slide(Window& window, const std::string& name, int value) override {
        auto* slider = reachable<QAbstractSlider>(window, name);
        if (!drag(window, name, value)) {
            return false;
        }
        slider->setSliderDown(false);
        return true;
    }

    bool drag(Window& window, const std::string& name, int value) override {
        auto* slider = reachable<QAbstractSlider>(window, name);
        if (slider == nullptr || value < slider->minimum() || value > slider->maximum()) {
            return false;
        }
        slider->setSliderDown(true);
        slider->setSliderPosition(value);
        return true;
    }

    bool type(Window& window, const std::string& name, const std::string& text) override {
        auto* edit = reachable<QLineEdit>(window, name);
        if (edit == nullptr) {
            return false;
        }
        focusLikeAUser(*edit);
        edit->selectAll();
        QInputMethodEvent typed;
        typed.setCommitString(QString::fromStdString(text));
        QCoreApplication::sendEvent(edit, &typed);
        return true;
    }

    bool leave(Window& window, const std::string& name) override {
        auto* widget = reachable<QWidget>(window, name);
        if (widget == nullptr) {
            return false;
        }
        if (widget->hasFocus()) {
            widget->clearFocus();
        } else {
            QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
            QCoreApplication::sendEvent(widget, &out);
        }
        return true;
    }

    bool hover(Window& window, const std::string& name, bool inside) override {
        auto* widget = reachable<QWidget>(window, name);
        if (widget == nullptr) {
            return false;
        }
        if (inside) {
            const QPointF at = widget->rect().center();
            QEnterEvent enter(at, at, widget->mapToGlobal(at));
            QCoreApplication::sendEvent(widget, &enter);
        } else {
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(widget, &leave);
        }
        return true;
    }

    void runFor(Millis ms) override { QTest::qWait(static_cast<int>(ms)); }

    void answerNextModalWith(const std::string& controlName) override {
        modalAnswers_.push_back(controlName);
    }

    void answerNextFileDialog(std::optional<std::string> path) override {
        fileAnswers_.push_back(std::move(path));
    }

    bool chooseMenuItem(const std::string& name) override {
        QMenu* menu = toolkit_->openMenuWidget();
        if (menu == nullptr) {
            return false;
        }
        for (QAction* action : menu->actions()) {
            if (action->objectName().toStdString() != name) {
                continue;
            }
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            if (menu->isVisible()) {  // the click did not land: choose it as the keys would
                action->trigger();
                menu->close();
            }
            return true;
        }
        return false;
    }

    bool clickTray(bool left) override {
        QSystemTrayIcon* icon = toolkit_->trayIcon();
        if (icon == nullptr) {
            return false;
        }
        emit icon->activated(left ? QSystemTrayIcon::Trigger : QSystemTrayIcon::Context);
        return true;
    }

    // Events as the platform delivers them: to the top-level window, the key with its X11
    // key code (evdev + 8).
    void pressKey(Window& window, std::uint32_t evdevCode, bool down) override {
        QWindow* handle = windowHandle(window);
        if (handle == nullptr) {
            return;
        }
        QKeyEvent event(down ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_unknown,
                        Qt::NoModifier, evdevCode + 8, 0, 0);
        QCoreApplication::sendEvent(handle, &event);
    }
    void pressButton(Window& window, MouseButton button, bool down) override {
        QWindow* handle = windowHandle(window);
        if (handle == nullptr) {
            return;
        }
        const Qt::MouseButton qtButton = button == MouseButton::Left    ? Qt::LeftButton
                                         : button == MouseButton::Right ? Qt::RightButton
                                                                        : Qt::MiddleButton;
        // Far outside every control, so no widget acts on it.
        const QPointF at(-50, -50);
        QMouseEvent event(down ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, at,
                          handle->mapToGlobal(at), qtButton, down ? qtButton : Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(handle, &event);
    }

    int repaintsDuring(Window& window, const std::string& name,
                       const std::function<void()>& change) override {
        auto* control = dynamic_cast<QtControl*>(window.find(name));
        if (control == nullptr || control->widget() == nullptr) {
            return 0;
        }
        QApplication::processEvents();  // whatever was pending is painted first
        PaintCounter counter;
        control->widget()->installEventFilter(&counter);
        change();
        QApplication::processEvents();
        QApplication::processEvents();
        control->widget()->removeEventFilter(&counter);
        return counter.paints;
    }

  private:
    // Counts the paint events of the widget it watches.
    class PaintCounter : public QObject {
      public:
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) {
                ++paints;
            }
            return false;
        }
        int paints = 0;
    };

    static QWindow* windowHandle(Window& window) {
        auto* qtWindow = dynamic_cast<QtWindow*>(&window);
        return qtWindow != nullptr && qtWindow->root() != nullptr ? qtWindow->root()->windowHandle()
                                                                  : nullptr;
    }

    // A queued answer that names no usable control closes the window with -1, so a broken test
    // fails instead of waiting forever.
    void answerModal(Window& window) {
        if (modalAnswers_.empty()) {
            return;
        }
        const std::string name = modalAnswers_.front();
        modalAnswers_.pop_front();
        if (!click(window, name)) {
            window.close(-1);
        }
    }

    std::unique_ptr<QtToolkit> toolkit_;
    std::deque<std::string> modalAnswers_;
    std::deque<std::optional<std::string>> fileAnswers_;
};

}  // namespace

std::unique_ptr<contract::ToolkitDriver> makeQtDriver() {
    return std::make_unique<QtDriver>();
}

}  // namespace quillon::toolkit::qt
