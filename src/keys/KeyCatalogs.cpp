#include "keys/KeyCatalogs.h"

#include <array>

namespace quillon::keys {
namespace {

constexpr CatalogEntry kMouseButtons[] = {{0, {0x10, 0x01, 0}, "mouse_key_left"},
                                          {1, {0x10, 0x04, 0}, "mouse_key_middle"},
                                          {2, {0x10, 0x02, 0}, "mouse_key_right"},
                                          {3, {0x10, 0x10, 0}, "mouse_key_forward"},
                                          {4, {0x10, 0x08, 0}, "mouse_key_back"}};
constexpr CatalogEntry kHorizontalSwings[] = {{0, {0x11, 0xFF, 0xFF}, {}},
                                              {1, {0x11, 0xFF, 0x01}, {}}};
constexpr CatalogEntry kVerticalSwings[] = {{0, {0x12, 0x01, 0x01}, {}},
                                            {1, {0x12, 0xFF, 0xFF}, {}}};
constexpr CatalogEntry kDpi[] = {{0, {0x13, 1, 0}, "mouse_key_DPI_add"},
                                 {1, {0x13, 2, 0}, "mouse_key_DPI_sub"},
                                 {2, {0x13, 3, 0}, "mouse_key_DPI_loop"}};
constexpr CatalogEntry kShortcuts[] = {
    {0, {0x20, 0x01, 0x12}, "combo_open"},       {1, {0x20, 0x01, 0x11}, "combo_new"},
    {2, {0x20, 0x01, 0x1D}, "combo_revocation"}, {3, {0x20, 0x01, 0x16}, "combo_save"},
    {4, {0x20, 0x01, 0x06}, "combo_copy"},       {5, {0x20, 0x01, 0x1B}, "combo_cut"},
    {6, {0x20, 0x01, 0x19}, "combo_paste"},      {7, {0x20, 0x01, 0x09}, "combo_finde"},
    {8, {0x20, 0x01, 0x04}, "combo_all"},        {9, {0x20, 0x01, 0x2D}, "combo_narrow"},
    {10, {0x20, 0x01, 0x2E}, "combo_magnify"}};

constexpr CatalogEntry consumer(std::uint16_t code, std::uint16_t usage, std::string_view id) {
    return {code,
            {0x30, static_cast<std::uint8_t>(usage & 0xFF), static_cast<std::uint8_t>(usage >> 8)},
            id};
}

constexpr CatalogEntry kConsumer[] = {
    consumer(0, 0x0183, "media_text"),    consumer(1, 0x00CD, "media_play"),
    consumer(2, 0x00B7, "media_stop"),    consumer(3, 0x00B6, "media_prev"),
    consumer(4, 0x00B5, "media_next"),    consumer(5, 0x00EA, "media_vol_sub"),
    consumer(6, 0x00E9, "media_vol_add"), consumer(7, 0x00E2, "media_mute"),
    consumer(8, 0x0223, "web_text"),      consumer(9, 0x0227, "web_refresh"),
    consumer(10, 0x0226, "wed_stop"),     consumer(11, 0x0224, "wed_back"),
    consumer(12, 0x0225, "wed_forward"),  consumer(13, 0x022A, "wed_favorite"),
    consumer(14, 0x0221, "web_search"),   consumer(15, 0x0194, "media_mypc"),
    consumer(16, 0x0192, "media_calc"),   consumer(17, 0x018A, "media_mail")};
constexpr CatalogEntry kSystem[] = {{0, {0x40, 0x01, 0}, "system_power"},
                                    {1, {0x40, 0x02, 0}, "system_sleep"},
                                    {2, {0x40, 0x04, 0}, "system_wake_up"}};

constexpr CatalogEntry key(std::uint16_t vk, std::uint8_t usage, std::string_view id) {
    return {vk, {0x20, 0x00, usage}, id};
}
constexpr CatalogEntry modifier(std::uint16_t vk, std::uint8_t bit, std::string_view id) {
    return {vk, {0x20, bit, 0x00}, id};
}

constexpr CatalogEntry kKeyCodes[] = {modifier(162, 0x01, "keyboard_key_LCtrl"),
                                      modifier(160, 0x02, "keyboard_key_LShift"),
                                      modifier(164, 0x04, "keyboard_key_LAlt"),
                                      modifier(91, 0x08, "keyboard_key_LWin"),
                                      modifier(163, 0x10, "keyboard_key_RCtrl"),
                                      modifier(161, 0x20, "keyboard_key_RShift"),
                                      modifier(165, 0x40, "keyboard_key_RAlt"),
                                      modifier(92, 0x80, "keyboard_key_RWin"),
                                      key(65, 0x04, "keyboard_key_A"),
                                      key(66, 0x05, "keyboard_key_B"),
                                      key(67, 0x06, "keyboard_key_C"),
                                      key(68, 0x07, "keyboard_key_D"),
                                      key(69, 0x08, "keyboard_key_E"),
                                      key(70, 0x09, "keyboard_key_F"),
                                      key(71, 0x0A, "keyboard_key_G"),
                                      key(72, 0x0B, "keyboard_key_H"),
                                      key(73, 0x0C, "keyboard_key_I"),
                                      key(74, 0x0D, "keyboard_key_J"),
                                      key(75, 0x0E, "keyboard_key_K"),
                                      key(76, 0x0F, "keyboard_key_L"),
                                      key(77, 0x10, "keyboard_key_M"),
                                      key(78, 0x11, "keyboard_key_N"),
                                      key(79, 0x12, "keyboard_key_O"),
                                      key(80, 0x13, "keyboard_key_P"),
                                      key(81, 0x14, "keyboard_key_Q"),
                                      key(82, 0x15, "keyboard_key_R"),
                                      key(83, 0x16, "keyboard_key_S"),
                                      key(84, 0x17, "keyboard_key_T"),
                                      key(85, 0x18, "keyboard_key_U"),
                                      key(86, 0x19, "keyboard_key_V"),
                                      key(87, 0x1A, "keyboard_key_W"),
                                      key(88, 0x1B, "keyboard_key_X"),
                                      key(89, 0x1C, "keyboard_key_Y"),
                                      key(90, 0x1D, "keyboard_key_Z"),
                                      key(49, 0x1E, "keyboard_key_1"),
                                      key(50, 0x1F, "keyboard_key_2"),
                                      key(51, 0x20, "keyboard_key_3"),
                                      key(52, 0x21, "keyboard_key_4"),
                                      key(53, 0x22, "keyboard_key_5"),
                                      key(54, 0x23, "keyboard_key_6"),
                                      key(55, 0x24, "keyboard_key_7"),
                                      key(56, 0x25, "keyboard_key_8"),
                                      key(57, 0x26, "keyboard_key_9"),
                                      key(48, 0x27, "keyboard_key_0"),
                                      key(13, 0x28, "keyboard_key_Enter"),
                                      key(27, 0x29, "keyboard_key_Esc"),
                                      key(8, 0x2A, "keyboard_key_BackSpace"),
                                      key(9, 0x2B, "keyboard_key_Tab"),
                                      key(32, 0x2C, "keyboard_key_Space"),
                                      key(189, 0x2D, "keyboard_key_-"),
                                      key(187, 0x2E, "keyboard_key_="),
                                      key(219, 0x2F, "keyboard_key_["),
                                      key(221, 0x30, "keyboard_key_]"),
                                      key(220, 0x31, "keyboard_key_xiegang"),
                                      key(186, 0x33, "keyboard_key_;"),
                                      key(222, 0x34, "keyboard_key_'"),
                                      key(192, 0x35, "keyboard_key_`"),
                                      key(188, 0x36, "keyboard_key_<"),
                                      key(190, 0x37, "keyboard_key_."),
                                      key(191, 0x38, "keyboard_key_/"),
                                      key(20, 0x39, "keyboard_key_Caplk"),
                                      key(112, 0x3A, "keyboard_key_F1"),
                                      key(113, 0x3B, "keyboard_key_F2"),
                                      key(114, 0x3C, "keyboard_key_F3"),
                                      key(115, 0x3D, "keyboard_key_F4"),
                                      key(116, 0x3E, "keyboard_key_F5"),
                                      key(117, 0x3F, "keyboard_key_F6"),
                                      key(118, 0x40, "keyboard_key_F7"),
                                      key(119, 0x41, "keyboard_key_F8"),
                                      key(120, 0x42, "keyboard_key_F9"),
                                      key(121, 0x43, "keyboard_key_F10"),
                                      key(122, 0x44, "keyboard_key_F11"),
                                      key(123, 0x45, "keyboard_key_F12"),
                                      key(44, 0x46, "keyboard_key_Print Scr"),
                                      key(145, 0x47, "keyboard_key_Scroll Lock"),
                                      key(19, 0x48, "keyboard_key_Pause"),
                                      key(45, 0x49, "keyboard_key_Insert"),
                                      key(36, 0x4A, "keyboard_key_Home"),
                                      key(33, 0x4B, "keyboard_key_Page Up"),
                                      key(46, 0x4C, "keyboard_key_Delete"),
                                      key(35, 0x4D, "keyboard_key_End"),
                                      key(34, 0x4E, "keyboard_key_Page Down"),
                                      key(39, 0x4F, "keyboard_key_Right"),
                                      key(37, 0x50, "keyboard_key_Left"),
                                      key(40, 0x51, "keyboard_key_Down"),
                                      key(38, 0x52, "keyboard_key_Up"),
                                      key(144, 0x53, "keyboard_key_Num Lock"),
                                      key(111, 0x54, "keyboard_key_Num /"),
                                      key(106, 0x55, "keyboard_key_Num *"),
                                      key(109, 0x56, "keyboard_key_Num -"),
                                      key(107, 0x57, "keyboard_key_Num +"),
                                      key(kVkKeypadEnter, 0x58, "keyboard_key_Num Enter"),
                                      key(97, 0x59, "keyboard_key_Num 1"),
                                      key(98, 0x5A, "keyboard_key_Num 2"),
                                      key(99, 0x5B, "keyboard_key_Num 3"),
                                      key(100, 0x5C, "keyboard_key_Num 4"),
                                      key(101, 0x5D, "keyboard_key_Num 5"),
                                      key(102, 0x5E, "keyboard_key_Num 6"),
                                      key(103, 0x5F, "keyboard_key_Num 7"),
                                      key(104, 0x60, "keyboard_key_Num 8"),
                                      key(105, 0x61, "keyboard_key_Num 9"),
                                      key(96, 0x62, "keyboard_key_Num 0"),
                                      key(110, 0x63, "keyboard_key_Decimal"),
                                      key(93, 0x65, "keyboard_key_App"),
                                      consumer(183, 0x0192, "keyboard_key_Launch App2"),
                                      consumer(172, 0x0223, "keyboard_key_Browaer Home"),
                                      consumer(179, 0x00CD, "keyboard_key_Media Play Pause"),
                                      consumer(170, 0x0221, "keyboard_key_Browser Search"),
                                      consumer(180, 0x018A, "keyboard_key_Launch Mail"),
                                      consumer(175, 0x00E9, "keyboard_key_Volume Up"),
                                      consumer(173, 0x00E2, "keyboard_key_Volume Mute"),
                                      consumer(178, 0x00B7, "keyboard_key_Media Stop"),
                                      consumer(174, 0x00EA, "keyboard_key_Volume Down"),
                                      consumer(171, 0x022A, "keyboard_key_Browser Favorites"),
                                      consumer(167, 0x0225, "keyboard_key_Browser ForWard"),
                                      consumer(166, 0x0224, "keyboard_key_Browser Back"),
                                      consumer(177, 0x00B6, "keyboard_key_Media Prev Track"),
                                      consumer(176, 0x00B5, "keyboard_key_Media Next Track"),
                                      consumer(182, 0x0194, "keyboard_key_Computer"),
                                      consumer(168, 0x0227, "keyboard_key_Browser Refresh"),
                                      consumer(181, 0x0183, "keyboard_key_Launch Media Select"),
                                      consumer(181, 0x0183, "keyboard_key_Launch Media Select"),
                                      {kVkPower, {0x40, 0x01, 0}, "keyboard_key_Power"},
                                      {kVkSleep, {0x40, 0x02, 0}, "keyboard_key_Sleep"},
                                      {kVkWake, {0x40, 0x04, 0}, "keyboard_key_Wakeup"}};
static_assert(std::size(kKeyCodes) == kKeyCodeRows);

}  // namespace

Catalog mouseButtonCatalog() {
    return kMouseButtons;
}
Catalog horizontalSwingCatalog() {
    return kHorizontalSwings;
}
Catalog verticalSwingCatalog() {
    return kVerticalSwings;
}
Catalog dpiCatalog() {
    return kDpi;
}
Catalog shortcutCatalog() {
    return kShortcuts;
}
Catalog consumerCatalog() {
    return kConsumer;
}
Catalog systemCatalog() {
    return kSystem;
}
Catalog keyCodeTable() {
    return kKeyCodes;
}

std::optional<int> lookupVirtualKey(std::uint16_t vk) {
    for (std::size_t i = 0; i < std::size(kKeyCodes); ++i) {
        if (kKeyCodes[i].code == vk) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

std::optional<int> catalogPosition(Catalog catalog, KeyFunction f) {
    for (std::size_t i = 0; i < catalog.size(); ++i) {
        const KeyFunction& e = catalog[i].function;
        if (e.param1 == f.param1 && e.param2 == f.param2) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

std::string_view keyNameOf(KeyFunction f) {
    const auto row = catalogPosition(kKeyCodes, f);
    return row ? kKeyCodes[*row].textId : std::string_view{};
}

std::optional<int> capturedKeyRow(std::uint16_t vk, std::uint32_t flags) {
    if (vk == kVkReturn && (flags == 0x01 || flags == 0x81)) {
        vk = kVkKeypadEnter;
    }
    const auto row = lookupVirtualKey(vk);
    if (!row || kKeyCodes[*row].function.type != fn::kKey) {
        return std::nullopt;
    }
    return row;
}

}  // namespace quillon::keys
