#include "keys/MacroRows.h"

#include <algorithm>
#include <array>

#include "keys/MacroKeyRows.h"

namespace quillon::keys {
namespace {

struct MouseItem {
    std::uint8_t kind;
    std::uint8_t code;  // buttons; moves take the distance
    const char* label;
};

constexpr std::array<MouseItem, kMouseComboItems> kMouseItems = {{
    {0x81, 0x01, "mouse_key_left"},
    {0x01, 0x01, "mouse_key_left"},
    {0x81, 0x02, "mouse_key_right"},
    {0x01, 0x02, "mouse_key_right"},
    {0x81, 0x04, "mouse_key_middle"},
    {0x01, 0x04, "mouse_key_middle"},
    {0x81, 0x10, "mouse_key_forward"},
    {0x01, 0x10, "mouse_key_forward"},
    {0x81, 0x08, "mouse_key_back"},
    {0x01, 0x08, "mouse_key_back"},
    {0x84, 0, "mouse_move_to_left_text"},
    {0x04, 0, "mouse_move_to_right_text"},
    {0x85, 0, "mouse_move_to_up_text"},
    {0x05, 0, "mouse_move_to_down_text"},
}};

constexpr int kFirstMove = 10;

}  // namespace

toolkit::Item actionRow(const MacroAction& action,
                        const std::function<std::string(std::string_view)>& translate) {
    toolkit::Item row;
    const std::string second = action.isMove() ? std::to_string(action.code)
                                               : (action.pressed ? kPressMarker : kReleaseMarker);
    row.text = translate(action.label) + "   " + second + "   " + std::to_string(action.delay);
    row.id = formatActionLine(action);
    row.height = 30;
    row.style = action.isMouse() ? "macro_label_mouse_style" : "macro_label_keyboard_style";
    return row;
}

MacroAction mouseComboAction(int c, std::uint16_t delay, std::uint8_t distance) {
    const MouseItem& item = kMouseItems[static_cast<std::size_t>(std::clamp(c, 0, 13))];
    return makeAction(delay, item.kind, c >= kFirstMove ? distance : item.code, item.label);
}

std::optional<int> mouseComboItem(const MacroAction& action) {
    for (int c = 0; c < kMouseComboItems; ++c) {
        const MouseItem& item = kMouseItems[static_cast<std::size_t>(c)];
        if (item.kind == action.kind && (c >= kFirstMove || item.code == action.code)) {
            return c;
        }
    }
    return std::nullopt;
}

std::optional<int> keyComboRow(const MacroAction& action) {
    if (action.baseKind() == kActionKey) {
        return macroKeyRowForUsage(action.code);
    }
    if (action.baseKind() == kActionModifier) {
        return macroKeyRowForModifier(action.code);
    }
    return std::nullopt;
}

MacroAction withKeyRow(const MacroAction& action, int r) {
    const auto rows = macroKeyRows();
    if (r < 0 || r >= static_cast<int>(rows.size())) {
        return action;
    }
    const MacroKeyRow& row = rows[static_cast<std::size_t>(r)];
    MacroAction changed = action;
    changed.label = std::string(row.textId);
    const std::uint8_t direction = action.pressed ? kActionDirectionBit : 0;
    if (row.usage != 0) {
        changed.code = row.usage;
        changed.kind = direction | kActionKey;
    } else if (row.modifier != 0) {
        changed.code = row.modifier;
        changed.kind = direction | kActionModifier;
    }
    return changed;
}

MacroAction withDirection(const MacroAction& action, int pressed) {
    MacroAction changed = action;
    changed.pressed = pressed ? 1 : 0;
    changed.kind =
        static_cast<std::uint8_t>((action.kind & 0x7F) | (pressed ? kActionDirectionBit : 0));
    return changed;
}

}  // namespace quillon::keys
