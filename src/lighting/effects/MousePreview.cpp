#include "lighting/effects/MousePreview.h"

#include <array>

namespace quillon::lighting {
namespace {

constexpr std::array<std::array<std::uint8_t, 3>, kZoneGroupCount> kGroups = {
    {{0, 7, 19}, {1, 8, 18}, {2, 9, 9}, {3, 10, 14}, {4, 11, 15}, {5, 12, 16}, {6, 13, 17}}};

constexpr std::size_t kFlashZones = 15;

// Level decay of the running light: 255 fades 215, 175, 135, 95, 65, 35, 25, 17, 9, 5, 1, 0.
std::uint8_t decay(std::uint8_t v) {
    if (v >= 128) {
        return static_cast<std::uint8_t>(v - 40);
    }
    if (v >= 64) {
        return static_cast<std::uint8_t>(v - 30);
    }
    if (v >= 32) {
        return static_cast<std::uint8_t>(v - 10);
    }
    if (v >= 17) {
        return static_cast<std::uint8_t>(v - 8);
    }
    return static_cast<std::uint8_t>(v > 4 ? v - 4 : 0);
}

}  // namespace

const std::array<std::uint8_t, 3>& mouseZoneGroup(int group) {
    return kGroups[static_cast<std::size_t>(group) % kGroups.size()];
}

int mousePassDelay(const LightingBlock& block) {
    const int speed = block.speed;
    return 2 * speed + 3 + 10 * speed + (block.mode == 5 ? 50 : 0);
}

void MousePreview::reset() {
    position_ = 0;
    running_.clear();
}

void MousePreview::placeMarker(std::uint8_t direction) {
    running_.placeMarker(direction == 1 ? 7 : 0);
}

bool MousePreview::frame(const LightingBlock& b, std::int64_t now, bool triggered, SharedHue& hue) {
    switch (b.mode) {
        case 0:
            colourCycle(b);
            return true;
        case 1:
            breathe(b, true);
            return true;
        case 2:
        case 6:
            flash(b, now, triggered);
            return true;
        case 3:
            breathe(b, false);
            return true;
        case 4:
            setAll({b.colour(), b.alpha()});
            return true;
        case 5:
            runningLight(b, hue);
            return true;
        default:
            return false;
    }
}

void MousePreview::colourCycle(const LightingBlock& b) {
    stepWithin(position_, kWheelSize, b.direction);
    setAll({wheel(position_), b.alpha()});
}

void MousePreview::breathe(const LightingBlock& b, bool threeSets) {
    if (stepWithin(position_, kBreathSize, b.direction)) {
        group_ = static_cast<std::uint8_t>((group_ + 1) % 3);
    }
    const std::uint8_t alpha = scaled(b.alpha(), breath(position_));
    for (int g = 0; g < kZoneGroupCount; ++g) {
        setGroup(g, {threeSets ? breathingSetColour(group_, g) : b.colour(), alpha});
    }
}

void MousePreview::flash(const LightingBlock& b, std::int64_t now, bool triggered) {
    const bool lit = flash_.frame(triggered, now);
    const ZoneLight light =
        lit ? ZoneLight{b.changingColours() ? wheel(flash_.wheelIndex) : b.colour(), b.alpha()}
            : ZoneLight{};
    for (std::size_t z = 0; z < kFlashZones; ++z) {
        picture_[z] = light;
    }
}

void MousePreview::runningLight(const LightingBlock& b, SharedHue& hue) {
    stepWithin(position_, kWheelSize, b.direction);
    running_.pass(b.direction, b.changingColours(), hue);
    for (int g = 0; g < kZoneGroupCount; ++g) {
        std::uint8_t& level = running_.level[static_cast<std::size_t>(g)];
        level = decay(level);
        const Rgb colour = b.changingColours()
                               ? wheel(wheelHue(running_.hue[static_cast<std::size_t>(g)]))
                               : b.colour();
        setGroup(g, {colour, scaled(b.alpha(), level)});
    }
}

void MousePreview::setAll(ZoneLight light) {
    picture_.fill(light);
}

void MousePreview::setGroup(int group, ZoneLight light) {
    for (std::uint8_t zone : mouseZoneGroup(group)) {
        picture_[zone] = light;
    }
}

}  // namespace quillon::lighting
