#pragma once
// The performance and lighting subsystem in the main window. It owns the settings the program
// keeps beside the devices' records (the mouse's pointer speed and wheel lines, the keyboard's
// custom colours), the mouse performance page and the palette routing, and hands the desktop's
// pointer settings to the profile files.

#include <memory>

#include "app/Module.h"
#include "lighting/DesktopPointerSource.h"
#include "lighting/HostSettings.h"
#include "lighting/HostSettingsApplier.h"
#include "lighting/KeyboardLightingStore.h"
#include "platform/PointerSettings.h"

namespace quillon::lighting {

class MousePerformancePage;

class LightingModule final : public app::Module {
  public:
    explicit LightingModule(PointerSettings& desktop);
    ~LightingModule() override;

    void install(app::CMainWnd& main) override;
    void setUpPages(app::CMainWnd& main) override;
    void shutDown(app::CMainWnd& main) override;

    HostSettings& hostSettings() { return host_; }
    KeyboardLightingStore& keyboardLighting() { return keyboardLighting_; }
    const PointerSettingsSource& pointerSettingsSource() const { return source_; }

  private:
    PointerSettings& desktop_;
    DesktopPointerSource source_;
    HostSettings host_;
    KeyboardLightingStore keyboardLighting_;
    std::unique_ptr<HostSettingsApplier> applier_;
    std::unique_ptr<MousePerformancePage> mousePage_;
};

}  // namespace quillon::lighting
