#include "keys/MacroKeyRows.h"

#include <array>

namespace quillon::keys {
namespace {

constexpr std::array<MacroKeyRow, kMacroKeyRowCount> kRows = {{
    {162, 0x01, 0x00, "keyboard_key_LCtrl"},
    {160, 0x02, 0x00, "keyboard_key_LShift"},
    {164, 0x04, 0x00, "keyboard_key_LAlt"},
    {91, 0x08, 0x00, "keyboard_key_LWin"},
    {163, 0x10, 0x00, "keyboard_key_RCtrl"},
    {161, 0x20, 0x00, "keyboard_key_RShift"},
    {165, 0x40, 0x00, "keyboard_key_RAlt"},
    {92, 0x80, 0x00, "keyboard_key_RWin"},
    {65, 0x00, 0x04, "keyboard_key_A"},
    {66, 0x00, 0x05, "keyboard_key_B"},
    {67, 0x00, 0x06, "keyboard_key_C"},
    {68, 0x00, 0x07, "keyboard_key_D"},
    {69, 0x00, 0x08, "keyboard_key_E"},
    {70, 0x00, 0x09, "keyboard_key_F"},
    {71, 0x00, 0x0A, "keyboard_key_G"},
    {72, 0x00, 0x0B, "keyboard_key_H"},
    {73, 0x00, 0x0C, "keyboard_key_I"},
    {74, 0x00, 0x0D, "keyboard_key_J"},
    {75, 0x00, 0x0E, "keyboard_key_K"},
    {76, 0x00, 0x0F, "keyboard_key_L"},
    {77, 0x00, 0x10, "keyboard_key_M"},
    {78, 0x00, 0x11, "keyboard_key_N"},
    {79, 0x00, 0x12, "keyboard_key_O"},
    {80, 0x00, 0x13, "keyboard_key_P"},
    {81, 0x00, 0x14, "keyboard_key_Q"},
    {82, 0x00, 0x15, "keyboard_key_R"},
    {83, 0x00, 0x16, "keyboard_key_S"},
    {84, 0x00, 0x17, "keyboard_key_T"},
    {85, 0x00, 0x18, "keyboard_key_U"},
    {86, 0x00, 0x19, "keyboard_key_V"},
    {87, 0x00, 0x1A, "keyboard_key_W"},
    {88, 0x00, 0x1B, "keyboard_key_X"},
    {89, 0x00, 0x1C, "keyboard_key_Y"},
    {90, 0x00, 0x1D, "keyboard_key_Z"},
    {49, 0x00, 0x1E, "keyboard_key_1"},
    {50, 0x00, 0x1F, "keyboard_key_2"},
    {51, 0x00, 0x20, "keyboard_key_3"},
    {52, 0x00, 0x21, "keyboard_key_4"},
    {53, 0x00, 0x22, "keyboard_key_5"},
    {54, 0x00, 0x23, "keyboard_key_6"},
    {55, 0x00, 0x24, "keyboard_key_7"},
    {56, 0x00, 0x25, "keyboard_key_8"},
    {57, 0x00, 0x26, "keyboard_key_9"},
    {48, 0x00, 0x27, "keyboard_key_0"},
    {13, 0x00, 0x28, "keyboard_key_Enter"},
    {27, 0x00, 0x29, "keyboard_key_Esc"},
    {8, 0x00, 0x2A, "keyboard_key_BackSpace"},
    {9, 0x00, 0x2B, "keyboard_key_Tab"},
    {32, 0x00, 0x2C, "keyboard_key_Space"},
    {189, 0x00, 0x2D, "keyboard_key_-"},
    {187, 0x00, 0x2E, "keyboard_key_="},
    {219, 0x00, 0x2F, "keyboard_key_["},
    {221, 0x00, 0x30, "keyboard_key_]"},
    {220, 0x00, 0x31, "keyboard_key_xiegang"},
    {186, 0x00, 0x33, "keyboard_key_;"},
    {222, 0x00, 0x34, "keyboard_key_'"},
    {192, 0x00, 0x35, "keyboard_key_`"},
    {188, 0x00, 0x36, "keyboard_key_<"},
    {190, 0x00, 0x37, "keyboard_key_."},
    {191, 0x00, 0x38, "keyboard_key_/"},
    {20, 0x00, 0x39, "keyboard_key_Caplk"},
    {112, 0x00, 0x3A, "keyboard_key_F1"},
    {113, 0x00, 0x3B, "keyboard_key_F2"},
    {114, 0x00, 0x3C, "keyboard_key_F3"},
    {115, 0x00, 0x3D, "keyboard_key_F4"},
    {116, 0x00, 0x3E, "keyboard_key_F5"},
    {117, 0x00, 0x3F, "keyboard_key_F6"},
    {118, 0x00, 0x40, "keyboard_key_F7"},
    {119, 0x00, 0x41, "keyboard_key_F8"},
    {120, 0x00, 0x42, "keyboard_key_F9"},
    {121, 0x00, 0x43, "keyboard_key_F10"},
    {122, 0x00, 0x44, "keyboard_key_F11"},
    {123, 0x00, 0x45, "keyboard_key_F12"},
    {44, 0x00, 0x46, "keyboard_key_Print Scr"},
    {145, 0x00, 0x47, "keyboard_key_Scroll Lock"},
    {19, 0x00, 0x48, "keyboard_key_Pause"},
    {45, 0x00, 0x49, "keyboard_key_Insert"},
    {36, 0x00, 0x4A, "keyboard_key_Home"},
    {33, 0x00, 0x4B, "keyboard_key_Page Up"},
    {46, 0x00, 0x4C, "keyboard_key_Delete"},
    {35, 0x00, 0x4D, "keyboard_key_End"},
    {34, 0x00, 0x4E, "keyboard_key_Page Down"},
    {39, 0x00, 0x4F, "keyboard_key_Right"},
    {37, 0x00, 0x50, "keyboard_key_Left"},
    {40, 0x00, 0x51, "keyboard_key_Down"},
    {38, 0x00, 0x52, "keyboard_key_Up"},
    {144, 0x00, 0x53, "keyboard_key_Num Lock"},
    {111, 0x00, 0x54, "keyboard_key_Num /"},
    {106, 0x00, 0x55, "keyboard_key_Num *"},
    {109, 0x00, 0x56, "keyboard_key_Num -"},
    {107, 0x00, 0x57, "keyboard_key_Num +"},
    {257, 0x00, 0x58, "keyboard_key_Num Enter"},
    {97, 0x00, 0x59, "keyboard_key_Num 1"},
    {98, 0x00, 0x5A, "keyboard_key_Num 2"},
    {99, 0x00, 0x5B, "keyboard_key_Num 3"},
    {100, 0x00, 0x5C, "keyboard_key_Num 4"},
    {101, 0x00, 0x5D, "keyboard_key_Num 5"},
    {102, 0x00, 0x5E, "keyboard_key_Num 6"},
    {103, 0x00, 0x5F, "keyboard_key_Num 7"},
    {104, 0x00, 0x60, "keyboard_key_Num 8"},
    {105, 0x00, 0x61, "keyboard_key_Num 9"},
    {96, 0x00, 0x62, "keyboard_key_Num 0"},
    {110, 0x00, 0x63, "keyboard_key_Decimal"},
    {93, 0x00, 0x65, "keyboard_key_App"},
}};

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
        if (match(kRows[i])) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace

std::span<const MacroKeyRow> macroKeyRows() {
    return kRows;
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
