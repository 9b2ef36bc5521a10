#pragma once
// How a macro action shows as a row of the action list, and the editor's tables that map the
// mouse action combo and the key combo to actions.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "keys/MacroAction.h"
#include "toolkit/Control.h"

namespace quillon::keys {

inline constexpr const char* kPressMarker = "\u25bc";    // ▼
inline constexpr const char* kReleaseMarker = "\u25b2";  // ▲
inline constexpr int kMouseComboItems = 14;

// The row: the label (translated by `translate`), the direction marker or a move's distance, and
// the delay; the action line rides along as the row's identity.
toolkit::Item actionRow(const MacroAction& action,
                        const std::function<std::string(std::string_view)>& translate);

// The mouse action combo: item c (0..13) as an action with the given delay and distance (moves).
MacroAction mouseComboAction(int c, std::uint16_t delay, std::uint8_t distance);
// The item showing a mouse action, when there is one.
std::optional<int> mouseComboItem(const MacroAction& action);

// The key combo row (0..103) that shows a keyboard action, when there is one.
std::optional<int> keyComboRow(const MacroAction& action);
// The action with its key taken from key combo row r (direction and delay kept).
MacroAction withKeyRow(const MacroAction& action, int r);
// The action with its direction set (1 press, 0 release).
MacroAction withDirection(const MacroAction& action, int pressed);

}  // namespace quillon::keys
