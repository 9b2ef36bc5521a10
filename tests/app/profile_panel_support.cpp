#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/DeviceModule.h"
#include "app/ProfilePanelTestSupport.h"
#include "app/ShellModule.h"
#include "common/TestFolders.h"
#include "profiles/ProfileModule.h"

namespace quillon::testing {

namespace fs = std::filesystem;

namespace {

std::string scratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "quillon-profile-panel-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        ADD_FAILURE() << "no scratch folder";
        return {};
    }
    return pattern + "/";
}

}  // namespace

int RecordingDialogs::showMessageBox(const std::string& text, bool) {
    shown.push_back(text);
    bool confirm = false;
    if (!confirms.empty()) {
        confirm = confirms.front();
        confirms.pop_front();
    }
    return confirm ? 1 : 0;
}

ProfileProgram::ProfileProgram() {
    const std::string root = scratchFolder();
    dataDir_ = root + "data/";
    programDir_ = root + "program/";
    fs::create_directories(dataDir_);
    fs::create_directories(programDir_);
    std::error_code error;
    const fs::path staged = fs::canonical(test::programDir(), error);
    EXPECT_FALSE(error) << "no program folder: " << error.message();
    fs::create_directory_symlink(staged / "skin", programDir_ + "skin", error);
    EXPECT_FALSE(error) << error.message();
    for (fs::directory_iterator it(staged, error), end; !error && it != end; it.increment(error)) {
        if (!fs::is_directory(it->path())) {
            fs::copy_file(it->path(), programDir_ + it->path().filename().string(), error);
        }
    }
    toolkit_ = std::make_unique<toolkit::headless::HeadlessToolkit>(clock, programDir_ + "skin/");
    toolkit_->setFileDialogResponder([this](const toolkit::FileDialogSpec&) {
        std::optional<std::string> answer;
        if (!files.empty()) {
            answer = files.front();
            files.pop_front();
        }
        return answer;
    });
    sim_ = std::make_unique<SimBackend>(clock);
    machine_ = std::make_unique<MachineSettings>(root + "machine.ini");
    pointer_ = std::make_unique<MemoryPointerSettings>(clock);
}

ProfileProgram::~ProfileProgram() {
    main_.reset();
    std::error_code ignored;
    fs::remove_all(fs::path(dataDir_).parent_path().parent_path(), ignored);
}

void ProfileProgram::removeDefault(const std::string& fileName) {
    fs::remove(programDir_ + fileName);
}

void ProfileProgram::replaceDefault(const std::string& fileName,
                                    const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(programDir_ + fileName, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

bool ProfileProgram::start() {
    Paths paths;
    paths.dataDir = dataDir_;
    paths.programDir = programDir_;
    app::ShellPorts ports{*toolkit_, *sim_, paths, *machine_, "C", *pointer_, foreground_};
    main_ = std::make_unique<app::CMainWnd>(std::move(ports), dialogs);
    main_->addModule(std::make_unique<app::ShellModule>());
    main_->addModule(std::make_unique<app::DeviceModule>());
    main_->addModule(std::make_unique<ProfileModule>(host, keyboardLighting, desktop));
    if (!main_->create()) {
        return false;
    }
    main_->showFirstTime();
    toolkit_->runUntil(clock.now());
    return true;
}

void ProfileProgram::runFor(Millis ms) {
    toolkit_->runFor(ms);
}

void ProfileProgram::plug(SimKind kind) {
    sim_->plug(kind);
    runFor(1500);
}

toolkit::headless::HeadlessWindow& ProfileProgram::window() {
    return static_cast<toolkit::headless::HeadlessWindow&>(main_->window());
}

toolkit::Control& ProfileProgram::control(const std::string& name) {
    toolkit::Control* found = main_->find(name);
    EXPECT_NE(found, nullptr) << name;
    if (found == nullptr) {
        throw std::runtime_error("no control " + name);
    }
    return *found;
}

std::vector<std::string> ProfileProgram::comboItems(const std::string& name) {
    std::vector<std::string> items;
    const toolkit::Control& combo = control(name);
    for (int i = 0; i < combo.itemCount(); ++i) {
        items.push_back(combo.item(i).text);
    }
    return items;
}

void ProfileProgram::recordHooks() {
    app::PageHooks& hooks = main_->hooks();
    hooks.refreshPage = [this](DeviceKind kind) {
        hookCalls.push_back("refreshPage " + std::string(kindName(kind)));
    };
    hooks.refreshMouseButtonLabels = [this](int profile) {
        hookCalls.push_back("refreshMouseButtonLabels " + std::to_string(profile));
    };
    hooks.showMouseButton = [this](int key) {
        hookCalls.push_back("showMouseButton " + std::to_string(key));
    };
    hooks.refreshKeyboardKeys = [this] { hookCalls.push_back("refreshKeyboardKeys"); };
    hooks.showAndApplyHostSettings = [this] {
        hookCalls.push_back("showAndApplyHostSettings " + std::to_string(host.pointerSpeed) + " " +
                            std::to_string(host.wheelLines));
    };
}

std::vector<std::uint8_t> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace quillon::testing
