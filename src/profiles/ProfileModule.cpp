#include "profiles/ProfileModule.h"

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
    }
    installAreaRoutes();
    installHooks();
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

}  // namespace quillon
