#include "platform/sim/SimCursorImage.h"

#include <array>

#include "platform/sim/SimDefaults.h"

namespace quillon {
namespace {

// Action kinds; bit 7 is the direction (press, left, up).
constexpr std::uint8_t kButton = 0x01, kHorizontal = 0x04, kVertical = 0x05, kBit7 = 0x80;
constexpr std::uint8_t kLeftButton = 0x01;

// One recoil-compensation pattern: a shot per step, the cursor pulled down by an amount growing
// from `pullFirst` to `pullLast` and nudged sideways by the repeating `drift` (negative = left).
struct Pattern {
    std::uint16_t stepDelayMs;
    std::uint8_t pullFirst;
    std::uint8_t pullLast;
    std::array<int, 4> drift;
};

constexpr std::array<Pattern, kSimCursorSequences> kPatterns = {{
    {100, 2, 6, {0, 1, 0, -1}},  // 1: slow rifle
    {70, 3, 9, {1, 1, -1, -1}},  // 2: assault rifle
    {60, 4, 12, {0, -1, 0, 1}},  // 3: sub-machine gun
    {150, 8, 8, {0, 0, 0, 0}},   // 4: marksman, an even pull
}};

struct Action {
    std::uint16_t delay;
    std::uint8_t kind;
    std::uint8_t code;
};

std::array<Action, kSimActionsPerStep> stepActions(const Pattern& pattern, int step) {
    const int pull =
        pattern.pullFirst + (pattern.pullLast - pattern.pullFirst) * step / (kSimCursorSteps - 1);
    const int drift = pattern.drift[static_cast<std::size_t>(step) % pattern.drift.size()];
    const std::uint8_t sideways =
        drift < 0 ? static_cast<std::uint8_t>(kHorizontal | kBit7) : kHorizontal;
    return {{
        {8, static_cast<std::uint8_t>(kButton | kBit7), kLeftButton},  // press
        {0, kButton, kLeftButton},                                     // release
        {0, kHorizontal, 0},                                           // settle
        {pattern.stepDelayMs, kVertical, 0},                           // the step's pause
        {0, sideways, static_cast<std::uint8_t>(drift < 0 ? -drift : drift)},
        {0, kVertical, static_cast<std::uint8_t>(pull)},  // down
    }};
}

void putLe16(std::vector<std::uint8_t>& image, std::size_t at, std::size_t value) {
    image[at] = static_cast<std::uint8_t>(value & 0xFF);
    image[at + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

// Writes one sequence's block at `at`; returns the offset after it.
std::size_t putSequence(std::vector<std::uint8_t>& image, std::size_t at, const Pattern& pattern) {
    putLe16(image, at, kSimCursorSteps * kSimActionsPerStep);
    at += 4;  // count and two reserved bytes
    for (int step = 0; step < kSimCursorSteps; ++step) {
        for (const Action& action : stepActions(pattern, step)) {
            putLe16(image, at, action.delay);
            image[at + 2] = action.kind;
            image[at + 3] = action.code;
            at += 4;
        }
    }
    return at;
}

}  // namespace

std::vector<std::uint8_t> simDefaultCursorImage() {
    std::vector<std::uint8_t> image(kSimCursorSize, 0);
    constexpr std::size_t count = kSimCursorSequences;
    std::size_t at = kSimImageHeaderSize + 2 * count;
    for (std::size_t k = 0; k < count; ++k) {
        putLe16(image, kSimImageHeaderSize + 2 * k, at);
        at = putSequence(image, at, kPatterns[k]);
    }
    putLe16(image, 0, kSimImageMagic);
    putLe16(image, 2, at);  // total length, header included
    putLe16(image, 4, count);
    return image;
}

}  // namespace quillon
