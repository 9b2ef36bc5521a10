#include "app/scenario/HeadlessProgram.h"

#include "app/MainWindow.h"
#include "ui/Program.h"

namespace quillon::scenario {

HeadlessProgram::HeadlessProgram(Clock& clock, std::string programDir, std::string dataDir)
    : clock_(clock), programDir_(std::move(programDir)), dataDir_(std::move(dataDir)) {
    toolkit_ = std::make_unique<toolkit::headless::HeadlessToolkit>(clock_, programDir_ + "skin/");
    sim_ = std::make_unique<SimBackend>(clock_);
    machine_ = std::make_unique<MachineSettings>(dataDir_ + "machine.ini");
    desktop_ = std::make_unique<MemoryPointerSettings>(clock_);
}

HeadlessProgram::~HeadlessProgram() {
    program_.reset();  // its workers stop before the devices and the toolkit go
}

bool HeadlessProgram::start() {
    if (started()) {
        return false;
    }
    Paths paths;
    paths.dataDir = dataDir_;
    paths.programDir = programDir_;
    program_ = std::make_unique<ui::Program>(
        app::ShellPorts{*toolkit_, *sim_, paths, *machine_, "C", *desktop_, foreground_});
    return program_->start();
}

void HeadlessProgram::requestExit() {
    toolkit::Message exit;
    exit.id = toolkit::kMsgMenuCommand;
    exit.data = toolkit::MenuChoice{"exit", "", "Close"};
    mainWindow().post(std::move(exit));
}

toolkit::headless::HeadlessWindow& HeadlessProgram::mainWindow() {
    return static_cast<toolkit::headless::HeadlessWindow&>(program_->main().window());
}

std::string messageBoxText(toolkit::Window& box) {
    toolkit::Control* text = box.find("MessageText");
    if (text == nullptr) {
        return {};
    }
    const std::string id = text->getString(toolkit::Prop::TextId);
    return id.empty() ? text->getString(toolkit::Prop::Text) : id;
}

}  // namespace quillon::scenario
