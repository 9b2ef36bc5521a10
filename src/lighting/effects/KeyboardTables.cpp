#include "lighting/effects/KeyboardTables.h"

#include <algorithm>

namespace quillon::lighting {
namespace {

constexpr std::uint8_t N = kNoKey;

// clang-format off
constexpr std::array<std::array<std::uint8_t, kGridRows>, kGridColumns> kGrid = {{
    {N, N, N, N, N, 105}, {N, 21, 42, 63, 84, 106}, {0, 22, 43, 64, 85, 107},
    {1, 23, 44, 65, 86, N}, {2, 24, 45, 66, 87, N}, {3, 25, 46, 67, 88, N},
    {4, 26, 47, 68, 89, 108}, {N, 27, 48, 69, 90, N}, {5, 28, 49, 70, 91, N},
    {6, 29, 50, 71, 92, 109}, {7, 30, 51, 72, 93, N}, {8, 31, 52, 73, 94, 110},
    {9, 32, 53, 74, N, N}, {10, 33, 54, N, N, 111}, {11, 34, 55, 75, 95, N},
    {12, N, N, N, N, 112}, {13, 35, 56, N, N, 113}, {14, 36, 57, N, 96, 114},
    {15, 37, 58, N, N, 115}, {N, 38, 59, 76, 97, 116}, {N, 39, 60, 77, 98, N},
    {N, 40, 61, 78, 99, 117}, {N, 41, N, 119, 118, N},
}};

constexpr std::array<std::uint8_t, kKeyOrderSize> kOrder = {
    15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 21, 42, 63, 84, 105, 106, 107, 108,
    109, 110, 111, 112, 113, 114, 115, 116, 117, 118, 119, 41, 40, 39, 38, 37, 36, 35, 34, 33,
    32, 31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 43, 64, 85, 86, 87, 88, 89, 90, 91, 92, 93, 94,
    95, 96, 97, 98, 99, 78, 61, 60, 59, 58, 57, 56, 55, 54, 53, 52, 51, 50, 49, 48, 47, 46, 45,
    44, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77};

constexpr std::array<std::array<std::uint8_t, 12>, kRingCount> kRings = {{
    {51, N, N, N, N, N, N, N, N, N, N, N},
    {30, 50, 71, 72, 52, 31, N, N, N, N, N, N},
    {8, 29, 49, 70, 91, 92, 93, 73, 53, 32, N, N},
    {7, 28, 48, 69, 90, 109, 94, 74, 54, 33, 9, N},
    {6, 27, 47, 68, 89, 110, 95, 75, 55, 34, 10, 11},
    {5, 26, 46, 67, 88, 108, 111, 112, 56, 35, 12, N},
    {4, 25, 45, 66, 87, 113, 96, 57, 36, 13, N, N},
    {3, 24, 44, 65, 86, 114, 115, 58, 37, 15, 14, N},
    {2, 23, 43, 64, 85, 107, 97, 76, 59, 38, N, N},
    {1, 22, 42, 63, 84, 106, 116, 98, 77, 60, 39, N},
    {0, 21, 105, 117, 99, 78, 61, 40, N, N, N, N},
    {118, 119, 41, N, N, N, N, N, N, N, N, N},
}};

constexpr std::uint8_t X = 255;
constexpr std::array<std::array<std::uint8_t, 6>, kSweepSteps> kSweep = {{
    {0, 118, X, X, X, X}, {1, 117, X, X, X, X}, {2, 116, X, X, X, X},
    {3, 115, 21, 118, X, X}, {4, 114, 22, 99, X, X}, {5, 113, 23, 98, X, X},
    {6, 112, 24, 97, 42, 119}, {7, 111, 25, 96, 43, 78}, {8, 110, 26, 95, 44, 77},
    {9, 109, 27, 94, 45, 76}, {33, 92, 28, 93, 46, X}, {54, 71, 29, 92, 47, X},
    {74, 50, 30, 71, 48, 75}, {94, 30, 31, 50, 49, 74}, {93, 31, 52, 30, 50, 73},
    {92, 32, 72, 31, 51, 72}, {71, 33, 71, 52, 52, 71}, {50, 54, 50, 72, 53, X},
    {30, 74, X, X, X, X}, {31, 94, X, X, X, X},
}};

constexpr std::array<std::array<std::uint8_t, 2>, kShowPairs> kPairs = {{
    {30, 94}, {31, 93}, {32, 92}, {33, 71}, {54, 50}, {74, 30}, {94, 31}, {93, 32},
    {92, 33}, {71, 54}, {50, 74}, {51, 73}, {52, 72}, {53, 51}, {73, 52}, {72, 53},
}};

constexpr std::array<std::uint8_t, 126> kFullColourMap = {
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 16, N, N, N, N, N, 21, 22, 23, 24, 25,
    26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48,
    49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, N, 63, 64, 65, 66, 67, 68, 69, 70, 71,
    72, 73, 74, 76, 80, 81, 82, N, N, N, N, N, 84, 86, 87, 88, 89, 90, 91, 92, 93, 94, 95, 97,
    99, 101, 102, 103, N, N, N, N, N, 105, 106, 107, 108, 109, 110, 111, 113, 119, 120, 121,
    123, 124, 104, 62, N, N, N, N, N, N};

constexpr std::array<std::uint8_t, 126> kSingleColourMap = {
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, N, N, N, N, N, 18, 19, 20, 21, 22,
    23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 53, 35, 71, 89, 36, 37, 38, 39, 40, 41, 42,
    43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 68, 69, 70, N, 54, 55, 56, 57, 58, 59, 60, 61, 62,
    63, 64, 65, 67, 86, 87, 88, N, N, N, N, N, 72, 74, 75, 76, 77, 78, 79, 80, 81, 82, 83, 84,
    85, 103, 104, 105, N, N, N, N, N, 90, 91, 92, 93, 94, 95, 96, 97, 98, 99, 100, 101, 102,
    106, 107, N, N, N, N, N, N};

constexpr std::array<std::uint8_t, 24> kPhaseHead = {
    72, 52, 32, 12, 182, 162, 72, 52, 32, 12, 182, 162,
    120, 100, 80, 60, 40, 20, 92, 82, 72, 62, 52, 42};

constexpr std::array<Rgb, 16> kPaletteHead = {{
    {255, 0, 0}, {255, 96, 0}, {255, 255, 0}, {0, 255, 0}, {0, 255, 255}, {0, 0, 255},
    {128, 0, 255}, {255, 255, 255}, {0, 0, 0}, {0, 0, 160}, {255, 0, 0}, {255, 255, 255},
    {0, 255, 255}, {192, 192, 192}, {0, 0, 255}, {128, 128, 128},
}};

constexpr std::array<std::uint8_t, 10> kSparkleHead = {88, 24, 101, 57, 49, 20, 5, 14, 16, 69};
// clang-format on

// Cells past the given head: each column starts 23 phases on from the one before and falls by
// 10 a row, within 0..192, so neighbouring columns pulse one after the other.
constexpr std::array<std::uint8_t, kGridColumns * kGridRows> makePhases() {
    std::array<std::uint8_t, kGridColumns * kGridRows> t{};
    for (std::size_t i = 0; i < kPhaseHead.size(); ++i) {
        t[i] = kPhaseHead[i];
    }
    for (int c = 4; c < kGridColumns; ++c) {
        for (int r = 0; r < kGridRows; ++r) {
            t[static_cast<std::size_t>(6 * c + r)] =
                static_cast<std::uint8_t>(((92 + 23 * (c - 3) - 10 * r) % 193 + 193) % 193);
        }
    }
    return t;
}

// The given head, then every other index once, in steps of 41 (prime to 104).
constexpr std::array<std::uint8_t, kKeyOrderSize> makeSparkle() {
    std::array<std::uint8_t, kKeyOrderSize> t{};
    std::array<bool, kKeyOrderSize> used{};
    std::size_t n = 0;
    for (std::uint8_t v : kSparkleHead) {
        t[n++] = v;
        used[v] = true;
    }
    for (std::size_t k = 0; n < t.size(); ++k) {
        const std::size_t v = (k * 41 + 7) % kKeyOrderSize;
        if (!used[v]) {
            used[v] = true;
            t[n++] = static_cast<std::uint8_t>(v);
        }
    }
    return t;
}

constexpr auto kPhases = makePhases();
constexpr auto kSparkle = makeSparkle();

std::size_t countUsed(const std::uint8_t* begin, std::size_t size, std::uint8_t none) {
    return static_cast<std::size_t>(std::find(begin, begin + size, none) - begin);
}

}  // namespace

std::uint8_t gridKey(int column, int row) {
    if (column < 0 || column >= kGridColumns || row < 0 || row >= kGridRows) {
        return kNoKey;
    }
    return kGrid[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)];
}

const std::array<std::uint8_t, kKeyOrderSize>& keyOrder() {
    return kOrder;
}

bool inKeyOrder(std::uint8_t key) {
    static const std::array<bool, 256> member = [] {
        std::array<bool, 256> m{};
        for (std::uint8_t k : kOrder) {
            m[k] = true;
        }
        return m;
    }();
    return member[key];
}

const std::array<std::uint8_t, kSnakeSize>& snakePath() {
    static const std::array<std::uint8_t, kSnakeSize> path = [] {
        std::array<std::uint8_t, kSnakeSize> p{};
        std::size_t n = 0;
        auto run = [&](int from, int to) {
            const int step = from <= to ? 1 : -1;
            for (int k = from;; k += step) {
                p[n++] = static_cast<std::uint8_t>(k);
                if (k == to) {
                    break;
                }
            }
        };
        run(0, 15);
        run(41, 21);
        run(42, 61);
        p[n++] = 119;
        run(78, 75);
        p[n++] = kNoKey;
        run(74, 63);
        p[n++] = 84;
        p[n++] = kNoKey;
        run(85, 99);
        run(118, 105);
        p[n++] = 0;
        return p;
    }();
    return path;
}

std::span<const std::uint8_t> ring(int g) {
    const auto& r = kRings[static_cast<std::size_t>(g) % kRings.size()];
    return {r.data(), countUsed(r.data(), r.size(), kNoKey)};
}

std::span<const std::uint8_t> sweepRow(int step) {
    const auto& r = kSweep[static_cast<std::size_t>(step) % kSweep.size()];
    return {r.data(), countUsed(r.data(), r.size(), X)};
}

std::array<std::uint8_t, 2> showPair(int index) {
    return kPairs[static_cast<std::size_t>(index) % kPairs.size()];
}

std::uint8_t phaseAt(int cell) {
    return kPhases[static_cast<std::size_t>(cell) % kPhases.size()];
}

Rgb paletteColour(std::uint8_t index) {
    if (index < kPaletteHead.size()) {
        return kPaletteHead[index];
    }
    return wheel(3 * index);
}

std::uint8_t sparkleAt(int s) {
    return kSparkle[static_cast<std::size_t>(s) % kSparkle.size()];
}

int keyboardFrameDelay(int mode, int speed) {
    static constexpr std::array<int, 4> kPageSpeeds = {13, 27, 37, 45};
    const int m = std::clamp(mode, 0, 16);
    const int s = std::clamp(speed, 0, 14);
    if (s == 0) {
        return m == 0 ? 2 : (m == 4 || m == 7 || m == 12) ? 3 : 9;
    }
    if (s <= 4) {
        return kPageSpeeds[static_cast<std::size_t>(s - 1)];
    }
    if (m == 2 && s == 14) {
        return 63;
    }
    return 29 + 4 * (s - 5);
}

int keyboardExtraDelay(bool singleColour, int mode) {
    if (singleColour) {
        switch (mode) {
            case 3:
                return 80;  // the thread's 40 ms and the tracks' own 40 ms
            case 4:
                return 15;
            case 5:
                return 1;
            case 7:
                return 100;
            default:
                return 0;
        }
    }
    switch (mode) {
        case 1:
            return 20;
        case 4:
            return 12;
        case 5:
            return 40;
        case 6:
            return 15;
        case 7:
            return 1;
        case 13:
            return 10;
        case 15:
            return 50;
        default:
            return 0;
    }
}

std::uint8_t customEntry(bool singleColour, int button) {
    if (button < 0 || button >= static_cast<int>(kFullColourMap.size())) {
        return kNoKey;
    }
    return (singleColour ? kSingleColourMap : kFullColourMap)[static_cast<std::size_t>(button)];
}

}  // namespace quillon::lighting
