// The full-colour keyboard's effects, modes 0..16.
#include "lighting/effects/KeyboardEngine.h"
#include "lighting/effects/KeyboardEngineFrame.h"

namespace quillon::lighting {

bool KeyboardEngine::fullColour(const Frame& f) {
    switch (f.block.mode) {
        case 0:
            wave(f);
            break;
        case 1:
            spectrum(f);
            break;
        case 2:
            breathing(f);
            break;
        case 3:
            setAll(f.block.colour(), f.alpha);
            break;
        case 4:
            rainbowKeys(f);
            break;
        case 5:
            centreRipple(f);
            break;
        case 6:
            show(f);
            break;
        case 7:
            stream(f);
            break;
        case 8:
            custom(f);
            break;
        case 9:
            sparkle(f);
            break;
        case 10:
            rows(f);
            break;
        case 11:
            pulseField(f);
            break;
        case 12:
            snake(f);
            break;
        case 13:
            rings(f);
            break;
        case 14:
            columns(f);
            break;
        case 15:
            edgeRipple(f);
            break;
        case 16:
            diagonalPulse(f);
            break;
        default:
            return false;
    }
    return true;
}

void KeyboardEngine::wave(const Frame& f) {
    const bool seven = f.sevenColour();
    stepWithin(p1_, seven ? kWheelSize : kCurve96Size, f.block.direction);
    for (int c = 0; c < kGridColumns; ++c) {
        const ZoneLight light =
            seven ? ZoneLight{wheel((p1_ + 7 * c) % kWheelSize), f.alpha}
                  : ZoneLight{f.block.colour(), scaled(f.alpha, curve96(p1_ + 10 * (c + 1)))};
        for (int r = 0; r < kGridRows; ++r) {
            set(gridKey(c, r), light.colour, light.alpha);
        }
    }
}

void KeyboardEngine::spectrum(const Frame& f) {
    stepWithin(p1_, kWheelSize, f.block.direction);
    setAll(wheel(p1_), f.alpha);
}

void KeyboardEngine::breathing(const Frame& f) {
    if (stepWithin(p1_, kBreathSize, f.block.direction)) {
        group_ = static_cast<std::uint8_t>((group_ + 1) % 3);
    }
    const Rgb colour = f.sevenColour() ? wheel(p1_ + 50) : f.block.colour();
    setAll(colour, scaled(f.alpha, breath(p1_)));
}

void KeyboardEngine::rainbowKeys(const Frame& f) {
    for (std::size_t k = 0; k < kKeyCount; ++k) {
        hue_[k] = static_cast<std::uint8_t>(hue_[k] + 1 >= kWheelSize ? 0 : hue_[k] + 1);
        picture_[k] = {wheel(hue_[k]), f.alpha};
    }
}

// A ripple from the middle of the keyboard; a new one starts when the last one has left.
void KeyboardEngine::centreRipple(const Frame& f) {
    if (layers_.any(9) == 0x01) {
        layers_.setBit(9, 0);
    }
    if (layers_.any(9) == 0x40) {
        layers_.setBit(9, 6);
    }
    markFromLayers(f);
    layers_.spread();
    for (std::uint8_t key : keyOrder()) {
        drawFromLevel(key, f);
    }
}

void KeyboardEngine::show(const Frame& f) {
    showStep(f);
    for (std::uint8_t key : keyOrder()) {
        drawFromLevel(key, f);
    }
}

void KeyboardEngine::stream(const Frame& f) {
    const bool seven = f.sevenColour();
    stepWithin(p1_, seven ? kWheelSize : kCurve96Size, f.block.direction);
    int a = p1_;
    for (std::uint8_t key : keyOrder()) {
        if (seven) {
            set(key, wheel(a), f.alpha);
            a = (a + 5) % kWheelSize;
        } else {
            set(key, f.chosen(), scaled(f.alpha, curve96(a)));
            a = (a + 5) % kCurve96Size;
        }
    }
}

void KeyboardEngine::custom(const Frame& f) {
    for (int k = 0; k < static_cast<int>(kKeyCount); ++k) {
        const std::size_t at = 3u * customEntry(false, k);
        Rgb colour{};
        if (customEntry(false, k) != kNoKey && at + 2 < f.customSet.size()) {
            colour = {f.customSet[at], f.customSet[at + 1], f.customSet[at + 2]};
        }
        picture_[static_cast<std::size_t>(k)] = {colour, f.alpha};
    }
}

void KeyboardEngine::sparkle(const Frame& f) {
    sparkleSteps(f);
    for (std::uint8_t k = 0; k < kKeyCount; ++k) {
        drawFromLevel(k, f);
    }
}

void KeyboardEngine::rows(const Frame& f) {
    stepWithin(p2_, kWheelSize, f.block.direction);
    for (int r = 0; r < kGridRows; ++r) {
        const Rgb colour = wheel((p2_ + 24 * r) % kWheelSize);
        for (int c = 0; c < kGridColumns; ++c) {
            set(gridKey(c, r), colour, f.alpha);
        }
    }
}

void KeyboardEngine::pulseField(const Frame& f) {
    for (std::uint8_t key : keyOrder()) {
        if (++level_[key] >= kPulseSize) {
            level_[key] = 0;
            hue_[key] = advanceHue(f.hue, 5);
        }
        const Rgb colour = f.sevenColour() ? paletteColour(hue_[key]) : f.block.colour();
        set(key, colour, scaled(f.alpha, pulseCurve(level_[key])));
    }
}

void KeyboardEngine::snake(const Frame& f) {
    snakeStep(f);
    for (std::uint8_t key : keyOrder()) {
        drawFromLevel(key, f);
    }
}

// Twelve rings round key 51 in turning colours; going right the colours move twice as fast.
void KeyboardEngine::rings(const Frame& f) {
    if (f.block.direction == 1) {
        p1_ = static_cast<std::uint8_t>(p1_ + 4 >= kWheelSize ? 0 : p1_ + 4);
    } else {
        p1_ = static_cast<std::uint8_t>(p1_ < 2 ? kWheelSize : p1_ - 2);
    }
    for (int g = 0; g < kRingCount; ++g) {
        const Rgb colour = wheel((p1_ + 21 * (g + 1)) % kWheelSize);
        for (std::uint8_t key : ring(g)) {
            if (inKeyOrder(key)) {
                set(key, colour, f.alpha);
            }
        }
    }
}

void KeyboardEngine::columns(const Frame& f) {
    if (f.sevenColour()) {
        stepWithin(p2_, kWheelSize, f.block.direction);
        for (int c = 0; c < kGridColumns; ++c) {
            const Rgb colour = wheel((p2_ + 2 * c) % kWheelSize);
            for (int r = 0; r < kGridRows; ++r) {
                set(gridKey(c, r), colour, f.alpha);
            }
        }
        return;
    }
    stepWithin(p1_, kCurve96Size, f.block.direction);
    int b = p1_;
    const Rgb ch = f.block.colour();
    for (int c = 0; c < kGridColumns; ++c) {
        const int level = pulseCurve(b);
        const Rgb colour = {static_cast<std::uint8_t>(ch.red * f.alpha / 256 * level / 256),
                            static_cast<std::uint8_t>(ch.green * f.alpha / 256 * level / 256),
                            static_cast<std::uint8_t>(ch.blue * f.alpha / 256 * level / 256)};
        b = (b + 5) % kCurve96Size;
        const std::uint8_t alpha = scaled(f.alpha, pulseCurve(b));
        for (int r = 0; r < kGridRows; ++r) {
            set(gridKey(c, r), colour, alpha);
        }
    }
}

// Ripples running in from both ends of the keyboard.
void KeyboardEngine::edgeRipple(const Frame& f) {
    if (layers_.any(1) == 0x01) {
        layers_.setBit(1, 0);
    }
    if (layers_.any(22) == 0x01) {
        layers_.setBit(22, 6);
    }
    markFromLayers(f);
    layers_.spread();
    for (std::uint8_t key : keyOrder()) {
        drawFromLevel(key, f);
    }
}

void KeyboardEngine::diagonalPulse(const Frame& f) {
    for (std::uint8_t key : keyOrder()) {
        if (++phase_[key] >= kPulseSize) {
            phase_[key] = 0;
            hue_[key] = advanceHue(f.hue, 10);
        }
        set(key, keyColour(key, f), scaled(f.alpha, pulseCurve(phase_[key])));
    }
}

}  // namespace quillon::lighting
