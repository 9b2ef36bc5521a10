#include "toolkit/PreviewAreas.h"

#include <algorithm>

#include "toolkit/Language.h"
#include "toolkit/Window.h"

namespace quillon::toolkit {

namespace {

bool sameName(std::string_view a, std::string_view b) {
    return lowerAscii(a) == lowerAscii(b);
}

// The area's control when it is shown on a window that can be seen, else null.
Control* shownControl(Window& window, const PreviewArea& area) {
    Control* control = window.find(area.control());
    return control != nullptr && control->visible() ? control : nullptr;
}

}  // namespace

std::shared_ptr<PreviewArea> PreviewAreas::add(std::string_view control) {
    for (const auto& area : areas_) {
        if (sameName(area->control(), control)) {
            return area;
        }
    }
    areas_.push_back(std::make_shared<PreviewArea>(std::string(control)));
    return areas_.back();
}

void PreviewAreas::remove(std::string_view control) {
    std::erase_if(areas_,
                  [control](const auto& area) { return sameName(area->control(), control); });
}

bool PreviewAreas::anyShown(Window& window) const {
    if (areas_.empty() || !window.isExposed()) {
        return false;
    }
    return std::any_of(areas_.begin(), areas_.end(),
                       [&window](const auto& area) { return shownControl(window, *area); });
}

int PreviewAreas::repaintChanged(Window& window) {
    const bool seen = !areas_.empty() && window.isExposed();
    int invalidated = 0;
    for (const auto& area : areas_) {
        const std::uint32_t frame = area->frame();
        if (frame == area->shownFrame_) {
            continue;
        }
        area->shownFrame_ = frame;
        if (Control* control = seen ? shownControl(window, *area) : nullptr) {
            control->invalidate();
            ++invalidated;
        }
    }
    return invalidated;
}

}  // namespace quillon::toolkit
