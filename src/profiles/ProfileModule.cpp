#include "profiles/ProfileModule.h"

#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "app/RouteOrder.h"
#include "profiles/ProfilePanel.h"
#include "profiles/ProfileStore.h"

namespace quillon {
namespace {

ProfileKind kindOf(SyncHooks::ProfileList which) {
    switch (which) {
        case SyncHooks::ProfileList::Device:
            return ProfileKind::Device;
        case SyncHooks::ProfileList::Key:
            return ProfileKind::Key;
        case SyncHooks::ProfileList::Lighting:
            return ProfileKind::Lighting;
    }
    return ProfileKind::Device;
}

// The list whose stored selection a device gets when it is found: the device list, or the
// mousepad's lighting list.
const ProfileList& connectList(DeviceKind device) {
    const ProfileKind kind =
        device == DeviceKind::Mousepad ? ProfileKind::Lighting : ProfileKind::Device;
    return *findProfileList(device, kind);
}

}  // namespace

ProfileModule::ProfileModule(HostSettings& host, KeyboardLightingStore& keyboardLighting,
                             const PointerSettingsSource& desktop)
    : host_(host),
      keyboardLighting_(keyboardLighting),
      desktop_(desktop),
      ownIo_(std::make_unique<DiskProfileIo>()),
      io_(*ownIo_) {}

ProfileModule::ProfileModule(HostSettings& host, KeyboardLightingStore& keyboardLighting,
                             const PointerSettingsSource& desktop, ProfileIo& io)
    : host_(host), keyboardLighting_(keyboardLighting), desktop_(desktop), io_(io) {}

ProfileModule::~ProfileModule() = default;

void ProfileModule::install(app::CMainWnd& main) {
    main_ = &main;
    store_ = std::make_unique<ProfileStore>(
        ProfileModel{main.model(), keyboardLighting_, host_}, desktop_,
        ProfileFolders(main.paths().dataDir, main.paths().programDir), io_);
    const auto lists = allProfileLists();
    for (std::size_t i = 0; i < panels_.size() && i < lists.size(); ++i) {
        panels_[i] = std::make_unique<ProfilePanel>(lists[i], main, *store_);
        installPanelRoutes(*panels_[i]);
        installLinkRoutes(*panels_[i]);
    }
    installAreaRoutes();
    installHooks();
    installWatchers();
}

void ProfileModule::setUpPages(app::CMainWnd&) {
    DeviceKind stopped = DeviceKind::Keyboard;
    bool stopping = false;
    for (const auto& panel : panels_) {
        const DeviceKind device = panel->list().device;
        if (stopping && device == stopped) {
            continue;
        }
        stopping = !panel->setUp();
        stopped = device;
    }
}

ProfilePanel& ProfileModule::panelFor(const ProfileList& list) {
    for (const auto& panel : panels_) {
        if (panel->list() == list) {
            return *panel;
        }
    }
    return *panels_.front();  // every list has a panel; not reached
}

void ProfileModule::installHooks() {
    app::PageHooks& hooks = main_->hooks();
    hooks.saveSelectedProfile = [this](DeviceKind device, SyncHooks::ProfileList which) {
        saveSelected(device, which);
    };
    hooks.deviceConnected = [this](DeviceKind device) { deviceConnected(device); };
}

void ProfileModule::saveSelected(DeviceKind device, SyncHooks::ProfileList which) {
    store_->saveSelectedProfile(device, kindOf(which));
}

// The keyboard and the mouse load their stored device profile first; then the stored selection
// becomes the combo's and is applied to the page and the device.
void ProfileModule::deviceConnected(DeviceKind device) {
    const ProfileList& list = connectList(device);
    const int position = store_->readIndex(device).selected(list);
    if (device != DeviceKind::Mousepad) {
        store_->loadProfile(list, position);
    }
    panelFor(list).select(position);
}

void ProfileModule::installPanelRoutes(ProfilePanel& panel) {
    app::Dispatch& d = main_->dispatch();
    const ProfilePanelNames& names = panel.names();
    ProfilePanel* p = &panel;
    d.addNamed("itemselect", app::route::kDefault, {names.combo},
               [p](const toolkit::Notification& n) { p->select(n.index); });
    const std::pair<const std::string*, void (ProfilePanel::*)()> buttons[] = {
        {&names.add, &ProfilePanel::create},
        {&names.remove, &ProfilePanel::remove},
        {&names.copy, &ProfilePanel::copy},
        {&names.importFile, &ProfilePanel::importFile},
        {&names.exportFile, &ProfilePanel::exportFile},
        {&names.reset, &ProfilePanel::reset},
        {&names.rename, &ProfilePanel::rename},
        {&names.namePanelButton, &ProfilePanel::toggleNamePanel},
    };
    for (const auto& [name, operation] : buttons) {
        if (name->empty()) {
            continue;
        }
        d.addNamed("click", app::route::kClickProfiles, {*name},
                   [p, operation = operation](const toolkit::Notification&) { (p->*operation)(); });
    }
}

// Each page's profile button opens its profile area when it is closed and closes it when open.
void ProfileModule::installAreaRoutes() {
    for (DeviceKind device : kAllDeviceKinds) {
        main_->dispatch().addNamed(
            "click", app::route::kClickProfiles, {profileAreaButton(device)},
            [this, device](const toolkit::Notification&) {
                if (toolkit::Control* area = main_->find(profileArea(device))) {
                    area->setVisible(!area->visible());
                }
            });
    }
}

void ProfileModule::installLinkRoutes(ProfilePanel& panel) {
    app::Dispatch& d = main_->dispatch();
    const ProfilePanelNames& names = panel.names();
    ProfilePanel* p = &panel;
    d.addNamed("selectchanged", app::route::kSelectLinks, {names.linkCheck},
               [this, p](const toolkit::Notification& n) {
                   p->linkBoxChanged(n.selected);
                   noticeUnsupportedDesktop(*p);
               });
    d.addNamed("click", app::route::kClickLinks, {names.linkButton},
               [this, p](const toolkit::Notification&) {
                   p->changeLink();
                   noticeUnsupportedDesktop(*p);
               });
    d.addNamed("click", app::route::kClickLinks, {names.unlinkButton},
               [p](const toolkit::Notification&) { p->unlink(); });
}

void ProfileModule::noticeUnsupportedDesktop(const ProfilePanel& panel) {
    if (unsupportedNoticeShown_ || main_->foreground().supported() || !panel.selectedLinked()) {
        return;
    }
    unsupportedNoticeShown_ = true;
    main_->dialogs().showMessage("message_link_unsupported");
}

// The lists that follow the application in front, in the order their watchers start.
void ProfileModule::installWatchers() {
    const struct {
        int slot;
        DeviceKind device;
        ProfileKind kind;
        const char* endMessage;
    } rows[] = {
        {app::kKeyboardDeviceWatcher, DeviceKind::Keyboard, ProfileKind::Device,
         "键盘灯光进程侦测线程设定退出"},
        {app::kKeyboardKeyWatcher, DeviceKind::Keyboard, ProfileKind::Key,
         "键盘按键进程侦测线程设定退出"},
        {app::kMouseDeviceWatcher, DeviceKind::Mouse, ProfileKind::Device,
         "鼠标灯光进程侦测线程设定退出"},
        {app::kMouseKeyWatcher, DeviceKind::Mouse, ProfileKind::Key, "鼠标按键进程线程设定退出"},
        {app::kMousepadLightingWatcher, DeviceKind::Mousepad, ProfileKind::Lighting,
         "鼠标垫灯光进程侦测线程设定退出"},
    };
    for (const auto& row : rows) {
        ProfilePanel& panel = panelFor(*findProfileList(row.device, row.kind));
        if (main_->find(panel.names().combo) == nullptr) {
            continue;  // a skin without the list has nothing to switch
        }
        app::CMainWnd* main = main_;
        ProfilePanel* p = &panel;
        auto watcher = std::make_unique<ApplicationWatcher>(ApplicationWatcher{
            main->clock(), main->foreground(), row.endMessage,
            [main, p](const std::string& foreground) {
                main->window().postTask([p, foreground] { p->followForeground(foreground); });
            }});
        ApplicationWatcher* w = watcher.get();
        watchers_.push_back(std::move(watcher));
        main_->workers().assign(
            row.slot, std::string(kindName(row.device)) + " " +
                          std::string(profileKindTag(row.kind)) + " application watcher",
            [w](Event& stop) { runApplicationWatcher(*w, stop); });
    }
}

}  // namespace quillon
