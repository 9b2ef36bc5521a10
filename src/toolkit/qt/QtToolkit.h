#pragma once
// The Toolkit port on Qt 6 Widgets: windows built with QUiLoader from the skin folder, language
// texts, the tray icon, popup menus, file dialogs and the interface thread's event loop.
//
// Construct it on the interface thread. It uses the running QApplication, or makes one of its
// own when there is none. Every window must be destroyed before the toolkit.

#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "toolkit/Language.h"
#include "toolkit/SkinLoader.h"
#include "toolkit/Toolkit.h"

class QApplication;
class QMenu;
class QSystemTrayIcon;

namespace quillon::toolkit::qt {

class InterfaceClock;
class MessagePump;
class QtInputCapture;
class QtWindow;
class SkinImages;
class TrayIcon;

class QtToolkit final : public Toolkit {
  public:
    explicit QtToolkit(std::string skinDir);
    ~QtToolkit() override;
    QtToolkit(const QtToolkit&) = delete;
    QtToolkit& operator=(const QtToolkit&) = delete;

    Clock& clock() override;
    std::unique_ptr<Window> createWindow(const WindowSpec& spec) override;
    bool loadLanguage(const std::string& fileName) override;
    std::string translate(std::string_view id) const override;
    void setTextQuery(
        std::function<std::optional<std::string>(std::string_view id)> query) override;
    void createTrayIcon(Window& target, const std::string& iconFile,
                        const std::string& tooltip) override;
    void removeTrayIcon() override;
    void openMenu(Window& owner, const std::string& menuFile, const std::vector<MenuItem>& appended,
                  Point at) override;
    std::optional<std::string> fileDialog(const FileDialogSpec& spec) override;
    void openUrl(const std::string& url) override;
    InputCapture& inputCapture() override;
    Point cursorPosition() const override;
    int run() override;
    void quit(int code) override;

    // Hooks for the tests and the scenario tools. A modal hook runs inside every modal run, just
    // after the window shows; a file dialog responder answers instead of the dialog; a URL opener
    // replaces the desktop's handler.
    void setModalHook(std::function<void(Window&)> hook);
    void setFileDialogResponder(
        std::function<std::optional<std::string>(const FileDialogSpec&)> responder);
    void setUrlOpener(std::function<void(const std::string&)> opener);
    QSystemTrayIcon* trayIcon() const;
    QMenu* openMenuWidget() const;

    // Window side.
    const std::string& skinDir() const { return skinDir_; }
    SkinImages& images() { return *images_; }
    MessagePump& pump() { return *pump_; }
    bool onInterfaceThread() const;
    QtWindow* windowById(int id) const;
    void windowGone(int id);
    void modalStarted(Window& window);

  private:
    void applyStyleSheet();

    std::unique_ptr<QApplication> ownApplication_;
    std::string skinDir_;
    SkinFolder folder_;
    std::unique_ptr<InterfaceClock> clock_;
    std::unique_ptr<SkinImages> images_;
    std::unique_ptr<MessagePump> pump_;
    LanguageTable language_;
    std::function<std::optional<std::string>(std::string_view)> textQuery_;
    std::unordered_map<int, QtWindow*> windows_;
    int nextWindowId_ = 1;
    std::unique_ptr<TrayIcon> tray_;
    std::unique_ptr<QtInputCapture> capture_;
    QPointer<QMenu> menu_;
    std::function<void(Window&)> modalHook_;
    std::function<std::optional<std::string>(const FileDialogSpec&)> fileResponder_;
    std::function<void(const std::string&)> urlOpener_;
    bool running_ = false;
    std::optional<int> pendingQuit_;
};

}  // namespace quillon::toolkit::qt
