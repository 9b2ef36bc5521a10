#pragma once
// CMainWnd: the one main window. It owns what lives for the whole run (the three device
// channels, the device model, the worker slots, the tray icon, the routing) and routes every
// notification, timer and message to the operation that owns it. The pages' operations live in
// their subsystems, which reach the shell through this class's accessors.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/Dispatch.h"
#include "app/PageHooks.h"
#include "app/SettingsFlush.h"
#include "app/SkinChange.h"
#include "app/WorkerSlots.h"
#include "device/DeviceChannel.h"
#include "device/DeviceModel.h"
#include "platform/HidBackend.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "toolkit/PreviewAreas.h"
#include "toolkit/Toolkit.h"

namespace quillon {
class ForegroundApp;
class MachineSettings;
class PointerSettings;
}  // namespace quillon

namespace quillon::app {

class Dialogs;
class Module;
class LanguageSettings;
enum class Language;

// What the program runs on: a toolkit (Qt or headless), a HID backend (hidraw or simulated),
// the folders, the machine-wide settings and the desktop's locale.
struct ShellPorts {
    toolkit::Toolkit& toolkit;
    HidBackend& hid;
    Paths paths;
    MachineSettings& machine;
    std::string locale;         // the desktop's language, e.g. "de_DE.UTF-8"
    PointerSettings& pointer;   // the desktop's pointer speed and wheel lines
    ForegroundApp& foreground;  // the application whose window is in front
};

// Private messages of the main window.
inline constexpr std::uint32_t kMsgShowRequest = 0xC000;  // a second instance asks to be shown
// A write to a device begins: "setting_progress" shows an empty ring.
inline constexpr std::uint32_t kMsgShowProgress = 0x0C00;
inline constexpr std::uint32_t kMsgHideProgress = kMsgShowProgress;  // its former name
// The write ended: the ring fills and hides a second later.
inline constexpr std::uint32_t kMsgStartProgressTimer = 0x0C01;
inline constexpr std::uint32_t kMsgMouseGone = 0x0C05;
inline constexpr std::uint32_t kMsgKeyColour = 0x0A03;
inline constexpr std::uint32_t kMsgKeyAlpha = 0x0A04;

// Main window timers.
inline constexpr int kTimerHideProgress = 1;
inline constexpr int kTimerFlush = 2;
inline constexpr int kTimerLightingTick = 3;
inline constexpr int kTimerRepaint = 7;
inline constexpr int kTimerReadMouse = 8;
inline constexpr int kTimerPreviewRepaint = 10;
inline constexpr int kTimerReadKeyboard = 11;
inline constexpr int kTimerReadMousepad = 12;

inline constexpr int kMouseKeyButtons = 20;
inline constexpr int kMousepadKeyButtons = 15;
inline constexpr int kKeyboardKeyButtons = 126;

class CMainWnd : public toolkit::WindowHandler, public ReceiverImpl {
  public:
    CMainWnd(ShellPorts ports, Dialogs& dialogs);
    ~CMainWnd() override;
    CMainWnd(const CMainWnd&) = delete;
    CMainWnd& operator=(const CMainWnd&) = delete;

    // Installs a subsystem before create(); modules are installed in the order given.
    void addModule(std::unique_ptr<Module> module);
    // Builds the window from its skin and prepares it (language, controls, tray icon).
    // False when the skin cannot be loaded.
    bool create();
    // Shows the window the first time; its "windowinit" runs the first-show set-up.
    void showFirstTime();
    // Shutdown in order: tray icon, workers (10 s at most), the quit request.
    void destroy();
    bool destroyed() const { return destroyed_; }

    // A second instance asked to be shown.
    void showOnRequest();
    // Shows the window restored and in front (tray click, show request).
    void bringToFront();
    void hideWindow();
    // Shows "message_text_1" unless it is already showing.
    void showNoDeviceMessage();
    // The lighting tick (timer 3) and the preview repaint (timer 10) run exactly while a preview
    // area is shown on a window that can be seen; called after every event the window handles.
    void updatePreviewTicks();

    // Accessors for the subsystems.
    toolkit::Toolkit& toolkit() { return ports_.toolkit; }
    toolkit::Window& window() { return *window_; }
    toolkit::Control* find(std::string_view name) {
        return window_ ? window_->find(name) : nullptr;
    }
    Clock& clock() { return ports_.toolkit.clock(); }
    HidBackend& hid() { return ports_.hid; }
    const Paths& paths() const { return ports_.paths; }
    IniFile settings() const { return IniFile(ports_.paths.settingsFile()); }
    MachineSettings& machine() { return ports_.machine; }
    PointerSettings& pointerSettings() { return ports_.pointer; }
    ForegroundApp& foreground() { return ports_.foreground; }
    const std::string& locale() const { return ports_.locale; }
    Dialogs& dialogs() { return dialogs_; }
    Dispatch& dispatch() { return dispatch_; }
    WorkerSlots& workers() { return workers_; }
    DeviceModel& model() { return model_; }
    SettingsFlush& settingsFlush() { return flush_; }
    DeviceChannel& channel(DeviceKind kind) { return *channels_[kindIndex(kind)]; }
    bool anyDeviceConnected() const;
    LanguageSettings& language() { return *language_; }
    PageHooks& hooks() { return hooks_; }
    // The animated previews of the pages (see toolkit/PreviewAreas.h).
    toolkit::PreviewAreas& previews() { return previews_; }
    // The colour-message key button table: mousepad zones 0..14, then keyboard keys 0..125.
    toolkit::Control* keyButton(std::size_t index) const;

    // WindowHandler.
    void notify(const toolkit::Notification& notification) override;
    void onTimer(int id) override;
    bool onMessage(const toolkit::Message& message) override;
    // A new background from the skin window: a colour, or a picture without a colour. 1 when the
    // window has its root control.
    std::int32_t receive(SkinChangedParam param) override;

  private:
    void firstShowInit();
    void lookUpKeyButtons();
    void applySavedBackground();
    void setChannelIdentities();
    void startTimers();
    void setPreviewTicks(bool running);
    Language startupLanguage();

    ShellPorts ports_;
    Dialogs& dialogs_;
    std::unique_ptr<toolkit::Window> window_;
    DeviceModel model_;
    std::array<std::unique_ptr<DeviceChannel>, 3> channels_;
    Dispatch dispatch_;
    WorkerSlots workers_;
    std::unique_ptr<LanguageSettings> language_;
    PageHooks hooks_;
    toolkit::PreviewAreas previews_;
    SettingsFlush flush_{*this};
    std::vector<std::unique_ptr<Module>> modules_;
    std::vector<toolkit::Control*> keyButtons_;
    bool initialised_ = false;
    bool destroyed_ = false;
    bool noDeviceMessageShowing_ = false;
    bool previewTicking_ = false;
};

}  // namespace quillon::app
