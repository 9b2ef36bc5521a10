#pragma once
// The profile panels of the three device pages: the seven profile lists on their combos, the
// operations of every panel's buttons, the profile areas and name panels that the pages open and
// close, the stored selection applied when a device is found, and the saving of the selected
// profiles that the device reads and the pages ask for.

#include <array>
#include <memory>
#include <vector>

#include "app/Module.h"
#include "device/MemorySync.h"
#include "lighting/HostSettings.h"
#include "lighting/KeyboardLightingStore.h"
#include "profiles/ApplicationWatcher.h"
#include "profiles/ProfileIo.h"

namespace quillon {

class ProfilePanel;
class ProfileStore;
struct ProfileList;

class ProfileModule final : public app::Module {
  public:
    // The mouse's host settings and the keyboard's custom colours belong to the lighting pages;
    // the profiles load them and save them. `desktop` gives the desktop's pointer settings.
    ProfileModule(HostSettings& host, KeyboardLightingStore& keyboardLighting,
                  const PointerSettingsSource& desktop);
    // The same with file operations of the caller's.
    ProfileModule(HostSettings& host, KeyboardLightingStore& keyboardLighting,
                  const PointerSettingsSource& desktop, ProfileIo& io);
    ~ProfileModule() override;
    ProfileModule(const ProfileModule&) = delete;
    ProfileModule& operator=(const ProfileModule&) = delete;

    void install(app::CMainWnd& main) override;
    // Fills the combos, keyboard first, then mouse and mousepad.
    void setUpPages(app::CMainWnd& main) override;

  private:
    void installHooks();
    void installPanelRoutes(ProfilePanel& panel);
    void installAreaRoutes();
    void installLinkRoutes(ProfilePanel& panel);
    void installWatchers();
    // Once per run: linked profiles cannot follow the application in front on this desktop.
    void noticeUnsupportedDesktop(const ProfilePanel& panel);
    ProfilePanel& panelFor(const ProfileList& list);
    void deviceConnected(DeviceKind device);
    void saveSelected(DeviceKind device, SyncHooks::ProfileList which);

    HostSettings& host_;
    KeyboardLightingStore& keyboardLighting_;
    const PointerSettingsSource& desktop_;
    std::unique_ptr<DiskProfileIo> ownIo_;
    ProfileIo& io_;
    app::CMainWnd* main_ = nullptr;
    std::unique_ptr<ProfileStore> store_;
    std::array<std::unique_ptr<ProfilePanel>, 7> panels_;  // in the order of allProfileLists()
    std::vector<std::unique_ptr<ApplicationWatcher>> watchers_;
    bool unsupportedNoticeShown_ = false;
};

}  // namespace quillon
