#include "toolkit/qt/TrayIcon.h"

#include "toolkit/qt/MessagePump.h"
#include "toolkit/qt/QtToolkit.h"
#include "toolkit/qt/QtWindow.h"

namespace quillon::toolkit::qt {

TrayIcon::TrayIcon(QtToolkit& toolkit, int targetWindow, const QIcon& icon, const QString& tooltip)
    : toolkit_(toolkit), target_(targetWindow), icon_(icon) {
    icon_.setToolTip(tooltip);
    connect(&icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) { activated(reason); });
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        icon_.show();
    }
}

void TrayIcon::activated(QSystemTrayIcon::ActivationReason reason) {
    std::intptr_t button = 0;
    if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) {
        button = kTrayLeftUp;
    } else if (reason == QSystemTrayIcon::Context) {
        button = kTrayRightUp;
    } else {
        return;
    }
    toolkit_.pump().post([toolkit = &toolkit_, target = target_, button] {
        if (QtWindow* window = toolkit->windowById(target)) {
            Message message;
            message.id = kMsgTray;
            message.lParam = button;
            window->dispatch(message);
        }
    });
}

}  // namespace quillon::toolkit::qt
