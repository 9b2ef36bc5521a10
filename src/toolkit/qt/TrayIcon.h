#pragma once
// The notification-area icon. Its clicks reach the target window as posted kMsgTray messages
// (left button up, right button up). Without a notification area the icon simply never shows.

#include <QObject>
#include <QSystemTrayIcon>
#include <memory>

namespace quillon::toolkit::qt {

class QtToolkit;

class TrayIcon : public QObject {
  public:
    TrayIcon(QtToolkit& toolkit, int targetWindow, const QIcon& icon, const QString& tooltip);

    QSystemTrayIcon& icon() { return icon_; }

  private:
    void activated(QSystemTrayIcon::ActivationReason reason);

    QtToolkit& toolkit_;
    int target_;
    QSystemTrayIcon icon_;
};

}  // namespace quillon::toolkit::qt
