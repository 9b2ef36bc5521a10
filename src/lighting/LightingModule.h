#pragma once
// The performance and lighting subsystem in the main window. It owns the settings the program
// keeps beside the devices' records (the mouse's pointer speed and wheel lines, the keyboard's
// custom colours), the mouse performance page and the palette routing, and hands the desktop's
// pointer settings to the profile files; it runs the lighting pages, their previews and the
// lighting workers.

#include <memory>

#include "app/Module.h"
#include "lighting/DesktopPointerSource.h"
#include "lighting/HostSettings.h"
#include "lighting/HostSettingsApplier.h"
#include "lighting/KeyboardLightingStore.h"
#include "platform/PointerSettings.h"

namespace quillon::lighting {

class MousePerformancePage;
class LightingPreviews;
class PreviewPainter;
class SameModeCopy;
class MouseLightingPage;
class MousepadLightingPage;
class KeyboardLightingPage;

class LightingModule final : public app::Module {
  public:
    explicit LightingModule(PointerSettings& desktop);
    ~LightingModule() override;

    void install(app::CMainWnd& main) override;
    void setUpPages(app::CMainWnd& main) override;
    void shutDown(app::CMainWnd& main) override;

    HostSettings& hostSettings() { return host_; }
    KeyboardLightingStore& keyboardLighting() { return keyboardLighting_; }
    LightingPreviews& previews() { return *previews_; }
    PreviewPainter& painter() { return *painter_; }
    const PointerSettingsSource& pointerSettingsSource() const { return source_; }

  private:
    PointerSettings& desktop_;
    DesktopPointerSource source_;
    HostSettings host_;
    KeyboardLightingStore keyboardLighting_;
    std::unique_ptr<HostSettingsApplier> applier_;
    std::unique_ptr<MousePerformancePage> mousePage_;
    std::unique_ptr<LightingPreviews> previews_;
    std::unique_ptr<PreviewPainter> painter_;
    std::unique_ptr<SameModeCopy> sameMode_;
    std::unique_ptr<MouseLightingPage> mouseLighting_;
    std::unique_ptr<MousepadLightingPage> mousepadLighting_;
    std::unique_ptr<KeyboardLightingPage> keyboardPage_;

    void installLightingPages(app::CMainWnd& main);
};

}  // namespace quillon::lighting
