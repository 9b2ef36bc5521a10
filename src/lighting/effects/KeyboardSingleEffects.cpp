// The single-colour keyboard's effects, modes 0..10: only the alpha of the fixed colour changes.
#include "lighting/effects/KeyboardEngine.h"
#include "lighting/effects/KeyboardEngineFrame.h"

namespace quillon::lighting {

bool KeyboardEngine::singleColour(const Frame& f) {
    switch (f.block.mode) {
        case 0:
            singleWave(f);
            break;
        case 1:
            stepWithin(p1_, kBreathSize, 1);
            setAll(kSingleColourLight, scaled(f.alpha, breath(p1_)));
            break;
        case 2:
            setAll(kSingleColourLight, f.alpha);
            break;
        case 3:
            tracks(f);
            break;
        case 4:
            show(f);
            break;
        case 5:
            stream(f);
            break;
        case 6:
            singleCustom(f);
            break;
        case 7:
            singleSparkle(f);
            break;
        case 8:
        case 9:
            singlePulse(f);
            break;
        case 10:
            snake(f);
            break;
        default:
            return false;
    }
    return true;
}

void KeyboardEngine::singleWave(const Frame& f) {
    stepWithin(p1_, kCurve96Size, f.block.direction);
    int b = p1_;
    for (int c = 0; c < kGridColumns; ++c) {
        const std::uint8_t alpha = scaled(f.alpha, curve96(b));
        for (int r = 0; r < kGridRows; ++r) {
            set(gridKey(c, r), kSingleColourLight, alpha);
        }
        b = (b + 7) % kCurve96Size;
    }
}

// Tracks: the lit cells follow the layers' bits, which spread out from the middle and start
// again when they have gone.
void KeyboardEngine::tracks(const Frame& f) {
    for (int c = 0; c < kGridColumns; ++c) {
        for (int r = 0; r < kGridRows; ++r) {
            const std::uint8_t key = gridKey(c, r);
            if (key != kNoKey) {
                level_[key] = layers_.has(c, r) ? 254 : 0;
            }
        }
    }
    layers_.spread();
    if (layers_.any(9) == 0x01) {
        layers_.setBit(9, 0);
        layers_.setBit(9, 1);
    } else if (layers_.any(9) == 0x60) {
        layers_.setBit(9, 5);
        layers_.setBit(9, 6);
    }
    for (std::uint8_t key : keyOrder()) {
        drawFromLevel(key, f);
    }
}

void KeyboardEngine::singleCustom(const Frame& f) {
    for (int k = 0; k < static_cast<int>(kKeyCount); ++k) {
        const std::uint8_t entry = customEntry(true, k);
        const int value = entry != kNoKey && entry < f.customSet.size() ? f.customSet[entry] : 0;
        picture_[static_cast<std::size_t>(k)] = {kSingleColourLight,
                                                 static_cast<std::uint8_t>(value * f.alpha / 256)};
    }
}

void KeyboardEngine::singleSparkle(const Frame& f) {
    sparkleSteps(f);
    for (std::uint8_t k = 0; k < kKeyCount; ++k) {
        drawFromLevel(k, f);
    }
}

void KeyboardEngine::singlePulse(const Frame& f) {
    for (std::uint8_t key : keyOrder()) {
        if (++phase_[key] >= kPulseSize) {
            phase_[key] = 0;
        }
        set(key, kSingleColourLight, scaled(f.alpha, pulseCurve(phase_[key])));
    }
}

}  // namespace quillon::lighting
