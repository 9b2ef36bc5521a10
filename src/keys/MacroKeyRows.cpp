#include "keys/MacroKeyRows.h"

#include <array>

namespace quillon::keys {
namespace {

static_assert(kMacroKeyRowCount == kKeyboardKeyRows);

// Rows 0..103 of the key code table: a modifier row carries its bit in param1, a key row its usage
// in param2.
std::array<MacroKeyRow, kMacroKeyRowCount> makeRows() {
    std::array<MacroKeyRow, kMacroKeyRowCount> rows{};
    const Catalog table = keyCodeTable();
    for (int i = 0; i < kMacroKeyRowCount; ++i) {
        const CatalogEntry& e = table[static_cast<std::size_t>(i)];
        rows[static_cast<std::size_t>(i)] = {e.code, e.function.param1, e.function.param2,
                                             e.textId};
    }
    return rows;
}

constexpr std::array<MacroButton, 5> kButtons = {{
    {0x01, "mouse_key_left"},
    {0x04, "mouse_key_middle"},
    {0x02, "mouse_key_right"},
    {0x10, "mouse_key_forward"},
    {0x08, "mouse_key_back"},
}};

template <typename Match>
std::optional<int> firstRow(Match match) {
    for (int i = 0; i < kMacroKeyRowCount; ++i) {
        if (match(macroKeyRows()[static_cast<std::size_t>(i)])) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace

std::span<const MacroKeyRow> macroKeyRows() {
    static const std::array<MacroKeyRow, kMacroKeyRowCount> rows = makeRows();
    return rows;
}

std::optional<int> macroKeyRowForVk(std::uint16_t vk) {
    return firstRow([vk](const MacroKeyRow& r) { return r.vk == vk; });
}

std::optional<int> macroKeyRowForModifier(std::uint8_t bit) {
    return firstRow([bit](const MacroKeyRow& r) { return r.modifier == bit; });
}

std::optional<int> macroKeyRowForUsage(std::uint8_t usage) {
    return firstRow([usage](const MacroKeyRow& r) { return r.usage == usage; });
}

std::span<const MacroButton> macroButtons() {
    return kButtons;
}

const char* buttonLabel(std::uint8_t bit) {
    for (const MacroButton& b : kButtons) {
        if (b.bit == bit) {
            return b.label;
        }
    }
    return nullptr;
}

}  // namespace quillon::keys
