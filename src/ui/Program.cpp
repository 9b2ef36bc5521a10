#include "ui/Program.h"

#include "app/DeviceModule.h"
#include "app/ShellModule.h"

namespace quillon::ui {

Program::Program(app::ShellPorts ports) : dialogs_(ports.toolkit) {
    main_ = std::make_unique<app::CMainWnd>(std::move(ports), dialogs_);
    main_->addModule(std::make_unique<app::ShellModule>());
    main_->addModule(std::make_unique<app::DeviceModule>());
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
