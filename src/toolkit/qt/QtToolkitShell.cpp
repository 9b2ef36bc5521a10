// The parts of the Qt toolkit that reach the desktop: tray icon, popup menus, file dialogs,
// links and the pointer.
#include <QCursor>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMenu>
#include <QUrl>

#include "platform/DebugLog.h"
#include "toolkit/MenuFile.h"
#include "toolkit/qt/MessagePump.h"
#include "toolkit/qt/QtToolkit.h"
#include "toolkit/qt/QtWindow.h"
#include "toolkit/qt/SkinImages.h"
#include "toolkit/qt/TrayIcon.h"

namespace quillon::toolkit::qt {

namespace {

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// "(*.pro)" with "*.pro" becomes "(*.pro)"; "Profiles" with "*.pro" becomes "Profiles (*.pro)".
QString filterText(const std::pair<std::string, std::string>& filter) {
    const QString description = fromStd(filter.first).trimmed();
    const QString pattern = fromStd(filter.second).trimmed();
    if (description.contains(QLatin1Char('(') + pattern + QLatin1Char(')'))) {
        return description;
    }
    return description.isEmpty() ? pattern : description + " (" + pattern + ")";
}

}  // namespace

void QtToolkit::createTrayIcon(Window& target, const std::string& iconFile,
                               const std::string& tooltip) {
    auto* window = dynamic_cast<QtWindow*>(&target);
    if (window == nullptr) {
        return;
    }
    const QPixmap picture = images_->pixmap(fromStd(iconFile));
    tray_ = std::make_unique<TrayIcon>(*this, window->id(), QIcon(picture), fromStd(tooltip));
}

void QtToolkit::removeTrayIcon() {
    tray_.reset();
}

QSystemTrayIcon* QtToolkit::trayIcon() const {
    return tray_ ? &tray_->icon() : nullptr;
}

void QtToolkit::openMenu(Window& owner, const std::string& menuFile,
                         const std::vector<MenuItem>& appended, Point at) {
    auto* window = dynamic_cast<QtWindow*>(&owner);
    if (window == nullptr) {
        return;
    }
    std::vector<MenuEntry> entries;
    std::string error;
    if (readMenuFile(folder_, menuFile, entries, error) != kSkinLoaded) {
        debugLog("menu \"" + menuFile + "\" not opened: " + error);
        return;
    }
    entries = withAppended(std::move(entries), appended);
    if (menu_) {
        menu_->close();
        delete menu_.data();
    }
    auto* menu = new QMenu;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const MenuEntry& entry : entries) {
        const std::string shown = entry.text.isId ? translate(entry.text.value) : entry.text.value;
        QAction* action = menu->addAction(fromStd(shown));
        action->setObjectName(fromStd(entry.name));
        QObject::connect(action, &QAction::triggered, menu,
                         [this, target = window->id(), choice = choiceOf(entry)] {
                             pump_->post([this, target, choice] {
                                 if (QtWindow* to = windowById(target)) {
                                     Message message;
                                     message.id = kMsgMenuCommand;
                                     message.data = choice;
                                     to->dispatch(message);
                                 }
                             });
                         });
    }
    menu_ = menu;
    menu->popup(QPoint(at.x, at.y));
}

std::optional<std::string> QtToolkit::fileDialog(const FileDialogSpec& spec) {
    if (fileResponder_) {
        auto responder = fileResponder_;
        return responder(spec);
    }
    QFileDialog dialog(nullptr, fromStd(spec.title));
    const bool saving = spec.mode == FileDialogSpec::Mode::Save;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QStringList filters;
    for (const auto& filter : spec.filters) {
        filters << filterText(filter);
    }
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(fromStd(spec.defaultExtension));
    if (!spec.initialName.empty() && spec.initialName.find('*') == std::string::npos) {
        dialog.selectFile(fromStd(spec.initialName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front().toStdString();
}

void QtToolkit::openUrl(const std::string& url) {
    if (urlOpener_) {
        urlOpener_(url);
        return;
    }
    const QUrl target(fromStd(url), QUrl::StrictMode);
    const QString scheme = target.scheme().toLower();
    if (!target.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https") &&
                              scheme != QLatin1String("mailto"))) {
        debugLog("link not opened, not a web address: " + url);
        return;
    }
    QDesktopServices::openUrl(target);
}

Point QtToolkit::cursorPosition() const {
    const QPoint at = QCursor::pos();
    return Point{at.x(), at.y()};
}

}  // namespace quillon::toolkit::qt
