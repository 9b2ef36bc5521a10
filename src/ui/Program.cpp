#include "ui/Program.h"

#include "app/DeviceModule.h"
#include "app/ShellModule.h"
#include "keys/KeysModule.h"
#include "lighting/LightingModule.h"
#include "profiles/ProfileModule.h"

namespace quillon::ui {

Program::Program(app::ShellPorts ports) : dialogs_(ports.toolkit) {
    main_ = std::make_unique<app::CMainWnd>(std::move(ports), dialogs_);
    main_->addModule(std::make_unique<app::ShellModule>());
    main_->addModule(std::make_unique<app::DeviceModule>());
    auto lighting = std::make_unique<lighting::LightingModule>(main_->pointerSettings());
    // The profile files read and write the settings the lighting module holds.
    lighting::LightingModule& lightingModule = *lighting;
    main_->addModule(std::move(lighting));
    main_->addModule(std::make_unique<ProfileModule>(lightingModule.hostSettings(),
                                                     lightingModule.keyboardLighting(),
                                                     lightingModule.pointerSettingsSource()));
    // Last: the key pages extend the page refresh the modules before them set up.
    main_->addModule(std::make_unique<keys::KeysModule>());
}

Program::~Program() {
    main_.reset();
}

bool Program::start() {
    if (!main_->create()) {
        return false;
    }
    dialogs_.setOwner(&main_->window());
    main_->showFirstTime();
    return true;
}

void Program::showRequest() {
    main_->window().post(toolkit::messageOf(app::kMsgShowRequest));
}

}  // namespace quillon::ui
