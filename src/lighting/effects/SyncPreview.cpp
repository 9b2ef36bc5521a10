#include "lighting/effects/SyncPreview.h"

#include "lighting/effects/KeyboardTables.h"
#include "lighting/effects/MousePreview.h"

namespace quillon::lighting {

int syncIdleDelay(const LightingBlock& b, SyncTargets t) {
    int ms = 0;
    if (!t.keyboard) {
        ms += b.mode == 1 ? 9 : b.mode == 2 ? 8 : 6;
    }
    ms += t.mouse ? 0 : 1;
    ms += t.mousepad ? 0 : 1;
    if (b.mode == 1) {
        ms += 6;
    } else if (b.mode == 3) {
        ms += 5;
    }
    return ms;
}

bool SyncPreview::frame(const LightingBlock& b, SyncTargets t) {
    const std::uint8_t alpha = b.alpha();
    switch (b.mode) {
        case 0: {
            const bool seven = b.changingColours();
            stepWithin(position_, seven ? kWheelSize : kCurve96Size, b.direction);
            for (int i = 0; i < kGridColumns; ++i) {
                column(
                    i,
                    seven ? ZoneLight{wheel((position_ + 7 * i) % kWheelSize), alpha}
                          : ZoneLight{b.colour(), scaled(alpha, curve96(position_ + 10 * (i + 1)))},
                    t);
            }
            return true;
        }
        case 1:
            stepWithin(position_, kWheelSize, b.direction);
            all({wheel(position_), alpha}, t);
            return true;
        case 2:
            stepWithin(position_, kBreathSize, b.direction);
            all({b.changingColours() ? wheel(position_) : b.colour(),
                 scaled(alpha, breath(position_))},
                t);
            return true;
        case 3:
            all({b.colour(), alpha}, t);
            return true;
        default:
            return false;
    }
}

void SyncPreview::column(int i, ZoneLight light, SyncTargets t) {
    if (t.keyboard) {
        for (int r = 0; r < kGridRows; ++r) {
            const std::uint8_t key = gridKey(i, r);
            if (key != kNoKey) {
                keyboard_[key] = light;
            }
        }
    }
    if (t.mouse && i < kZoneGroupCount) {
        for (std::uint8_t zone : mouseZoneGroup(i)) {
            mouse_[zone] = light;
        }
    }
    if (t.mousepad && i < static_cast<int>(kMousepadZoneCount)) {
        mousepad_[static_cast<std::size_t>(i)] = light;
    }
}

void SyncPreview::all(ZoneLight light, SyncTargets t) {
    if (t.keyboard) {
        keyboard_.fill(light);
    }
    if (t.mouse) {
        mouse_.fill(light);
    }
    if (t.mousepad) {
        mousepad_.fill(light);
    }
}

}  // namespace quillon::lighting
