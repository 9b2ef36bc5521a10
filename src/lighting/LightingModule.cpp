#include "lighting/LightingModule.h"

#include "app/MainWindow.h"
#include "lighting/MousePerformancePage.h"
#include "lighting/PaletteRouting.h"

namespace quillon::lighting {

LightingModule::LightingModule(PointerSettings& desktop) : desktop_(desktop), source_(desktop) {}

LightingModule::~LightingModule() = default;

void LightingModule::install(app::CMainWnd& main) {
    applier_ = std::make_unique<HostSettingsApplier>(main.clock(), desktop_);
    mousePage_ = std::make_unique<MousePerformancePage>(main, host_, *applier_);
    mousePage_->installRoutes();
    installPaletteRouting(main);

    app::PageHooks& hooks = main.hooks();
    hooks.refreshPage = [page = mousePage_.get()](DeviceKind kind) {
        if (kind == DeviceKind::Mouse) {
            page->refresh();
        }
    };
    hooks.showAndApplyHostSettings = [page = mousePage_.get()] {
        page->showAndApplyHostSettings();
    };
}

void LightingModule::setUpPages(app::CMainWnd&) {
    mousePage_->takeDesktopValues(desktop_);
}

void LightingModule::shutDown(app::CMainWnd&) {
    applier_->finish();
}

}  // namespace quillon::lighting
