#pragma once
// The same-mode buttons: one device's lighting (record bytes 1..8) goes to the other two devices
// and to the synchronised previews, the other devices' pages show it and their profiles are
// saved, the other devices receive it at the next flush, and all three devices take part in
// synchronised lighting.

#include <array>
#include <functional>

#include "device/DeviceKind.h"
#include "lighting/LightingPreviews.h"

namespace quillon::app {
class CMainWnd;
}

namespace quillon::lighting {

class SameModeCopy {
  public:
    SameModeCopy(app::CMainWnd& main, LightingPreviews& previews)
        : main_(main), previews_(previews) {}

    // The lighting page refresh of a device.
    void setRefresh(DeviceKind kind, std::function<void()> refresh) {
        refresh_[kindIndex(kind)] = std::move(refresh);
    }
    // Source 1 keyboard, 2 mouse, 3 mousepad; any other value changes nothing.
    void copyFrom(int source);

  private:
    app::CMainWnd& main_;
    LightingPreviews& previews_;
    std::array<std::function<void()>, 3> refresh_;
};

}  // namespace quillon::lighting
