#include "lighting/effects/LightingTables.h"

namespace quillon::lighting {
namespace {

// clang-format off
constexpr std::array<std::uint8_t, 16> kAlpha = {
    45, 97, 149, 201, 255, 120, 135, 150, 165, 180, 195, 210, 225, 240, 255, 0};

constexpr std::array<std::uint8_t, 32> kUp = {
    1, 3, 5, 7, 10, 14, 18, 22, 26, 32, 38, 44, 50, 57, 65, 73,
    81, 89, 99, 109, 119, 129, 140, 152, 164, 176, 188, 200, 213, 227, 241, 255};
constexpr std::array<std::uint8_t, 32> kDown = {
    248, 234, 220, 206, 194, 182, 170, 158, 146, 134, 124, 114, 104, 94, 85, 77,
    69, 61, 53, 47, 41, 35, 29, 24, 20, 16, 12, 8, 6, 4, 2, 0};

constexpr std::array<std::uint8_t, 64> kBreathRise = {
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 14, 16, 18, 20,
    22, 24, 27, 30, 33, 36, 39, 42, 45, 49, 53, 57, 61, 65, 69, 73,
    77, 81, 85, 89, 94, 99, 104, 109, 114, 119, 124, 129, 134, 140, 146, 152,
    158, 164, 170, 176, 182, 188, 194, 200, 206, 213, 220, 227, 234, 241, 248, 255};

constexpr std::array<std::uint8_t, 48> kCurve96Rise = {
    22, 24, 27, 30, 33, 36, 39, 42, 45, 49, 53, 57, 61, 65, 69, 73,
    77, 81, 85, 89, 94, 99, 104, 109, 114, 119, 124, 129, 134, 140, 146, 152,
    158, 164, 170, 176, 182, 188, 194, 200, 206, 213, 220, 227, 234, 241, 248, 255};

constexpr std::array<std::uint8_t, 80> kPulseHead = {
    0, 4, 8, 14, 22, 33, 45, 61, 77, 94, 114, 134, 158, 182, 206, 234,
    255, 248, 241, 234, 227, 220, 213, 206, 200, 194, 188, 182, 176, 170, 164, 158,
    152, 146, 140, 134, 129, 124, 119, 114, 109, 104, 99, 94, 89, 85, 81, 77,
    73, 69, 65, 61, 57, 53, 49, 45, 42, 39, 36, 33, 30, 27, 24, 22,
    20, 18, 16, 14, 12, 10, 9, 8, 7, 6, 5, 4, 3, 2, 2, 1};

constexpr std::array<std::array<Rgb, kZoneGroupCount>, 3> kBreathingSets = {{
    {{{255, 255, 0}, {200, 255, 0}, {170, 255, 0}, {140, 255, 0}, {110, 255, 0}, {80, 255, 0},
      {70, 255, 0}}},
    {{{0, 255, 255}, {0, 200, 255}, {0, 170, 255}, {0, 140, 255}, {0, 110, 255}, {0, 80, 255},
      {0, 70, 255}}},
    {{{245, 0, 255}, {245, 0, 200}, {245, 0, 170}, {245, 0, 140}, {245, 0, 110}, {245, 0, 80},
      {245, 0, 70}}},
}};
// clang-format on

int wrap(int index, int size) {
    const int r = index % size;
    return r < 0 ? r + size : r;
}

}  // namespace

std::uint8_t brightnessAlpha(std::uint8_t brightness) {
    return kAlpha[brightness < kAlpha.size() ? brightness : kAlpha.size() - 1];
}

Rgb wheel(int index) {
    const int i = wrap(index, kWheelSize);
    const std::uint8_t up = kUp[static_cast<std::size_t>(i % 32)];
    const std::uint8_t down = kDown[static_cast<std::size_t>(i % 32)];
    switch (i / 32) {
        case 0:
            return {255, up, 0};
        case 1:
            return {down, 255, 0};
        case 2:
            return {0, 255, up};
        case 3:
            return {0, down, 255};
        case 4:
            return {up, 0, 255};
        default:
            return {255, 0, down};
    }
}

std::uint8_t breath(int index) {
    const int i = wrap(index, kBreathSize);
    return kBreathRise[static_cast<std::size_t>(i < 64 ? i : 127 - i)];
}

std::uint8_t curve96(int index) {
    const int i = wrap(index, kCurve96Size);
    return kCurve96Rise[static_cast<std::size_t>(i < 48 ? i : 95 - i)];
}

std::uint8_t pulseCurve(int index) {
    const int i = wrap(index, kPulseSize);
    return i < static_cast<int>(kPulseHead.size()) ? kPulseHead[static_cast<std::size_t>(i)] : 0;
}

Rgb breathingSetColour(int set, int group) {
    return kBreathingSets[static_cast<std::size_t>(wrap(set, 3))]
                         [static_cast<std::size_t>(wrap(group, kZoneGroupCount))];
}

bool stepWithin(std::uint8_t& position, int count, std::uint8_t direction) {
    if (direction == 1) {
        position = static_cast<std::uint8_t>(position + 1 >= count ? 0 : position + 1);
        return position == 0;
    }
    if (position == 0) {
        position = static_cast<std::uint8_t>(count - 1);
        return false;
    }
    position = static_cast<std::uint8_t>(position > count ? count - 1 : position - 1);
    return position == 0;
}

}  // namespace quillon::lighting
