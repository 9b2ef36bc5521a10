#include "platform/sim/SimKeyTables.h"

#include <algorithm>
#include <array>

#include "platform/sim/SimDefaults.h"
#include "platform/sim/SimKeyboardLayout.h"

namespace quillon {
namespace {

// The mouse's buttons as they leave the factory, keys 0..5.
constexpr std::array<SimKeyFunction, 6> kMouseButtons = {{
    {0x10, 0x01, 0x00},  // left button
    {0x10, 0x04, 0x00},  // middle button
    {0x10, 0x02, 0x00},  // right button
    {0x10, 0x10, 0x00},  // forward
    {0x10, 0x08, 0x00},  // back
    {0x13, 0x03, 0x00},  // DPI cycle
}};

void putKey(std::vector<std::uint8_t>& table, std::size_t key, const SimKeyFunction& function) {
    table[3 * key] = function.type;
    table[3 * key + 1] = function.param1;
    table[3 * key + 2] = function.param2;
}

void copyPage(std::vector<std::uint8_t>& pages, std::size_t page,
              const std::vector<std::uint8_t>& factory) {
    const std::size_t start = page * kSimPageStride;
    const std::size_t count = std::min(factory.size(), pages.size() - start);
    std::copy_n(factory.begin(), count, pages.begin() + static_cast<std::ptrdiff_t>(start));
}

}  // namespace

std::vector<std::uint8_t> simMouseFactoryKeyTable() {
    std::vector<std::uint8_t> table(kSimMouseKeyTableSize, kSimKeyFiller);
    for (std::size_t key = 0; key < kMouseButtons.size(); ++key) {
        putKey(table, key, kMouseButtons[key]);
    }
    table[kSimMouseKeyTableSize - 2] = 0;
    table[kSimMouseKeyTableSize - 1] = 0;
    return table;
}

const std::vector<int>& simKeyboardKeyOrder() {
    static const std::vector<int> order = [] {
        std::vector<int> positions;
        const auto& layout = simKeyboardLayout();
        for (int column = 0; column < kSimLayoutColumns; ++column) {
            for (int row = 0; row < kSimLayoutRows; ++row) {
                const int position = row * kSimLayoutColumns + column;
                if (!isEmptyLayoutPosition(layout[static_cast<std::size_t>(position)])) {
                    positions.push_back(position);
                }
            }
        }
        return positions;
    }();
    return order;
}

int simKeyboardLayoutKeyCount() {
    return static_cast<int>(simKeyboardKeyOrder().size());
}

std::vector<std::uint8_t> simKeyboardFactoryKeyTable(int keyCount) {
    const std::size_t keys =
        static_cast<std::size_t>(std::clamp(keyCount, 0, static_cast<int>(kSimMaxKeyCount)));
    std::vector<std::uint8_t> table(3 * keys, kSimKeyFiller);
    const auto& order = simKeyboardKeyOrder();
    const auto& layout = simKeyboardLayout();
    for (std::size_t key = 0; key < keys && key < order.size(); ++key) {
        putKey(table, key, layout[static_cast<std::size_t>(order[key])]);
    }
    return table;
}

std::vector<std::uint8_t> simDefaultPages(SimKind kind, const std::vector<std::uint8_t>& factory) {
    std::vector<std::uint8_t> pages(kSimPagesSize, 0);
    if (kind == SimKind::Mousepad) {
        return pages;
    }
    // Each copy overwrites the tail of the page before it; the copy made last stays whole.
    if (kind == SimKind::Mouse) {
        for (std::size_t page = 0; page < kSimProfileCount; ++page) {
            copyPage(pages, page, factory);
        }
    } else {
        for (std::size_t page = kSimProfileCount; page-- > 0;) {
            copyPage(pages, page, factory);
        }
    }
    return pages;
}

}  // namespace quillon
