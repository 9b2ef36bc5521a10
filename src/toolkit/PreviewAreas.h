#pragma once
// Preview areas: controls whose picture is an animation computed away from the interface thread
// (a lighting effect drawn frame by frame). Repainting follows the frames: the preview repaint
// tick invalidates only the rectangle of an area whose frame moved since the previous tick, and
// the tick need not run at all while no area can be seen.
//
// How a preview uses it:
//   - on the interface thread, once: `auto area = main.previews().add("ms_deng_preview");`
//     (the control's name in the skin; adding a name twice gives the same area);
//   - whoever computes frames (any thread) writes the frame into the control's state and then
//     calls `area->frameChanged()`; the area is shared, so it may outlive remove();
//   - the main window's preview tick calls `repaintChanged(window)`, which invalidates the
//     controls of shown areas with a new frame and nothing else;
//   - `anyShown(window)` says whether a tick has anything to do: an area's control shown on the
//     current page of a window that can be seen (shown, not minimised, not covered). The main
//     window runs its preview timers only while it is true.
// Areas and the registry belong to the interface thread; only frameChanged() and frame() may be
// called from other threads.

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::toolkit {

class Window;

class PreviewArea {
  public:
    explicit PreviewArea(std::string control) : control_(std::move(control)) {}
    PreviewArea(const PreviewArea&) = delete;
    PreviewArea& operator=(const PreviewArea&) = delete;

    const std::string& control() const { return control_; }
    // A new frame is ready to be shown. Any thread.
    void frameChanged() { frame_.fetch_add(1, std::memory_order_release); }
    // How many frames were announced so far (wraps around). Any thread.
    std::uint32_t frame() const { return frame_.load(std::memory_order_acquire); }

  private:
    friend class PreviewAreas;
    const std::string control_;
    std::atomic<std::uint32_t> frame_{0};
    std::uint32_t shownFrame_ = 0;  // the frame last invalidated or skipped; interface thread
};

class PreviewAreas {
  public:
    // Registers `control` as a preview area; an existing area of that name (compared without
    // regard to case) is returned as it is.
    std::shared_ptr<PreviewArea> add(std::string_view control);
    void remove(std::string_view control);
    std::size_t size() const { return areas_.size(); }

    // Whether any area's control is shown on the current page of `window` and the window can be
    // seen.
    bool anyShown(Window& window) const;
    // One tick: invalidates the control of every shown area whose frame changed since the last
    // tick and returns how many it invalidated. A hidden area's frames are passed over: showing
    // it paints it anyway.
    int repaintChanged(Window& window);

  private:
    std::vector<std::shared_ptr<PreviewArea>> areas_;
};

}  // namespace quillon::toolkit
