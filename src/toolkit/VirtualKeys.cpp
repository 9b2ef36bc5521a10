#include "toolkit/VirtualKeys.h"

#include <algorithm>
#include <array>

namespace quillon::toolkit {
namespace {

// One key: its evdev code (the kernel's KEY_ name in the comment), its virtual-key code and
// whether Windows marks it extended. Sorted by evdev code.
struct Row {
    std::uint16_t evdev;
    std::uint16_t vk;
    bool extended;
};

constexpr bool E = true;   // extended
constexpr bool N = false;  // not extended

constexpr Row kRows[] = {
    {1, 0x1B, N},    // ESC
    {2, 0x31, N},    // 1
    {3, 0x32, N},    // 2
    {4, 0x33, N},    // 3
    {5, 0x34, N},    // 4
    {6, 0x35, N},    // 5
    {7, 0x36, N},    // 6
    {8, 0x37, N},    // 7
    {9, 0x38, N},    // 8
    {10, 0x39, N},   // 9
    {11, 0x30, N},   // 0
    {12, 0xBD, N},   // MINUS: VK_OEM_MINUS
    {13, 0xBB, N},   // EQUAL: VK_OEM_PLUS
    {14, 0x08, N},   // BACKSPACE
    {15, 0x09, N},   // TAB
    {16, 0x51, N},   // Q
    {17, 0x57, N},   // W
    {18, 0x45, N},   // E
    {19, 0x52, N},   // R
    {20, 0x54, N},   // T
    {21, 0x59, N},   // Y
    {22, 0x55, N},   // U
    {23, 0x49, N},   // I
    {24, 0x4F, N},   // O
    {25, 0x50, N},   // P
    {26, 0xDB, N},   // LEFTBRACE: VK_OEM_4
    {27, 0xDD, N},   // RIGHTBRACE: VK_OEM_6
    {28, 0x0D, N},   // ENTER
    {29, 0xA2, N},   // LEFTCTRL: VK_LCONTROL
    {30, 0x41, N},   // A
    {31, 0x53, N},   // S
    {32, 0x44, N},   // D
    {33, 0x46, N},   // F
    {34, 0x47, N},   // G
    {35, 0x48, N},   // H
    {36, 0x4A, N},   // J
    {37, 0x4B, N},   // K
    {38, 0x4C, N},   // L
    {39, 0xBA, N},   // SEMICOLON: VK_OEM_1
    {40, 0xDE, N},   // APOSTROPHE: VK_OEM_7
    {41, 0xC0, N},   // GRAVE: VK_OEM_3
    {42, 0xA0, N},   // LEFTSHIFT: VK_LSHIFT
    {43, 0xDC, N},   // BACKSLASH (also the ISO "#" key): VK_OEM_5
    {44, 0x5A, N},   // Z
    {45, 0x58, N},   // X
    {46, 0x43, N},   // C
    {47, 0x56, N},   // V
    {48, 0x42, N},   // B
    {49, 0x4E, N},   // N
    {50, 0x4D, N},   // M
    {51, 0xBC, N},   // COMMA: VK_OEM_COMMA
    {52, 0xBE, N},   // DOT: VK_OEM_PERIOD
    {53, 0xBF, N},   // SLASH: VK_OEM_2
    {54, 0xA1, N},   // RIGHTSHIFT: VK_RSHIFT
    {55, 0x6A, N},   // KPASTERISK: VK_MULTIPLY
    {56, 0xA4, N},   // LEFTALT: VK_LMENU
    {57, 0x20, N},   // SPACE
    {58, 0x14, N},   // CAPSLOCK
    {59, 0x70, N},   // F1
    {60, 0x71, N},   // F2
    {61, 0x72, N},   // F3
    {62, 0x73, N},   // F4
    {63, 0x74, N},   // F5
    {64, 0x75, N},   // F6
    {65, 0x76, N},   // F7
    {66, 0x77, N},   // F8
    {67, 0x78, N},   // F9
    {68, 0x79, N},   // F10
    {69, 0x90, E},   // NUMLOCK
    {70, 0x91, N},   // SCROLLLOCK
    {71, 0x67, N},   // KP7: VK_NUMPAD7
    {72, 0x68, N},   // KP8
    {73, 0x69, N},   // KP9
    {74, 0x6D, N},   // KPMINUS: VK_SUBTRACT
    {75, 0x64, N},   // KP4
    {76, 0x65, N},   // KP5
    {77, 0x66, N},   // KP6
    {78, 0x6B, N},   // KPPLUS: VK_ADD
    {79, 0x61, N},   // KP1
    {80, 0x62, N},   // KP2
    {81, 0x63, N},   // KP3
    {82, 0x60, N},   // KP0
    {83, 0x6E, N},   // KPDOT: VK_DECIMAL
    {85, 0xF3, N},   // ZENKAKUHANKAKU: VK_OEM_AUTO
    {86, 0xE2, N},   // 102ND (the ISO key left of Z): VK_OEM_102
    {87, 0x7A, N},   // F11
    {88, 0x7B, N},   // F12
    {89, 0xC1, N},   // RO (Japanese): VK_ABNT_C1
    {90, 0x15, N},   // KATAKANA: VK_KANA
    {92, 0x1C, N},   // HENKAN: VK_CONVERT
    {93, 0x15, N},   // KATAKANAHIRAGANA: VK_KANA
    {94, 0x1D, N},   // MUHENKAN: VK_NONCONVERT
    {95, 0xC2, N},   // KPJPCOMMA: VK_ABNT_C2
    {96, 0x0D, E},   // KPENTER: VK_RETURN, extended
    {97, 0xA3, E},   // RIGHTCTRL: VK_RCONTROL
    {98, 0x6F, E},   // KPSLASH: VK_DIVIDE
    {99, 0x2C, E},   // SYSRQ (Print Screen): VK_SNAPSHOT
    {100, 0xA5, E},  // RIGHTALT: VK_RMENU
    {102, 0x24, E},  // HOME
    {103, 0x26, E},  // UP
    {104, 0x21, E},  // PAGEUP: VK_PRIOR
    {105, 0x25, E},  // LEFT
    {106, 0x27, E},  // RIGHT
    {107, 0x23, E},  // END
    {108, 0x28, E},  // DOWN
    {109, 0x22, E},  // PAGEDOWN: VK_NEXT
    {110, 0x2D, E},  // INSERT
    {111, 0x2E, E},  // DELETE
    {113, 0xAD, E},  // MUTE: VK_VOLUME_MUTE
    {114, 0xAE, E},  // VOLUMEDOWN
    {115, 0xAF, E},  // VOLUMEUP
    {117, 0x92, N},  // KPEQUAL: VK_OEM_NEC_EQUAL
    {119, 0x13, N},  // PAUSE
    {121, 0x6C, N},  // KPCOMMA: VK_SEPARATOR
    {122, 0x15, N},  // HANGEUL: VK_HANGUL
    {123, 0x19, N},  // HANJA
    {124, 0xDC, N},  // YEN: VK_OEM_5
    {125, 0x5B, E},  // LEFTMETA: VK_LWIN
    {126, 0x5C, E},  // RIGHTMETA: VK_RWIN
    {127, 0x5D, E},  // COMPOSE (the menu key): VK_APPS
    {128, 0xA9, E},  // STOP: VK_BROWSER_STOP
    {138, 0x2F, N},  // HELP
    {139, 0x5D, E},  // MENU: VK_APPS
    {140, 0xB7, E},  // CALC: VK_LAUNCH_APP2
    {142, 0x5F, E},  // SLEEP: VK_SLEEP
    {155, 0xB4, E},  // MAIL: VK_LAUNCH_MAIL
    {156, 0xAB, E},  // BOOKMARKS: VK_BROWSER_FAVORITES
    {157, 0xB6, E},  // COMPUTER: VK_LAUNCH_APP1
    {158, 0xA6, E},  // BACK: VK_BROWSER_BACK
    {159, 0xA7, E},  // FORWARD: VK_BROWSER_FORWARD
    {163, 0xB0, E},  // NEXTSONG: VK_MEDIA_NEXT_TRACK
    {164, 0xB3, E},  // PLAYPAUSE: VK_MEDIA_PLAY_PAUSE
    {165, 0xB1, E},  // PREVIOUSSONG: VK_MEDIA_PREV_TRACK
    {166, 0xB2, E},  // STOPCD: VK_MEDIA_STOP
    {171, 0xB5, E},  // CONFIG (media select): VK_LAUNCH_MEDIA_SELECT
    {172, 0xAC, E},  // HOMEPAGE: VK_BROWSER_HOME
    {173, 0xA8, E},  // REFRESH: VK_BROWSER_REFRESH
    {183, 0x7C, N},  // F13
    {184, 0x7D, N},  // F14
    {185, 0x7E, N},  // F15
    {186, 0x7F, N},  // F16
    {187, 0x80, N},  // F17
    {188, 0x81, N},  // F18
    {189, 0x82, N},  // F19
    {190, 0x83, N},  // F20
    {191, 0x84, N},  // F21
    {192, 0x85, N},  // F22
    {193, 0x86, N},  // F23
    {194, 0x87, N},  // F24
    {200, 0xFA, N},  // PLAYCD: VK_PLAY
    {210, 0x2A, N},  // PRINT: VK_PRINT
    {217, 0xAA, E},  // SEARCH: VK_BROWSER_SEARCH
    {226, 0xB5, E},  // MEDIA: VK_LAUNCH_MEDIA_SELECT
};

constexpr bool sortedByCode() {
    for (std::size_t i = 1; i < std::size(kRows); ++i) {
        if (kRows[i - 1].evdev >= kRows[i].evdev) {
            return false;
        }
    }
    return true;
}
static_assert(sortedByCode(), "rows must be sorted by evdev code without repeats");

}  // namespace

std::optional<VirtualKey> virtualKeyFromEvdev(std::uint32_t evdevCode) {
    const Row* end = std::end(kRows);
    const Row* row =
        std::lower_bound(std::begin(kRows), end, evdevCode,
                         [](const Row& r, std::uint32_t code) { return r.evdev < code; });
    if (row == end || row->evdev != evdevCode) {
        return std::nullopt;
    }
    return VirtualKey{row->vk, row->extended};
}

std::optional<KeyEvent> keyEventFromEvdev(std::uint32_t evdevCode, bool down, std::uint32_t time) {
    const std::optional<VirtualKey> key = virtualKeyFromEvdev(evdevCode);
    if (!key) {
        return std::nullopt;
    }
    KeyEvent event;
    event.vk = key->vk;
    event.scanCode = evdevCode;
    event.flags = (key->extended ? kKeyFlagExtended : 0) | (down ? 0 : kKeyFlagUp);
    event.time = time;
    return event;
}

}  // namespace quillon::toolkit
