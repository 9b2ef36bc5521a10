#include "toolkit/headless/HeadlessToolkit.h"

#include <algorithm>

#include "platform/DebugLog.h"
#include "toolkit/SkinPath.h"

namespace quillon::toolkit::headless {

HeadlessToolkit::HeadlessToolkit(Clock& clock, std::string skinFolder)
    : loop_(clock), folder_(std::move(skinFolder)) {}

HeadlessToolkit::~HeadlessToolkit() = default;

void HeadlessToolkit::fail(std::string reason) {
    debugLog(reason);
    lastError_ = std::move(reason);
}

std::unique_ptr<Window> HeadlessToolkit::createWindow(const WindowSpec& spec) {
    SkinDocument doc;
    std::string error;
    lastWarnings_.clear();
    const int code = folder_.load(spec.skin, spec.pageFile, doc, error, &lastWarnings_);
    for (const std::string& warning : lastWarnings_) {
        debugLog(warning);
    }
    if (code != kSkinLoaded) {
        fail("window \"" + spec.skin + "\" not built: " + error);
        return nullptr;
    }
    return std::make_unique<HeadlessWindow>(*this, spec, doc);
}

bool HeadlessToolkit::loadLanguage(const std::string& fileName) {
    if (!isNameInsideFolder(fileName)) {
        fail("language file name leaves the skin folder: \"" + fileName + "\"");
        return false;
    }
    std::string error;
    if (language_.loadFile(pathInFolder(folder_.folder(), fileName), &error) !=
        LanguageTable::kLoaded) {
        fail(error);
        return false;
    }
    // Texts given as ids are translated when they are read, so every window shows the new
    // language from now on.
    languageFile_ = fileName;
    return true;
}

std::string HeadlessToolkit::translate(std::string_view id) const {
    if (textQuery_) {
        if (std::optional<std::string> answer = textQuery_(id)) {
            return *answer;
        }
    }
    if (std::optional<std::string> text = language_.find(id)) {
        return *text;
    }
    return std::string(id);
}

void HeadlessToolkit::setTextQuery(
    std::function<std::optional<std::string>(std::string_view id)> query) {
    textQuery_ = std::move(query);
}

void HeadlessToolkit::createTrayIcon(Window& target, const std::string& iconFile,
                                     const std::string& tooltip) {
    tray_ = TrayIcon{&target, iconFile, tooltip};
}

ActionResult HeadlessToolkit::clickTray(bool left) {
    if (!tray_ || tray_->target == nullptr) {
        return ActionResult::failure("there is no tray icon");
    }
    Message message;
    message.id = kMsgTray;
    message.lParam = left ? kTrayLeftUp : kTrayRightUp;
    tray_->target->post(std::move(message));
    return ActionResult::success();
}

void HeadlessToolkit::openMenu(Window& owner, const std::string& menuFile,
                               const std::vector<MenuItem>& appended, Point at) {
    std::vector<MenuEntry> items;
    std::string error;
    if (readMenuFile(folder_, menuFile, items, error) != kSkinLoaded) {
        fail("menu \"" + menuFile + "\" not opened: " + error);
        menu_.reset();
        return;
    }
    menu_ = OpenMenu{&owner, menuFile, at, withAppended(std::move(items), appended)};
}

std::string HeadlessToolkit::shownText(const MenuEntry& entry) const {
    return entry.text.isId ? translate(entry.text.value) : entry.text.value;
}

ActionResult HeadlessToolkit::chooseMenuItem(std::string_view name) {
    if (!menu_) {
        return ActionResult::failure("no menu is open");
    }
    const auto found =
        std::find_if(menu_->items.begin(), menu_->items.end(),
                     [&](const MenuEntry& e) { return equalsIgnoringCase(e.name, name); });
    if (found == menu_->items.end()) {
        return ActionResult::failure("the open menu \"" + menu_->file + "\" has no item \"" +
                                     std::string(name) + "\"");
    }
    Message message;
    message.id = kMsgMenuCommand;
    message.data = choiceOf(*found);
    Window* owner = menu_->owner;
    menu_.reset();
    owner->post(std::move(message));
    return ActionResult::success();
}

std::optional<std::string> HeadlessToolkit::fileDialog(const FileDialogSpec& spec) {
    fileDialogs_.push_back(spec);
    if (!fileResponder_) {
        return std::nullopt;
    }
    return fileResponder_(spec);
}

void HeadlessToolkit::setFileDialogResponder(
    std::function<std::optional<std::string>(const FileDialogSpec&)> responder) {
    fileResponder_ = std::move(responder);
}

void HeadlessToolkit::setModalResponder(std::function<void(HeadlessWindow&)> responder) {
    modalResponder_ = std::move(responder);
}

void HeadlessToolkit::modalOpened(HeadlessWindow& window) {
    if (modalResponder_) {
        modalResponder_(window);
    }
}

int HeadlessToolkit::run() {
    loop_.run(kForever);
    const int code = loop_.exitCode();
    loop_.clearQuit();
    return code;
}

void HeadlessToolkit::runUntil(Millis deadline) {
    loop_.run(deadline);
}

void HeadlessToolkit::runFor(Millis ms) {
    loop_.run(clock().deadlineAfter(ms));
}

HeadlessWindow* HeadlessToolkit::findWindow(std::string_view skin) const {
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        if (equalsIgnoringCase((*it)->skin(), skin)) {
            return *it;
        }
    }
    return nullptr;
}

void HeadlessToolkit::windowOpened(HeadlessWindow* window) {
    windows_.push_back(window);
}

void HeadlessToolkit::windowClosed(HeadlessWindow* window) {
    std::erase(windows_, window);
    if (tray_ && tray_->target == window) {
        tray_->target = nullptr;
    }
    if (menu_ && menu_->owner == window) {
        menu_.reset();
    }
    capture_.windowGone(window);
}

}  // namespace quillon::toolkit::headless
