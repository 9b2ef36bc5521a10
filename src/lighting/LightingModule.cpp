#include "lighting/LightingModule.h"

#include "app/MainWindow.h"
#include "app/RouteOrder.h"
#include "lighting/KeyboardLightingPage.h"
#include "lighting/LightingPreviews.h"
#include "lighting/MouseLightingPage.h"
#include "lighting/MousePerformancePage.h"
#include "lighting/MousepadLightingPage.h"
#include "lighting/PaletteRouting.h"
#include "lighting/PreviewPainter.h"
#include "lighting/SameModeCopy.h"

namespace quillon::lighting {

LightingModule::LightingModule(PointerSettings& desktop) : desktop_(desktop), source_(desktop) {}

LightingModule::~LightingModule() = default;

void LightingModule::install(app::CMainWnd& main) {
    applier_ = std::make_unique<HostSettingsApplier>(main.clock(), desktop_);
    mousePage_ = std::make_unique<MousePerformancePage>(main, host_, *applier_);
    mousePage_->installRoutes();
    installPaletteRouting(main);

    installLightingPages(main);

    app::PageHooks& hooks = main.hooks();
    hooks.refreshPage = [this](DeviceKind kind) {
        if (kind == DeviceKind::Mouse) {
            mousePage_->refresh();
            mouseLighting_->refresh();
        } else if (kind == DeviceKind::Mousepad) {
            mousepadLighting_->refresh();
        } else {
            keyboardPage_->refresh();
        }
    };
    hooks.showAndApplyHostSettings = [page = mousePage_.get()] {
        page->showAndApplyHostSettings();
    };
}

void LightingModule::setUpPages(app::CMainWnd&) {
    mousePage_->takeDesktopValues(desktop_);
    painter_->lookUp();
}

void LightingModule::installLightingPages(app::CMainWnd& main) {
    previews_ = std::make_unique<LightingPreviews>(
        PreviewSources{main.clock(),
                       main.model(),
                       {&main.channel(DeviceKind::Keyboard), &main.channel(DeviceKind::Mouse),
                        &main.channel(DeviceKind::Mousepad)}});
    painter_ = std::make_unique<PreviewPainter>(main, *previews_, keyboardLighting_);
    sameMode_ = std::make_unique<SameModeCopy>(main, *previews_);
    mouseLighting_ = std::make_unique<MouseLightingPage>(main, *previews_, *sameMode_);
    mousepadLighting_ = std::make_unique<MousepadLightingPage>(main, *previews_);
    keyboardPage_ = std::make_unique<KeyboardLightingPage>(main, *previews_, keyboardLighting_);
    mouseLighting_->installRoutes();
    mousepadLighting_->installRoutes();
    keyboardPage_->installRoutes(*sameMode_);
    sameMode_->setRefresh(DeviceKind::Keyboard, [this] { keyboardPage_->refresh(); });
    sameMode_->setRefresh(DeviceKind::Mouse, [this] {
        mousePage_->refresh();
        mouseLighting_->refresh();
    });
    sameMode_->setRefresh(DeviceKind::Mousepad, [this] { mousepadLighting_->refresh(); });
    main.dispatch().addNamed("click", app::route::kClickSameMode, {"mp_deng_same_mode"},
                             [this](const app::Notification&) { sameMode_->copyFrom(3); });
    main.dispatch().addTimer(app::kTimerLightingTick, [this] { painter_->tick(); });
    main.hooks().windowShown = [this](bool shown) { painter_->windowShown(shown); };
    previews_->assignWorkers(main.workers());
}

void LightingModule::shutDown(app::CMainWnd&) {
    applier_->finish();
}

}  // namespace quillon::lighting
