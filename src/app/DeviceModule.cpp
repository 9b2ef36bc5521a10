#include "app/DeviceModule.h"

#include <string>
#include <vector>

#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "app/RouteOrder.h"
#include "device/MemorySync.h"

namespace quillon::app {
namespace {

using toolkit::Control;
using toolkit::Notify;

std::string controlName(DeviceKind kind, const char* suffix) {
    return std::string(kindPrefix(kind)) + suffix;
}

void showAndSelectTab(CMainWnd& main, DeviceKind kind) {
    if (Control* tab = main.find(controlName(kind, "_tab"))) {
        tab->setVisible(true);
        tab->setSelected(true, Notify::Yes);
    }
}

void setVisible(CMainWnd& main, const std::string& name, bool visible) {
    if (Control* c = main.find(name)) {
        c->setVisible(visible);
    }
}

}  // namespace

DeviceModule::~DeviceModule() = default;

void DeviceModule::install(CMainWnd& main) {
    main_ = &main;
    installWorkers();
    installTimers();
    installMessages();
    installRoutes();
}

ChannelTable DeviceModule::channels() const {
    ChannelTable table{};
    for (DeviceKind kind : kAllDeviceKinds) {
        table[kindIndex(kind)] = &main_->channel(kind);
    }
    return table;
}

SyncHooks DeviceModule::syncHooks() const {
    CMainWnd* main = main_;
    SyncHooks hooks;
    hooks.saveSelectedProfile = [main](DeviceKind kind, SyncHooks::ProfileList list) {
        if (main->hooks().saveSelectedProfile) {
            main->hooks().saveSelectedProfile(kind, list);
        }
    };
    hooks.showMessage = [main](std::string_view id) {
        main->dialogs().showMessage(std::string(id));
    };
    hooks.rebuildKeyPositionMap = [main] {
        if (main->hooks().rebuildKeyPositionMap) {
            main->hooks().rebuildKeyPositionMap();
        }
    };
    hooks.refreshPage = [main](DeviceKind kind) {
        if (main->hooks().refreshPage) {
            main->hooks().refreshPage(kind);
        }
    };
    hooks.hideControl = [main](std::string_view name) {
        setVisible(*main, std::string(name), false);
    };
    // The cursor image is read on the mouse's detection worker: a copy travels to the interface.
    hooks.storeCursorImage = [main](std::span<const std::uint8_t> image) {
        std::vector<std::uint8_t> copy(image.begin(), image.end());
        main->window().postTask([main, copy = std::move(copy)] {
            if (main->hooks().storeCursorImage) {
                main->hooks().storeCursorImage(copy);
            }
        });
    };
    return hooks;
}

void DeviceModule::installWorkers() {
    WorkerSlots& slots = main_->workers();
    const std::pair<DeviceKind, int> detectionSlots[] = {
        {DeviceKind::Keyboard, kKeyboardDetection},
        {DeviceKind::Mouse, kMouseDetection},
        {DeviceKind::Mousepad, kMousepadDetection}};
    for (const auto& [kind, slot] : detectionSlots) {
        auto context = std::make_unique<DetectionContext>(DetectionContext{
            main_->channel(kind), channels(), main_->model(), *this, syncHooks(), true, {}});
        DetectionContext* ctx = context.get();
        detection_[kindIndex(kind)] = std::move(context);
        slots.assign(slot, std::string(kindName(kind)) + " detection",
                     [ctx](Event& stop) { runDetectionWorker(*ctx, stop); });
    }
    const struct {
        DeviceKind kind;
        std::uint16_t productId;
        int slot;
    } listeners[] = {{DeviceKind::Keyboard, 0x6556, kKeyboardNotification},
                     {DeviceKind::Mouse, 0x7643, kMouseNotification}};
    for (std::size_t i = 0; i < 2; ++i) {
        const auto& l = listeners[i];
        consumerDevices_[i] = std::make_unique<HidDevice>(main_->hid());
        notification_[i] = std::make_unique<NotificationContext>(NotificationContext{
            l.kind, l.productId, *consumerDevices_[i], main_->model(), *this, main_->clock()});
        NotificationContext* ctx = notification_[i].get();
        slots.assign(l.slot, std::string(kindName(l.kind)) + " notification",
                     [ctx](Event& stop) { runNotificationWorker(*ctx, stop); });
    }
}

void DeviceModule::readWhole(DeviceKind kind) {
    DeviceModel& model = main_->model();
    DeviceChannel& channel = main_->channel(kind);
    const SyncHooks hooks = syncHooks();
    switch (kind) {
        case DeviceKind::Mouse:
            ReadWholeMouse(model, channel, hooks);
            break;
        case DeviceKind::Keyboard:
            ReadWholeKeyboard(model, channel, hooks);
            break;
        case DeviceKind::Mousepad:
            ReadWholeMousepad(model, channel, hooks);
            break;
    }
    hooks.refreshPage(kind);
}

void DeviceModule::followProfile(DeviceKind kind) {
    const SyncHooks hooks = syncHooks();
    FollowDeviceProfile(main_->model(), main_->channel(kind), hooks);
    hooks.refreshPage(kind);
}

void DeviceModule::installTimers() {
    Dispatch& d = main_->dispatch();
    d.addTimer(kTimerFlush, [this] { main_->settingsFlush().beat(channels()); });
    d.addTimer(kTimerReadMouse, [this] {
        main_->window().killTimer(kTimerReadMouse);
        readWhole(DeviceKind::Mouse);
        if (main_->hooks().refreshMouseButtonLabels) {
            main_->hooks().refreshMouseButtonLabels(0);
        }
    });
    d.addTimer(kTimerReadKeyboard, [this] {
        main_->window().killTimer(kTimerReadKeyboard);
        readWhole(DeviceKind::Keyboard);
    });
    d.addTimer(kTimerReadMousepad, [this] {
        main_->window().killTimer(kTimerReadMousepad);
        readWhole(DeviceKind::Mousepad);
    });
}

void DeviceModule::installMessages() {
    Dispatch& d = main_->dispatch();
    d.addMessage(kMsgMouseReadAll, [this](const Message&) { readWhole(DeviceKind::Mouse); });
    d.addMessage(kMsgKeyboardReadAll, [this](const Message&) { readWhole(DeviceKind::Keyboard); });
    d.addMessage(kMsgMousepadReadAll, [this](const Message&) { readWhole(DeviceKind::Mousepad); });
    d.addMessage(kMsgMouseFollowProfile,
                 [this](const Message&) { followProfile(DeviceKind::Mouse); });
    d.addMessage(kMsgKeyboardFollowProfile,
                 [this](const Message&) { followProfile(DeviceKind::Keyboard); });
    d.addMessage(kMsgMousepadFollowProfile,
                 [this](const Message&) { followProfile(DeviceKind::Mousepad); });
    d.addMessage(kMsgSaveKeyboardFactory, [this](const Message&) {
        SaveKeyboardFactoryTable(main_->model(), main_->channel(DeviceKind::Keyboard),
                                 main_->paths().programDir, syncHooks());
    });
}

void DeviceModule::installRoutes() {
    Dispatch& d = main_->dispatch();
    d.addNumbered(
        "click", route::kClickMouseProfiles, "ms_profile_", [this](const Notification&, int n) {
            SelectDeviceProfile(main_->model(), main_->channel(DeviceKind::Mouse), n, syncHooks());
        });
    d.addNamed("itemselect", route::kDefault, {"mp_deng_combo_profile"},
               [this](const Notification& n) {
                   SelectDeviceProfile(main_->model(), main_->channel(DeviceKind::Mousepad),
                                       n.index, syncHooks());
               });
}

// --- Detection events: each becomes a task on the interface thread, in order. ---

void DeviceModule::arriving(DeviceKind kind) {
    CMainWnd* main = main_;
    main->window().postTask([main, kind] { showAndSelectTab(*main, kind); });
}

void DeviceModule::connected(DeviceKind kind, std::uint16_t) {
    CMainWnd* main = main_;
    main->window().postTask([main, kind] {
        if (main->hooks().deviceConnected) {
            main->hooks().deviceConnected(kind);
        }
    });
}

void DeviceModule::shown(DeviceKind kind) {
    CMainWnd* main = main_;
    main->window().postTask([main, kind] {
        toolkit::Window& window = main->window();
        switch (kind) {
            case DeviceKind::Mouse:
                window.setTimer(kTimerReadMouse, 500);
                showAndSelectTab(*main, kind);
                window.setTimer(kTimerRepaint, 100);
                setVisible(*main, "ms_tab_panel", true);
                break;
            case DeviceKind::Keyboard:
                window.setTimer(kTimerRepaint, 100);
                setVisible(*main, "kb_tab_panel", true);
                main->bringToFront();
                break;
            case DeviceKind::Mousepad:
                if (Control* tab = main->find("mp_tab")) {
                    tab->invalidate();
                }
                window.setTimer(kTimerRepaint, 100);
                break;
        }
    });
}

void DeviceModule::removed(DeviceKind kind) {
    CMainWnd* main = main_;
    main->window().postTask([this, kind] { onRemoved(kind); });
}

void DeviceModule::onRemoved(DeviceKind kind) {
    CMainWnd& main = *main_;
    const auto connectedNow = [&main](DeviceKind k) { return main.channel(k).connected(); };
    setVisible(main, controlName(kind, "_tab"), false);
    auto selectTab = [&main](DeviceKind k, bool focus) {
        if (Control* tab = main.find(controlName(k, "_tab"))) {
            tab->setVisible(true);
            tab->setSelected(true, Notify::Yes);
            if (focus) {
                tab->setFocus();
            }
        }
    };
    switch (kind) {
        case DeviceKind::Mouse:
            if (connectedNow(DeviceKind::Keyboard)) {
                selectTab(DeviceKind::Keyboard, true);
            } else if (connectedNow(DeviceKind::Mousepad)) {
                selectTab(DeviceKind::Mousepad, true);
            } else {
                main.window().post(toolkit::messageOf(kMsgMouseGone));
            }
            break;
        case DeviceKind::Keyboard:
            if (connectedNow(DeviceKind::Mouse)) {
                selectTab(DeviceKind::Mouse, false);
            } else if (connectedNow(DeviceKind::Mousepad)) {
                selectTab(DeviceKind::Mousepad, false);
            } else {
                main.hideWindow();
            }
            break;
        case DeviceKind::Mousepad:
            if (connectedNow(DeviceKind::Keyboard)) {
                selectTab(DeviceKind::Keyboard, false);
            } else if (!connectedNow(DeviceKind::Mouse)) {
                main.hideWindow();
            } else {
                selectTab(DeviceKind::Mouse, false);
            }
            break;
    }
}

void DeviceModule::sameModeVisible(DeviceKind kind, bool visible) {
    CMainWnd* main = main_;
    main->window().postTask([main, kind, visible] {
        setVisible(*main, controlName(kind, "_deng_same_mode"), visible);
    });
}

void DeviceModule::firstPassDone(DeviceKind, bool mouseConnected) {
    if (mouseConnected) {
        main_->window().post(toolkit::messageOf(kMsgShowRequest));
    }
}

// --- Notification events: the worker waits until the interface has handled the announcement. ---

void DeviceModule::announced(DeviceKind kind, std::uint16_t usage, Event& stop) {
    const bool mouse = kind == DeviceKind::Mouse;
    const bool readAll = usage == kAnnounceSettingsChanged;
    const std::uint32_t id = readAll ? (mouse ? kMsgMouseReadAll : kMsgKeyboardReadAll)
                                     : (mouse ? kMsgMouseFollowProfile : kMsgKeyboardFollowProfile);
    auto handled = std::make_shared<Event>(main_->clock(), Event::Reset::Manual);
    CMainWnd* main = main_;
    main->window().postTask([main, id, handled] {
        main->dispatch().message(toolkit::messageOf(id));
        handled->set();
    });
    Event::waitAny(*handled, stop, kForever);
}

}  // namespace quillon::app
