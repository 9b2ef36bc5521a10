// The key code table and the catalogs, row by row, against the tables the device's functions are
// defined by; written here as ranges so that a slip in one literal row of the code shows.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "keys/KeyCatalogs.h"

namespace quillon::keys {
namespace {

struct Expected {
    int vk;
    KeyFunction f;
    std::string id;
};

std::vector<Expected> expectedKeyCodeTable() {
    std::vector<Expected> rows;
    const int modifierVk[] = {162, 160, 164, 91, 163, 161, 165, 92};
    const char* modifierIds[] = {"LCtrl", "LShift", "LAlt", "LWin",
                                 "RCtrl", "RShift", "RAlt", "RWin"};
    for (int i = 0; i < 8; ++i) {
        rows.push_back({modifierVk[i],
                        {0x20, static_cast<std::uint8_t>(1 << i), 0},
                        std::string("keyboard_key_") + modifierIds[i]});
    }
    for (int i = 0; i < 26; ++i) {
        rows.push_back({65 + i,
                        {0x20, 0, static_cast<std::uint8_t>(0x04 + i)},
                        std::string("keyboard_key_") + static_cast<char>('A' + i)});
    }
    for (int i = 0; i < 10; ++i) {
        const int digit = (i + 1) % 10;
        rows.push_back({48 + digit,
                        {0x20, 0, static_cast<std::uint8_t>(0x1E + i)},
                        "keyboard_key_" + std::to_string(digit)});
    }
    auto usages = [&rows](std::initializer_list<int> vks, int firstUsage,
                          std::initializer_list<const char*> ids, std::vector<int> skip = {}) {
        int usage = firstUsage;
        auto id = ids.begin();
        for (int vk : vks) {
            while (std::find(skip.begin(), skip.end(), usage) != skip.end()) {
                ++usage;
            }
            rows.push_back({vk,
                            {0x20, 0, static_cast<std::uint8_t>(usage++)},
                            std::string("keyboard_key_") + *id++});
        }
    };
    usages({13, 27, 8, 9, 32}, 0x28, {"Enter", "Esc", "BackSpace", "Tab", "Space"});
    usages({189, 187, 219, 221, 220}, 0x2D, {"-", "=", "[", "]", "xiegang"});
    usages({186, 222, 192, 188, 190, 191}, 0x33, {";", "'", "`", "<", ".", "/"});
    usages({20}, 0x39, {"Caplk"});
    for (int i = 0; i < 12; ++i) {
        rows.push_back({112 + i,
                        {0x20, 0, static_cast<std::uint8_t>(0x3A + i)},
                        "keyboard_key_F" + std::to_string(i + 1)});
    }
    usages({44, 145, 19}, 0x46, {"Print Scr", "Scroll Lock", "Pause"});
    usages({45, 36, 33, 46, 35, 34}, 0x49,
           {"Insert", "Home", "Page Up", "Delete", "End", "Page Down"});
    usages({39, 37, 40, 38}, 0x4F, {"Right", "Left", "Down", "Up"});
    usages({144, 111, 106, 109, 107, 257}, 0x53,
           {"Num Lock", "Num /", "Num *", "Num -", "Num +", "Num Enter"});
    for (int i = 0; i < 10; ++i) {
        const int digit = (i + 1) % 10;
        rows.push_back({96 + digit,
                        {0x20, 0, static_cast<std::uint8_t>(0x59 + i)},
                        "keyboard_key_Num " + std::to_string(digit)});
    }
    usages({110, 93}, 0x63, {"Decimal", "App"}, {0x64});
    const struct {
        int vk;
        int usage;
        const char* id;
    } consumer[] = {{183, 0x0192, "Launch App2"},
                    {172, 0x0223, "Browaer Home"},
                    {179, 0x00CD, "Media Play Pause"},
                    {170, 0x0221, "Browser Search"},
                    {180, 0x018A, "Launch Mail"},
                    {175, 0x00E9, "Volume Up"},
                    {173, 0x00E2, "Volume Mute"},
                    {178, 0x00B7, "Media Stop"},
                    {174, 0x00EA, "Volume Down"},
                    {171, 0x022A, "Browser Favorites"},
                    {167, 0x0225, "Browser ForWard"},
                    {166, 0x0224, "Browser Back"},
                    {177, 0x00B6, "Media Prev Track"},
                    {176, 0x00B5, "Media Next Track"},
                    {182, 0x0194, "Computer"},
                    {168, 0x0227, "Browser Refresh"},
                    {181, 0x0183, "Launch Media Select"},
                    {181, 0x0183, "Launch Media Select"}};
    for (const auto& c : consumer) {
        rows.push_back({c.vk,
                        {0x30, static_cast<std::uint8_t>(c.usage & 0xFF),
                         static_cast<std::uint8_t>(c.usage >> 8)},
                        std::string("keyboard_key_") + c.id});
    }
    rows.push_back({259, {0x40, 0x01, 0}, "keyboard_key_Power"});
    rows.push_back({260, {0x40, 0x02, 0}, "keyboard_key_Sleep"});
    rows.push_back({261, {0x40, 0x04, 0}, "keyboard_key_Wakeup"});
    return rows;
}

TEST(KeyCodeTable, EveryRowHasItsCodeFunctionAndName) {
    const auto expected = expectedKeyCodeTable();
    const Catalog table = keyCodeTable();
    ASSERT_EQ(expected.size(), 125u);
    ASSERT_EQ(table.size(), 125u);
    for (std::size_t i = 0; i < table.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        EXPECT_EQ(table[i].code, expected[i].vk);
        EXPECT_EQ(table[i].function, expected[i].f);
        EXPECT_EQ(table[i].textId, expected[i].id);
    }
}

TEST(KeyCodeTable, KeyboardRowsAreTheFirst104AndOnlyThoseAreKeys) {
    const Catalog table = keyCodeTable();
    for (int i = 0; i < kKeyCodeRows; ++i) {
        EXPECT_EQ(table[i].function.type == 0x20, i < kKeyboardKeyRows) << "row " << i;
    }
}

TEST(LookupVirtualKey, FindsTheFirstRowAndNothingForUnknownCodes) {
    EXPECT_EQ(lookupVirtualKey(181), 120);  // row 121 repeats it and is never found
    EXPECT_EQ(lookupVirtualKey(162), 0);
    EXPECT_EQ(lookupVirtualKey(257), 91);
    EXPECT_EQ(lookupVirtualKey(13), 44);
    EXPECT_EQ(lookupVirtualKey(261), 124);
    EXPECT_FALSE(lookupVirtualKey(0).has_value());
    EXPECT_FALSE(lookupVirtualKey(255).has_value());
    EXPECT_FALSE(lookupVirtualKey(0xFFFF).has_value());
}

TEST(CapturedKey, KeypadEnterIsReturnWithTheExtendedFlag) {
    EXPECT_EQ(capturedKeyRow(13, 0x01), 91);
    EXPECT_EQ(capturedKeyRow(13, 0x81), 91);
    EXPECT_EQ(capturedKeyRow(13, 0x00), 44);
    EXPECT_EQ(capturedKeyRow(13, 0x80), 44);
    EXPECT_EQ(capturedKeyRow(13, 0x11), 44);  // other flag sets are plain Enter
}

TEST(CapturedKey, OnlyKeyboardKeysAreAccepted) {
    EXPECT_FALSE(capturedKeyRow(175, 0).has_value());  // Volume Up
    EXPECT_FALSE(capturedKeyRow(259, 0).has_value());  // Power
    EXPECT_FALSE(capturedKeyRow(7, 0).has_value());    // no row
    EXPECT_EQ(capturedKeyRow(65, 0), 8);
    EXPECT_EQ(keyCodeTable()[*capturedKeyRow(65, 0)].function, (KeyFunction{0x20, 0, 0x04}));
}

TEST(Catalogs, EntriesInComboOrderWithTheirLabels) {
    auto check = [](Catalog c, std::vector<KeyFunction> fs, std::vector<std::string> ids) {
        ASSERT_EQ(c.size(), fs.size());
        for (std::size_t i = 0; i < c.size(); ++i) {
            EXPECT_EQ(c[i].code, i);
            EXPECT_EQ(c[i].function, fs[i]) << "entry " << i;
            if (!ids.empty()) {
                EXPECT_EQ(c[i].textId, ids[i]);
            }
        }
    };
    check(mouseButtonCatalog(),
          {{0x10, 1, 0}, {0x10, 4, 0}, {0x10, 2, 0}, {0x10, 0x10, 0}, {0x10, 8, 0}},
          {"mouse_key_left", "mouse_key_middle", "mouse_key_right", "mouse_key_forward",
           "mouse_key_back"});
    check(horizontalSwingCatalog(), {{0x11, 0xFF, 0xFF}, {0x11, 0xFF, 0x01}}, {});
    check(verticalSwingCatalog(), {{0x12, 0x01, 0x01}, {0x12, 0xFF, 0xFF}}, {});
    check(dpiCatalog(), {{0x13, 1, 0}, {0x13, 2, 0}, {0x13, 3, 0}},
          {"mouse_key_DPI_add", "mouse_key_DPI_sub", "mouse_key_DPI_loop"});
    const std::uint8_t shortcutUsages[] = {0x12, 0x11, 0x1D, 0x16, 0x06, 0x1B,
                                           0x19, 0x09, 0x04, 0x2D, 0x2E};
    std::vector<KeyFunction> shortcuts;
    for (std::uint8_t usage : shortcutUsages) {
        shortcuts.push_back({0x20, 0x01, usage});
    }
    check(shortcutCatalog(), shortcuts,
          {"combo_open", "combo_new", "combo_revocation", "combo_save", "combo_copy", "combo_cut",
           "combo_paste", "combo_finde", "combo_all", "combo_narrow", "combo_magnify"});
    const int consumerUsages[] = {0x0183, 0x00CD, 0x00B7, 0x00B6, 0x00B5, 0x00EA,
                                  0x00E9, 0x00E2, 0x0223, 0x0227, 0x0226, 0x0224,
                                  0x0225, 0x022A, 0x0221, 0x0194, 0x0192, 0x018A};
    std::vector<KeyFunction> consumer;
    for (int usage : consumerUsages) {
        consumer.push_back(
            {0x30, static_cast<std::uint8_t>(usage & 0xFF), static_cast<std::uint8_t>(usage >> 8)});
    }
    check(consumerCatalog(), consumer,
          {"media_text", "media_play", "media_stop", "media_prev", "media_next", "media_vol_sub",
           "media_vol_add", "media_mute", "web_text", "web_refresh", "wed_stop", "wed_back",
           "wed_forward", "wed_favorite", "web_search", "media_mypc", "media_calc", "media_mail"});
    check(systemCatalog(), {{0x40, 1, 0}, {0x40, 2, 0}, {0x40, 4, 0}},
          {"system_power", "system_sleep", "system_wake_up"});
}

TEST(CatalogPosition, ComparesParametersNotTheType) {
    EXPECT_EQ(catalogPosition(consumerCatalog(), {0x21, 0x83, 0x01}), 0);
    EXPECT_EQ(catalogPosition(dpiCatalog(), {0x99, 3, 0}), 2);
    EXPECT_EQ(catalogPosition(shortcutCatalog(), {0x20, 0x01, 0x2E}), 10);
    EXPECT_FALSE(catalogPosition(systemCatalog(), {0x40, 0x08, 0}).has_value());
    EXPECT_FALSE(catalogPosition(mouseButtonCatalog(), {0x10, 0x01, 0x01}).has_value());
}

TEST(KeyNameOf, FirstRowWithTheSameParameters) {
    EXPECT_EQ(keyNameOf({0x20, 0x00, 0x58}), "keyboard_key_Num Enter");
    EXPECT_EQ(keyNameOf({0x20, 0x40, 0x00}), "keyboard_key_RAlt");
    EXPECT_EQ(keyNameOf({0x20, 0x00, 0x32}), "");
    EXPECT_EQ(keyNameOf({0xA0, 0x02, 0x02}), "");
}

}  // namespace
}  // namespace quillon::keys
