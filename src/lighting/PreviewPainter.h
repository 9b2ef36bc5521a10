#pragma once
// The interface thread's side of the lighting previews: on each lighting tick it tells the
// workers which previews are on screen, hands the keyboard preview the selected custom set, and
// applies the newest frame of each preview to its zone controls (only the zones that changed).
// Each preview is a preview area of the main window (the mouse and mousepad bodies, the keys'
// area), so the preview ticks run exactly while one of them can be seen. The zones and keys
// repaint themselves when their tint or light changes, only those that changed; the painter does
// not announce frames to the areas, which would paint every key a second time. Frames are
// applied at most every kPaintIntervalMs.

#include <array>
#include <cstdint>
#include <vector>

#include "lighting/KeyboardLightingStore.h"
#include "lighting/LightingPreviews.h"
#include "platform/Clock.h"
#include "toolkit/Control.h"
#include "toolkit/PreviewAreas.h"

namespace quillon::app {
class CMainWnd;
}

namespace quillon::lighting {

class PreviewPainter {
  public:
    PreviewPainter(app::CMainWnd& main, LightingPreviews& previews, KeyboardLightingStore& store);

    static constexpr Millis kPaintIntervalMs = 40;

    // Finds the zone controls and registers the preview areas; call once the window exists.
    void lookUp();
    // The lighting tick.
    void tick();
    // The window was hidden (false) or brought to the front (true).
    void windowShown(bool shown);
    // Frames applied to a preview so far; a change means its area needs painting.
    std::uint64_t paintedFrames(DeviceKind kind) const { return painted_[kindIndex(kind)]; }

  private:
    template <typename Frame>
    bool take(FrameMailbox<Frame>& mailbox, DeviceKind kind, Frame& last);
    void updateShowing();
    void paintZones(const std::vector<toolkit::Control*>& zones, const ZoneLight* lights,
                    const ZoneLight* before, std::size_t count);
    void paintKeys(const KeyFrame& frame, const KeyFrame& before);

    app::CMainWnd& main_;
    LightingPreviews& previews_;
    KeyboardLightingStore& store_;
    std::vector<toolkit::Control*> mouseZones_;
    std::vector<toolkit::Control*> padZones_;
    std::vector<toolkit::Control*> keys_;
    std::array<std::uint64_t, 3> seen_{};
    std::array<std::uint64_t, 3> painted_{};
    std::array<Millis, 3> lastPaint_{};
    std::array<std::shared_ptr<toolkit::PreviewArea>, 3> areas_;
    MouseFrame mouse_{};
    MousepadFrame pad_{};
    KeyFrame keyboard_{};
    CustomColourSet lastSet_{};
    bool setSent_ = false;
    bool windowShown_ = false;
    bool keysLit_ = false;
};

}  // namespace quillon::lighting
