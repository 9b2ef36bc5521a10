#include "platform/linux/DesktopPointerSettings.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "platform/linux/DesktopPointerValues.h"

namespace quillon {
namespace {

using Argv = std::vector<std::string>;

constexpr const char* kGnomeMouseSchema = "org.gnome.desktop.peripherals.mouse";
constexpr const char* kGnomeSpeedKey = "speed";
constexpr const char* kDefaultSearchPath = "/usr/local/bin:/usr/bin:/bin";

struct KdeEntry {
    const char* file;
    const char* group;
    const char* key;
};
constexpr KdeEntry kKdeAcceleration{"kcminputrc", "Mouse", "XLbInptPointerAcceleration"};
constexpr KdeEntry kKdeWheelLines{"kdeglobals", "KDE", "WheelScrollLines"};

bool isKde(PointerDesktop desktop) {
    return desktop == PointerDesktop::Kde5 || desktop == PointerDesktop::Kde6;
}

std::string kdeTool(PointerDesktop desktop, const char* verb) {
    return std::string("k") + verb + "config" + (desktop == PointerDesktop::Kde6 ? "6" : "5");
}

Argv kdeRead(PointerDesktop desktop, const KdeEntry& entry) {
    return {
        kdeTool(desktop, "read"), "--file", entry.file, "--group", entry.group, "--key", entry.key};
}

// "--" ends the options, so that a negative value is never taken for one.
Argv kdeWrite(PointerDesktop desktop, const KdeEntry& entry, const std::string& value) {
    return {kdeTool(desktop, "write"),
            "--file",
            entry.file,
            "--group",
            entry.group,
            "--key",
            entry.key,
            "--",
            value};
}

bool sameWord(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

const char* environmentOr(const char* name, const char* fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : fallback;
}

}  // namespace

PointerDesktop pointerDesktopFrom(std::string_view currentDesktop,
                                  std::string_view kdeSessionVersion) {
    std::size_t start = 0;
    while (start <= currentDesktop.size()) {
        const std::size_t end = std::min(currentDesktop.find(':', start), currentDesktop.size());
        const std::string_view name = currentDesktop.substr(start, end - start);
        if (sameWord(name, "GNOME")) {
            return PointerDesktop::Gnome;
        }
        if (sameWord(name, "KDE")) {
            const std::optional<int> version = parseWholeNumber(kdeSessionVersion);
            return version && *version >= 6 ? PointerDesktop::Kde6 : PointerDesktop::Kde5;
        }
        start = end + 1;
    }
    return PointerDesktop::Other;
}

DesktopPointerSettings::DesktopPointerSettings(Clock& clock, DesktopPointerSetup setup)
    : clock_(clock), setup_(std::move(setup)), held_(clock, setup_.settingsFile) {}

std::unique_ptr<DesktopPointerSettings> DesktopPointerSettings::fromEnvironment(
    Clock& clock, std::string settingsFile) {
    DesktopPointerSetup setup;
    setup.desktop = pointerDesktopFrom(environmentOr("XDG_CURRENT_DESKTOP", ""),
                                       environmentOr("KDE_SESSION_VERSION", ""));
    setup.searchPath = environmentOr("PATH", kDefaultSearchPath);
    setup.settingsFile = std::move(settingsFile);
    return std::make_unique<DesktopPointerSettings>(clock, std::move(setup));
}

std::optional<std::string> DesktopPointerSettings::ask(const Argv& argv) const {
    HelperRun run = runHelperProgram(clock_, setup_.searchPath, argv, setup_.limits);
    if (run.result != 1) {
        return std::nullopt;
    }
    return std::move(run.output);
}

int DesktopPointerSettings::tell(const Argv& argv) const {
    return runHelperProgram(clock_, setup_.searchPath, argv, setup_.limits).result;
}

int DesktopPointerSettings::pointerSpeed() const {
    std::optional<std::string> answer;
    if (setup_.desktop == PointerDesktop::Gnome) {
        answer = ask({"gsettings", "get", kGnomeMouseSchema, kGnomeSpeedKey});
    } else if (isKde(setup_.desktop)) {
        answer = ask(kdeRead(setup_.desktop, kKdeAcceleration));
    }
    const std::optional<double> acceleration = answer ? parseAcceleration(*answer) : std::nullopt;
    return acceleration ? speedForAcceleration(*acceleration) : held_.pointerSpeed();
}

int DesktopPointerSettings::wheelLines() const {
    if (isKde(setup_.desktop)) {
        const std::optional<std::string> answer = ask(kdeRead(setup_.desktop, kKdeWheelLines));
        const std::optional<int> lines = answer ? parseWholeNumber(*answer) : std::nullopt;
        if (lines && *lines > 0) {
            return wheelLinesInRange(*lines);
        }
    }
    return held_.wheelLines();
}

int DesktopPointerSettings::applyPointerSpeed(int speed) {
    const int value = pointerSpeedInRange(speed);
    const std::string acceleration = formatAcceleration(accelerationForSpeed(value));
    int result = kHelperNotFound;
    if (setup_.desktop == PointerDesktop::Gnome) {
        result = tell({"gsettings", "set", kGnomeMouseSchema, kGnomeSpeedKey, acceleration});
    } else if (isKde(setup_.desktop)) {
        result = tell(kdeWrite(setup_.desktop, kKdeAcceleration, acceleration));
    }
    if (result == 1) {
        return 1;
    }
    const int kept = held_.applyPointerSpeed(value);
    return setup_.desktop == PointerDesktop::Other ? kept : result;
}

int DesktopPointerSettings::applyWheelLines(int lines) {
    const int value = wheelLinesInRange(lines);
    if (isKde(setup_.desktop)) {
        const int result = tell(kdeWrite(setup_.desktop, kKdeWheelLines, std::to_string(value)));
        if (result == 1) {
            return 1;
        }
        held_.applyWheelLines(value);
        return result;
    }
    return held_.applyWheelLines(value);
}

}  // namespace quillon
