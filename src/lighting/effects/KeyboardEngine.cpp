#include "lighting/effects/KeyboardEngine.h"

#include "lighting/effects/KeyboardEngineFrame.h"

namespace quillon::lighting {

void KeyboardEngine::reset() {
    p1_ = 0;
    show_ = 0;
    level_.fill(0);
    hue_.fill(0);
    layers_.clear();
}

void KeyboardEngine::start(bool single, std::uint8_t mode) {
    if (single) {
        switch (mode) {
            case 3:
            case 5:
                layers_.setBit(9, 6);
                break;
            case 4:
                hueStart();
                break;
            case 8:
            case 11:
                for (int c = 0; c < kGridColumns; ++c) {
                    for (int r = 0; r < kGridRows; ++r) {
                        const std::uint8_t key = gridKey(c, r);
                        if (key != kNoKey) {
                            phase_[key] = phaseAt(6 * c + r);
                        }
                    }
                }
                break;
            case 9:
            case 15:
            case 16:
                diagonalStart(false);
                break;
            default:
                break;
        }
        return;
    }
    switch (mode) {
        case 4:
            hueStart();
            break;
        case 5:
            layers_.setBit(9, 6);
            break;
        case 11:
            phaseStart();
            break;
        case 15:
            layers_.setBit(1, 0);
            break;
        case 16:
            diagonalStart(true);
            break;
        default:
            break;
    }
}

bool KeyboardEngine::frame(bool single, const LightingBlock& block,
                           std::span<const std::uint8_t> customSet, SharedHue& hue) {
    const Frame f{block, customSet, hue, single, block.alpha()};
    return single ? singleColour(f) : fullColour(f);
}

// Rainbow keys: a running sum of 33 per key, jumping 64 further past 192.
void KeyboardEngine::hueStart() {
    std::uint8_t t = 0;
    for (std::size_t k = 0; k < kKeyCount; ++k) {
        t = static_cast<std::uint8_t>(t + 33);
        if (t > 192) {
            t = static_cast<std::uint8_t>(t + 64);
        }
        hue_[k] = t;
    }
}

void KeyboardEngine::phaseStart() {
    for (int c = 0; c < kGridColumns; ++c) {
        for (int r = 0; r < kGridRows; ++r) {
            const std::uint8_t key = gridKey(c, r);
            if (key != kNoKey) {
                level_[key] = phaseAt(6 * c + r);
                hue_[key] = static_cast<std::uint8_t>(7 * c);
            }
        }
    }
}

// Phases fall 8 a column and 35 a row, within 0..191 (a value past 192 comes round by 193).
void KeyboardEngine::diagonalStart(bool withHues) {
    auto fold = [](std::uint8_t v) { return v >= 192 ? static_cast<std::uint8_t>(v + 193) : v; };
    for (int c = 0; c < kGridColumns; ++c) {
        std::uint8_t v = fold(static_cast<std::uint8_t>(157 - 8 * c));
        for (int r = 0; r < kGridRows; ++r) {
            const std::uint8_t key = gridKey(c, r);
            if (key != kNoKey) {
                phase_[key] = v;
                if (withHues) {
                    hue_[key] = static_cast<std::uint8_t>(7 * c);
                }
            }
            v = fold(static_cast<std::uint8_t>(v - 35));
        }
    }
}

// Full level, and with changing colours the next colour from the shared counter.
void KeyboardEngine::light(std::uint8_t key, const Frame& f, int hueStep) {
    if (key >= kKeyCount) {
        return;
    }
    level_[key] = 255;
    if (f.sevenColour()) {
        hue_[key] = advanceHue(f.hue, hueStep);
    }
}

void KeyboardEngine::markFromLayers(const Frame& f) {
    for (int c = 0; c < kGridColumns; ++c) {
        const std::uint8_t bits = layers_.any(c);
        for (int r = 0; r < kGridRows; ++r) {
            const std::uint8_t key = gridKey(c, r);
            if ((bits >> r & 1) != 0 && key != kNoKey) {
                light(key, f, 11);
            }
        }
    }
}

// The show: a sweep of 20 steps, then the pairs, then a ripple from key 52 until it has passed
// key 105.
void KeyboardEngine::showStep(const Frame& f) {
    switch (show_) {
        case 0:
            for (int step : {int{p1_}, p1_ + 1}) {
                if (step < kSweepSteps) {
                    for (std::uint8_t key : sweepRow(step)) {
                        light(key, f, 11);
                    }
                }
            }
            if (++p1_ >= kSweepSteps) {
                show_ = 1;
                p1_ = 0;
            }
            break;
        case 1:
            if (p1_ <= 30) {
                for (int pair : {p1_ % kShowPairs, (p1_ + 1) % kShowPairs}) {
                    for (std::uint8_t key : showPair(pair)) {
                        light(key, f, 11);
                    }
                }
                ++p1_;
            } else if (level_[72] == 0) {
                show_ = 2;
                p1_ = 0;
            }
            break;
        case 2:
            layers_.markKey(52);
            show_ = 3;
            break;
        case 3:
            markFromLayers(f);
            layers_.spread();
            if (level_[105] != 0) {
                show_ = 4;
            }
            break;
        default:
            if (level_[105] == 0) {
                show_ = 0;
                p1_ = 0;
            }
            break;
    }
}

void KeyboardEngine::sparkleSteps(const Frame& f) {
    for (int i = 0; i < 3; ++i) {
        sparkle_ = static_cast<std::uint8_t>(sparkle_ + 1u >= kKeyOrderSize ? 0 : sparkle_ + 1);
        const std::uint8_t key = keyOrder()[sparkleAt(sparkle_)];
        hue_[key] = advanceHue(f.hue, 10);
        level_[key] = 255;
    }
}

// One step along the snake's path; the key it reaches (if any) lights.
bool KeyboardEngine::snakeStep(const Frame& f) {
    std::uint8_t key = kNoKey;
    if (f.block.direction == 1) {
        if (p2_ < kSnakeSize - 1) {
            key = snakePath()[p2_++];
        } else {
            p2_ = 0;
        }
    } else {
        if (p2_ > 0 && p2_ < kSnakeSize) {
            key = snakePath()[p2_--];
        } else {
            p2_ = kSnakeSize - 1;
        }
    }
    if (key == kNoKey) {
        return false;
    }
    level_[key] = 254;
    hue_[key] = advanceHue(f.hue, 13);
    return true;
}

std::uint8_t KeyboardEngine::decay(std::uint8_t v, std::uint8_t mode) const {
    if (v <= 8) {
        return 0;
    }
    if (v <= 16) {
        return mode == 5 ? v : static_cast<std::uint8_t>(v - 4);
    }
    const bool ripple = mode == 5;
    if (v <= 31) {
        return static_cast<std::uint8_t>(v - (ripple ? 8 : 5));
    }
    if (v <= 63) {
        return static_cast<std::uint8_t>(v - 10);
    }
    if (v <= 127) {
        return static_cast<std::uint8_t>(v - (ripple ? 30 : 20));
    }
    return static_cast<std::uint8_t>(v - (ripple ? 40 : 30));
}

void KeyboardEngine::drawFromLevel(std::uint8_t key, const Frame& f) {
    level_[key] = decay(level_[key], f.block.mode);
    set(key, keyColour(key, f), scaled(f.alpha, level_[key]));
}

Rgb KeyboardEngine::keyColour(std::uint8_t key, const Frame& f) const {
    if (f.single) {
        return kSingleColourLight;
    }
    return f.sevenColour() ? wheel(hue_[key]) : f.chosen();
}

void KeyboardEngine::set(std::uint8_t key, Rgb colour, std::uint8_t alpha) {
    if (key < kKeyCount) {
        picture_[key] = {colour, alpha};
    }
}

void KeyboardEngine::setAll(Rgb colour, std::uint8_t alpha) {
    picture_.fill({colour, alpha});
}

}  // namespace quillon::lighting
