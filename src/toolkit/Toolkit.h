#pragma once
// What the program needs of a window toolkit: windows from skin files, language files, a tray
// icon, popup menus, file dialogs and the interface thread's loop. toolkit/headless implements it
// in memory for tests and the scenario harness; toolkit/qt with Qt 6 Widgets.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Clock.h"
#include "toolkit/InputCapture.h"
#include "toolkit/Window.h"

namespace quillon::toolkit {

struct WindowSpec {
    // A resource id of the skin index "res.xml" ("XML_MAIN", "XML_MSG") or a file name in the
    // skin folder ("GmPalletDialog.xml").
    std::string skin;
    std::string title;
    int width = 0;  // 0: the skin's own size
    int height = 0;
    Window* owner = nullptr;
    bool toolWindow = false;  // no task-bar entry
    // Custom page classes: given an element's class name, the skin file to build it from, or ""
    // when the class is not a page (the main window's page table).
    std::function<std::string(std::string_view className)> pageFile;
};

struct MenuItem {
    std::string name;
    std::string text;  // plain text
};

struct FileDialogSpec {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    std::string title;
    // Filters as "description|pattern" pairs, for example {"(*.pro)", "*.pro"}.
    std::vector<std::pair<std::string, std::string>> filters;
    std::string initialName;
    std::string defaultExtension;  // without the dot
};

struct Point {
    int x = 0;
    int y = 0;
};

class Toolkit {
public:
    virtual ~Toolkit() = default;

    virtual Clock& clock() = 0;

    // Builds a window from its skin; null when the skin cannot be read (the reason goes to the
    // debug log). The window starts hidden.
    virtual std::unique_ptr<Window> createWindow(const WindowSpec& spec) = 0;

    // Loads a language file from the skin folder ("lan_en.xml") and re-translates every control
    // of every window. Returns false (and keeps the current texts) when the file is unreadable.
    virtual bool loadLanguage(const std::string& fileName) = 0;
    // The text of an id in the current language: the text query's answer first, then the
    // language file, else the id itself.
    virtual std::string translate(std::string_view id) const = 0;
    virtual void setTextQuery(std::function<std::optional<std::string>(std::string_view id)> query) = 0;

    // The notification-area icon; its clicks reach `target` as kMsgTray messages.
    virtual void createTrayIcon(Window& target, const std::string& iconFile,
                                const std::string& tooltip) = 0;
    virtual void removeTrayIcon() = 0;

    // Opens a popup menu built from a menu skin file, with `appended` items after the file's own.
    // A chosen item reaches `owner` as a posted kMsgMenuCommand message with a MenuChoice.
    virtual void openMenu(Window& owner, const std::string& menuFile,
                          const std::vector<MenuItem>& appended, Point at) = 0;

    // A file chooser; nullopt when cancelled.
    virtual std::optional<std::string> fileDialog(const FileDialogSpec& spec) = 0;

    virtual void openUrl(const std::string& url) = 0;
    // Key and mouse capture for single-key assignment and macro recording.
    virtual InputCapture& inputCapture() = 0;
    virtual Point cursorPosition() const = 0;

    // Runs the interface thread's loop until quit().
    virtual int run() = 0;
    virtual void quit(int code) = 0;
};

}  // namespace quillon::toolkit
