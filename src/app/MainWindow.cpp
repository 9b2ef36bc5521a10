#include "app/MainWindow.h"

#include "app/ControlName.h"
#include "app/Dialogs.h"
#include "app/LanguageSettings.h"
#include "app/Module.h"
#include "app/PageTable.h"
#include "platform/DebugLog.h"
#include "platform/MachineSettings.h"

namespace quillon::app {
namespace {

constexpr const char* kMainSkin = "XML_MAIN";
constexpr const char* kTitle = "Quillon Driver";
constexpr int kWidth = 800;
constexpr int kHeight = 572;
constexpr toolkit::Argb kPaletteStartColour = 0xFF0199CB;
constexpr Millis kShutdownWaitMs = 10000;

}  // namespace

CMainWnd::CMainWnd(ShellPorts ports, Dialogs& dialogs)
    : ports_(std::move(ports)), dialogs_(dialogs), workers_(ports_.toolkit.clock()) {
    for (DeviceKind kind : kAllDeviceKinds) {
        channels_[kindIndex(kind)] =
            std::make_unique<DeviceChannel>(kind, ports_.hid, ports_.toolkit.clock());
    }
    language_ = std::make_unique<LanguageSettings>(ports_.toolkit, settings(), ports_.machine);
    flush_.watchModel();
}

CMainWnd::~CMainWnd() {
    destroy();
    modules_.clear();
    window_.reset();
}

void CMainWnd::addModule(std::unique_ptr<Module> module) {
    modules_.push_back(std::move(module));
}

bool CMainWnd::create() {
    toolkit::WindowSpec spec;
    spec.skin = kMainSkin;
    spec.title = kTitle;
    spec.width = kWidth;
    spec.height = kHeight;
    spec.pageFile = [](std::string_view className) { return pageFileFor(className); };
    window_ = toolkit().createWindow(spec);
    if (!window_) {
        debugLog("main window skin could not be loaded");
        return false;
    }
    window_->setHandler(this);
    toolkit().setTextQuery([this](std::string_view id) { return language_->queryControlText(id); });
    // The start-up language is known already: its file is loaded once, here, rather than the
    // Chinese file first and the chosen one again at the first show.
    language_->load(startupLanguage());
    lookUpKeyButtons();
    for (const char* name :
         {"ms_deng_Color_Pallet", "mp_deng_Color_Pallet", "kb_deng_Color_Pallet"}) {
        if (auto* palette = find(name)) {
            palette->set(toolkit::Prop::PaletteColor, std::int64_t{kPaletteStartColour});
        }
    }
    toolkit().createTrayIcon(*window_, "common/icon.png", toolkit().translate("tray_tooltip"));
    for (auto& module : modules_) {
        module->install(*this);
    }
    window_->center();
    return true;
}

void CMainWnd::showFirstTime() {
    if (window_) {
        window_->show();
    }
}

void CMainWnd::lookUpKeyButtons() {
    auto tintOff = [this](const std::string& name) {
        if (auto* zone = find(name)) {
            zone->set(toolkit::Prop::TintEnabled, true);
            zone->set(toolkit::Prop::TintAlpha, std::int64_t{0});
        }
    };
    for (int i = 0; i < kMouseKeyButtons; ++i) {
        tintOff("ms_dkey_" + std::to_string(i));
    }
    keyButtons_.clear();
    for (int i = 0; i < kMousepadKeyButtons; ++i) {
        const std::string name = "mp_dkey_" + std::to_string(i);
        tintOff(name);
        keyButtons_.push_back(find(name));
    }
    for (int i = 0; i < kKeyboardKeyButtons; ++i) {
        keyButtons_.push_back(find("kb_key_" + std::to_string(i)));
    }
}

toolkit::Control* CMainWnd::keyButton(std::size_t index) const {
    return index < keyButtons_.size() ? keyButtons_[index] : nullptr;
}

bool CMainWnd::anyDeviceConnected() const {
    for (const auto& channel : channels_) {
        if (channel->connected()) {
            return true;
        }
    }
    return false;
}

void CMainWnd::notify(const toolkit::Notification& notification) {
    if (notification.type == "windowinit") {
        firstShowInit();
        return;
    }
    if (notification.type == "windowexposed") {
        updatePreviewTicks();
        return;
    }
    debugLog(notification.type + " " + notification.sender);
    dispatch_.notify(notification);
    updatePreviewTicks();
}

void CMainWnd::onTimer(int id) {
    dispatch_.timer(id);
    updatePreviewTicks();
}

bool CMainWnd::onMessage(const toolkit::Message& message) {
    const bool handled = dispatch_.message(message);
    updatePreviewTicks();
    return handled;
}

void CMainWnd::firstShowInit() {
    if (initialised_) {
        return;
    }
    initialised_ = true;
    skinBroadcaster().addReceiver(this);
    applySavedBackground();
    for (auto& module : modules_) {
        module->setUpPages(*this);
    }
    setChannelIdentities();
    const Language language = startupLanguage();
    hideWindow();
    workers_.startAll();
    startTimers();
    if (language != language_->current()) {
        language_->load(language);
    }
    debugLog("window ready");
}

Language CMainWnd::startupLanguage() {
    return chooseStartupLanguage(settings(), ports_.machine.readLanguage(), ports_.locale);
}

// A background image chosen earlier from the skin window comes back at start-up.
void CMainWnd::applySavedBackground() {
    const IniFile file = settings();
    if (file.readInt("SKINIMAGE", "FLAGS") != 1) {
        return;
    }
    if (auto* root = find("root")) {
        root->setBkColor(0);
        root->set(toolkit::Prop::BkImage, file.read("SKINIMAGE", "IMAGE"));
    }
}

std::int32_t CMainWnd::receive(SkinChangedParam param) {
    toolkit::Control* root = find("root");
    if (root == nullptr) {
        return 0;
    }
    if (param.useColour) {
        root->setBkColor(param.backgroundColour);
        root->set(toolkit::Prop::BkImage, std::string());
    } else {
        root->setBkColor(0);
        root->set(toolkit::Prop::BkImage, param.backgroundImage);
    }
    return 1;
}

void CMainWnd::setChannelIdentities() {
    for (DeviceKind kind : kAllDeviceKinds) {
        DeviceChannel& ch = channel(kind);
        ch.setIdentity(standardIdentity(kind));
        ch.setConnected(false);
    }
}

void CMainWnd::startTimers() {
    flush_.start();
    window_->setTimer(kTimerReadKeyboard, 500);
    window_->setTimer(kTimerReadMousepad, 500);
}

void CMainWnd::hideWindow() {
    if (!window_) {
        return;
    }
    window_->hide();
    setPreviewTicks(false);
}

void CMainWnd::bringToFront() {
    if (!window_) {
        return;
    }
    window_->show();
    window_->restore();
    window_->bringToFront();
    updatePreviewTicks();
}

// The lighting previews only need their tick and repaint while someone can see them: a page
// without a preview, a hidden, minimised or covered window costs no tick at all.
void CMainWnd::updatePreviewTicks() {
    const bool wanted = window_ && initialised_ && !destroyed_ && previews_.anyShown(*window_);
    if (wanted != previewTicking_) {
        setPreviewTicks(wanted);
    }
}

void CMainWnd::setPreviewTicks(bool running) {
    previewTicking_ = running;
    // The lighting workers compute frames only while the ticks run.
    if (hooks_.windowShown) {
        hooks_.windowShown(running);
    }
    if (running) {
        window_->setTimer(kTimerLightingTick, 10);
        window_->setTimer(kTimerPreviewRepaint, 50);
    } else {
        window_->killTimer(kTimerLightingTick);
        window_->killTimer(kTimerPreviewRepaint);
    }
}

void CMainWnd::showNoDeviceMessage() {
    if (noDeviceMessageShowing_) {
        return;
    }
    noDeviceMessageShowing_ = true;
    dialogs_.showMessage("message_text_1");
    noDeviceMessageShowing_ = false;
}

void CMainWnd::showOnRequest() {
    if (anyDeviceConnected()) {
        bringToFront();
        return;
    }
    hideWindow();
    showNoDeviceMessage();
}

void CMainWnd::destroy() {
    if (destroyed_ || !window_) {
        return;
    }
    destroyed_ = true;
    toolkit().inputCapture().remove();
    toolkit().removeTrayIcon();
    hideWindow();
    flush_.stop();
    for (int id : {kTimerFlush, kTimerReadKeyboard, kTimerReadMousepad, kTimerReadMouse,
                   kTimerRepaint, kTimerHideProgress}) {
        window_->killTimer(id);
    }
    const StopOutcome outcome = workers_.stopAll(kShutdownWaitMs);
    debugLog(outcome == StopOutcome::AllEnded ? "所有对象处于激发状态"
                                              : "所有对象处于非激发状态，超时");
    for (auto& module : modules_) {
        module->shutDown(*this);
    }
    toolkit().quit(0);
}

}  // namespace quillon::app
