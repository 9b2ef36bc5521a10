#include <gtest/gtest.h>

#include "lighting/LightingTestSupport.h"

namespace quillon::lighting::testing {

LightingRig::LightingRig(int speed, int lines) {
    toolkit = std::make_unique<toolkit::headless::HeadlessToolkit>(clock, programDir() + "skin/");
    sim = std::make_unique<SimBackend>(clock);
    machine = std::make_unique<MachineSettings>(data.path() + "machine.ini");
    desktop = std::make_unique<MemoryPointerSettings>(clock, speed, lines);
    Paths paths;
    paths.dataDir = data.path();
    paths.programDir = programDir();
    main_ = std::make_unique<app::CMainWnd>(
        app::ShellPorts{*toolkit, *sim, paths, *machine, "C", *desktop, foreground}, dialogs);
    auto module = std::make_unique<LightingModule>(*desktop);
    module_ = module.get();
    main_->addModule(std::move(module));
    if (!main_->create()) {
        ADD_FAILURE() << "main window: " << toolkit->lastError();
        return;
    }
    main_->hooks().saveSelectedProfile = [this](DeviceKind kind, SyncHooks::ProfileList list) {
        saved.emplace_back(kind, list);
    };
    main_->showFirstTime();
    toolkit->runUntil(clock.now());
    showMousePerformancePage();
}

// As the shell shows it once a mouse is connected and its performance tab chosen.
void LightingRig::showMousePerformancePage() {
    main_->window().show();
    control("tab_switch").selectPage(1);
    control("ms_tab_panel").setVisible(true);
    control("ms_tab_switch").selectPage(3);
}

LightingRig::~LightingRig() {
    main_.reset();
}

toolkit::headless::HeadlessWindow& LightingRig::window() {
    return static_cast<toolkit::headless::HeadlessWindow&>(main_->window());
}

toolkit::Control& LightingRig::control(const std::string& name) {
    toolkit::Control* found = main_->find(name);
    if (found == nullptr) {
        throw std::runtime_error("the main window has no control " + name);
    }
    return *found;
}

void LightingRig::send(const std::string& type, const std::string& sender,
                       toolkit::Notification details) {
    details.type = type;
    details.sender = sender;
    details.control = main_->find(sender);
    main_->notify(details);
    toolkit->runUntil(clock.now());
}

void LightingRig::runFor(Millis ms) {
    toolkit->runFor(ms);
}

}  // namespace quillon::lighting::testing
