#pragma once
// The toolkit port in memory, for the tests and the scenario harness. Windows are built from the
// same skin files as the Qt toolkit; the loop runs on the given Clock (a VirtualClock in tests);
// the tray, menus, file dialogs and links record what the program asked for, and the harness
// answers modal windows and file dialogs through responders. Windows must not outlive the toolkit
// that made them.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/Language.h"
#include "toolkit/MenuFile.h"
#include "toolkit/SkinLoader.h"
#include "toolkit/Toolkit.h"
#include "toolkit/headless/ActionResult.h"
#include "toolkit/headless/EventLoop.h"
#include "toolkit/headless/HeadlessInputCapture.h"
#include "toolkit/headless/HeadlessWindow.h"

namespace quillon::toolkit::headless {

struct TrayIcon {
    Window* target = nullptr;
    std::string iconFile;
    std::string tooltip;
};

struct OpenMenu {
    Window* owner = nullptr;
    std::string file;
    Point at;
    std::vector<MenuEntry> items;
};

class HeadlessToolkit final : public Toolkit {
  public:
    HeadlessToolkit(Clock& clock, std::string skinFolder);
    ~HeadlessToolkit() override;
    HeadlessToolkit(const HeadlessToolkit&) = delete;
    HeadlessToolkit& operator=(const HeadlessToolkit&) = delete;

    // Toolkit
    Clock& clock() override { return loop_.clock(); }
    std::unique_ptr<Window> createWindow(const WindowSpec& spec) override;
    bool loadLanguage(const std::string& fileName) override;
    std::string translate(std::string_view id) const override;
    void setTextQuery(
        std::function<std::optional<std::string>(std::string_view id)> query) override;
    void createTrayIcon(Window& target, const std::string& iconFile,
                        const std::string& tooltip) override;
    void removeTrayIcon() override { tray_.reset(); }
    void openMenu(Window& owner, const std::string& menuFile, const std::vector<MenuItem>& appended,
                  Point at) override;
    std::optional<std::string> fileDialog(const FileDialogSpec& spec) override;
    void openUrl(const std::string& url) override { openedUrls_.push_back(url); }
    HeadlessInputCapture& inputCapture() override { return capture_; }
    Point cursorPosition() const override { return cursor_; }
    int run() override;
    void quit(int code) override { loop_.quit(code); }

    // The loop: handles messages and timers until the clock reaches `deadline` (or quit()).
    void runUntil(Millis deadline);
    void runFor(Millis ms);
    bool quitRequested() const { return loop_.quitRequested(); }
    int exitCode() const { return loop_.exitCode(); }

    // Live windows, oldest first.
    const std::vector<HeadlessWindow*>& windows() const { return windows_; }
    // The newest live window built from `skin` (compared without regard to case), or null.
    HeadlessWindow* findWindow(std::string_view skin) const;
    // Why the last window, menu or language file could not be built or loaded; skin warnings
    // (pages left empty) of the last window built.
    const std::string& lastError() const { return lastError_; }
    const std::vector<std::string>& lastWarnings() const { return lastWarnings_; }
    const LanguageTable& language() const { return language_; }
    const std::string& languageFile() const { return languageFile_; }

    // Called with every window that goes modal, before its loop runs: the harness clicks a
    // button or chooses a colour there. Without one, the window's own timers still run.
    void setModalResponder(std::function<void(HeadlessWindow&)> responder);

    // Answers file dialogs; without one every dialog is cancelled. Every dialog is recorded.
    void setFileDialogResponder(
        std::function<std::optional<std::string>(const FileDialogSpec&)> responder);
    const std::vector<FileDialogSpec>& fileDialogs() const { return fileDialogs_; }

    const std::vector<std::string>& openedUrls() const { return openedUrls_; }
    void setCursorPosition(Point at) { cursor_ = at; }

    // The tray icon, and a click on it (posts kMsgTray to its target).
    const std::optional<TrayIcon>& trayIcon() const { return tray_; }
    ActionResult clickTray(bool left);

    // The popup menu that is open, choosing one of its items (posts kMsgMenuCommand to its
    // owner and closes it), and closing it without a choice.
    const std::optional<OpenMenu>& currentMenu() const { return menu_; }
    std::string shownText(const MenuEntry& entry) const;
    ActionResult chooseMenuItem(std::string_view name);
    void dismissMenu() { menu_.reset(); }

    // Used by the windows.
    EventLoop& loop() { return loop_; }
    const SkinFolder& skinFolder() const { return folder_; }
    void windowOpened(HeadlessWindow* window);
    void windowClosed(HeadlessWindow* window);
    void modalOpened(HeadlessWindow& window);

  private:
    void fail(std::string reason);

    EventLoop loop_;
    HeadlessInputCapture capture_{loop_.clock()};
    SkinFolder folder_;
    LanguageTable language_;
    std::string languageFile_;
    std::function<std::optional<std::string>(std::string_view)> textQuery_;
    std::vector<HeadlessWindow*> windows_;
    std::string lastError_;
    std::vector<std::string> lastWarnings_;
    std::function<void(HeadlessWindow&)> modalResponder_;
    std::function<std::optional<std::string>(const FileDialogSpec&)> fileResponder_;
    std::vector<FileDialogSpec> fileDialogs_;
    std::vector<std::string> openedUrls_;
    Point cursor_;
    std::optional<TrayIcon> tray_;
    std::optional<OpenMenu> menu_;
};

}  // namespace quillon::toolkit::headless
