#include "lighting/SettingsEdit.h"

#include "app/MainWindow.h"

namespace quillon::lighting {

void settingsEdited(app::CMainWnd& main, DeviceKind kind,
                    std::initializer_list<ProfileList> lists) {
    main.model().memory(kind).writePending = true;
    saveProfiles(main, kind, lists);
}

void saveProfiles(app::CMainWnd& main, DeviceKind kind, std::initializer_list<ProfileList> lists) {
    const auto& save = main.hooks().saveSelectedProfile;
    if (!save) {
        return;
    }
    for (ProfileList list : lists) {
        save(kind, list);
    }
}

}  // namespace quillon::lighting
