#pragma once
// The desktop's pointer values as the profile files read them when a profile keeps the desktop's
// own settings.

#include "lighting/HostSettings.h"
#include "platform/PointerSettings.h"

namespace quillon::lighting {

class DesktopPointerSource final : public PointerSettingsSource {
  public:
    explicit DesktopPointerSource(const PointerSettings& desktop) : desktop_(desktop) {}
    int pointerSpeed() const override { return desktop_.pointerSpeed(); }
    int wheelLines() const override { return desktop_.wheelLines(); }

  private:
    const PointerSettings& desktop_;
};

}  // namespace quillon::lighting
