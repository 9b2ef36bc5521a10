// quillon: the tray application. One instance per user session; a second start asks the running
// one to come to the front and ends.

#include <QApplication>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include "KWinForegroundApp.h"
#include "QuitOnSignal.h"
#include "app/MainWindow.h"
#include "platform/MachineSettings.h"
#include "platform/Paths.h"
#include "platform/Version.h"
#include "platform/linux/DesktopForegroundApp.h"
#include "platform/linux/DesktopPointerSettings.h"
#include "platform/linux/LinuxHidBackend.h"
#include "platform/linux/LinuxSingleInstance.h"
#include "platform/sim/SimBackend.h"
#include "platform/sim/SimOptions.h"
#include "toolkit/qt/QtToolkit.h"
#include "ui/Program.h"

namespace {

constexpr const char* kUsage =
    "usage: quillon [--simulate[=KINDS]]\n"
    "\n"
    "Configures the mouse, keyboard and mousepad from the system tray.\n"
    "  --simulate[=KINDS]  use simulated devices instead of real ones; KINDS is a comma-separated\n"
    "                      list of mouse, keyboard, mousepad (default: all three). The "
    "environment\n"
    "                      variable QUILLON_SIMULATE does the same.\n"
    "  --version           print the version\n";

struct Options {
    bool simulate = false;
    std::vector<quillon::SimKind> kinds;
};

// 0 to run, otherwise the exit status (-1: exit 0).
int parseOptions(int argc, char** argv, Options& options) {
    std::string simulate;
    if (const char* env = std::getenv("QUILLON_SIMULATE"); env != nullptr && *env != '\0') {
        options.simulate = true;
        simulate = env;
    }
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--simulate") {
            options.simulate = true;
        } else if (arg.rfind("--simulate=", 0) == 0) {
            options.simulate = true;
            simulate = arg.substr(11);
        } else if (arg == "--version") {
            std::cout << "quillon " << quillon::programVersion() << '\n';
            return -1;
        } else if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return -1;
        } else if (arg.rfind("-", 0) == 0) {
            std::cerr << "unknown option " << arg << '\n' << kUsage;
            return 2;
        }
    }
    if (simulate.empty() || simulate == "1") {
        simulate = "mouse,keyboard,mousepad";
    }
    std::string error;
    if (options.simulate && !quillon::parseSimulateList(simulate, options.kinds, error)) {
        std::cerr << error << '\n';
        return 2;
    }
    return 0;
}

std::string desktopLocale() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* value = std::getenv(name); value != nullptr && *value != '\0') {
            return value;
        }
    }
    return "C";
}

// KDE Plasma on Wayland answers through a KWin script; other desktops as the platform knows them.
std::unique_ptr<quillon::ForegroundApp> foregroundAppFor(
    const quillon::SessionEnvironment& session) {
    const bool plasmaWayland = session.desktop.find("KDE") != std::string::npos &&
                               (session.sessionType == "wayland" ||
                                (session.sessionType.empty() && !session.waylandDisplay.empty()));
    if (plasmaWayland) {
        if (auto kwin = quillon::KWinForegroundApp::start()) {
            return kwin;
        }
    }
    return quillon::makeDesktopForegroundApp(session);
}

}  // namespace

int main(int argc, char** argv) {
    QuitOnSignal quitOnSignal;
    Options options;
    if (const int status = parseOptions(argc, argv, options); status != 0) {
        return status < 0 ? 0 : status;
    }
    quillon::LinuxSingleInstance instance;
    const int claim = instance.acquire();
    if (claim == quillon::kInstanceRunning) {
        instance.sendShowRequest();
        return 0;
    }
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName("Quillon");
    const quillon::Paths paths = quillon::Paths::fromEnvironment();
    quillon::toolkit::qt::QtToolkit toolkit(paths.skinDir());

    std::unique_ptr<quillon::HidBackend> backend;
    if (options.simulate) {
        auto sim = std::make_unique<quillon::SimBackend>(toolkit.clock());
        for (quillon::SimKind kind : options.kinds) {
            sim->plug(kind);
        }
        backend = std::move(sim);
    } else {
        backend = quillon::makeLinuxHidBackend();
    }
    quillon::MachineSettings machine = quillon::MachineSettings::fromEnvironment();
    const auto pointer =
        quillon::DesktopPointerSettings::fromEnvironment(toolkit.clock(), paths.settingsFile());
    const auto foreground = foregroundAppFor(quillon::SessionEnvironment::fromProcess());
    quillon::ui::Program program(quillon::app::ShellPorts{toolkit, *backend, paths, machine,
                                                          desktopLocale(), *pointer, *foreground});
    if (!program.start()) {
        std::cerr << "quillon: the window layouts in " << paths.skinDir()
                  << " could not be loaded\n";
        return 1;
    }
    std::unique_ptr<quillon::ShowRequestListener> listener;
    if (claim == quillon::kInstanceFirst) {
        listener = instance.listen([&program] { program.showRequest(); });
    }
    quitOnSignal.onSignal([&program] { program.main().destroy(); });
    const int code = toolkit.run();
    listener.reset();
    return code;
}
