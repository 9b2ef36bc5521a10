#pragma once
// Pointer speed and wheel lines on the Linux desktops. GNOME keeps the pointer speed in the
// setting org.gnome.desktop.peripherals.mouse "speed" (reached with gsettings) and has no wheel
// lines of its own; KDE keeps the pointer acceleration in kcminputrc and the wheel lines in
// kdeglobals (reached with kreadconfig and kwriteconfig of its version). What a desktop lacks, or
// cannot be reached because its helper program is missing or fails, the program holds itself
// (HeldPointerSettings): reads then answer the held value and applies keep the value there.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Clock.h"
#include "platform/HeldPointerSettings.h"
#include "platform/PointerSettings.h"
#include "platform/linux/HelperProgram.h"

namespace quillon {

enum class PointerDesktop { Gnome, Kde5, Kde6, Other };

// From XDG_CURRENT_DESKTOP (a ":"-separated list such as "ubuntu:GNOME") and
// KDE_SESSION_VERSION.
PointerDesktop pointerDesktopFrom(std::string_view currentDesktop,
                                  std::string_view kdeSessionVersion);

struct DesktopPointerSetup {
    PointerDesktop desktop = PointerDesktop::Other;
    std::string searchPath;    // where the helper programs are looked for (PATH)
    std::string settingsFile;  // the program's settings file, for held values
    HelperLimits limits;
};

class DesktopPointerSettings final : public PointerSettings {
  public:
    DesktopPointerSettings(Clock& clock, DesktopPointerSetup setup);
    // The desktop, the search path and the helper limits from the environment.
    static std::unique_ptr<DesktopPointerSettings> fromEnvironment(Clock& clock,
                                                                   std::string settingsFile);

    int pointerSpeed() const override;
    int wheelLines() const override;
    int applyPointerSpeed(int speed) override;
    int applyWheelLines(int lines) override;

    PointerDesktop desktop() const { return setup_.desktop; }

  private:
    // The helper's printed answer, or nothing when it did not run to a good end.
    std::optional<std::string> ask(const std::vector<std::string>& argv) const;
    int tell(const std::vector<std::string>& argv) const;

    Clock& clock_;
    DesktopPointerSetup setup_;
    HeldPointerSettings held_;
};

}  // namespace quillon
