#pragma once
// What a profile operation did, for the page to show: the list's entries and selection (the combo
// mirrors ProfileListState), the message to show, the name field and link state of the selected
// profile, and the follow-up work that belongs to the pages and the device (refreshes, device
// writes, the desktop's pointer settings). Model changes, write-pending flags and files are done by
// the operation itself.

#include <optional>
#include <string>
#include <vector>

namespace quillon {

// The entries of one list's combo and its selected position (-1 for none).
struct ProfileListState {
    std::vector<std::string> entries;
    int selected = -1;

    bool hasSelection() const {
        return selected >= 0 && selected < static_cast<int>(entries.size());
    }
};

namespace profile_action {
inline constexpr unsigned kRefreshKeyboardLighting = 1u << 0;  // lighting controls and key page
inline constexpr unsigned kRefreshKeyboardKeys = 1u << 1;      // the key page alone
inline constexpr unsigned kRefreshMousePage = 1u << 2;
inline constexpr unsigned kRefreshMouseButtons = 1u << 3;
inline constexpr unsigned kRefreshMousepadPage = 1u << 4;
// Hide and disable "kb_tab_function" or "ms_tab_function" (the list's device) when shown.
inline constexpr unsigned kHideKeyFunctionPanel = 1u << 5;
// WriteProfileBlock page 0 with key table 0 of the list's device.
inline constexpr unsigned kWriteKeyTable = 1u << 6;
// WriteSettings with bytes 0..37 of mouse profile-table entry 0.
inline constexpr unsigned kSendMouseRecord = 1u << 7;
// Show pointerSpeed on "ms_point_speed_slider" (sliderForPointerSpeed) and apply it.
inline constexpr unsigned kApplyPointerSpeed = 1u << 8;
// Show wheelLines in "ms_gunlun_speed_edit" ("%d") and apply them.
inline constexpr unsigned kApplyWheelLines = 1u << 9;
// Select the button option "ms_key_1" and show its function.
inline constexpr unsigned kSelectFirstMouseButton = 1u << 10;
}  // namespace profile_action

struct ProfileLinkState {
    bool linked = false;
    std::string path;  // " " when not linked
};

struct ProfileOutcome {
    const char* message = nullptr;  // text id for the message box, nullptr for none
    bool entriesChanged = false;    // rebuild the combo from the state's entries
    bool selectionChanged = false;  // select the state's position in the combo, without notifying
    std::optional<std::string> nameField;
    std::optional<ProfileLinkState> link;  // show the selected profile's link state
    unsigned actions = 0;                  // profile_action bits
    int pointerSpeed = 0;                  // with kApplyPointerSpeed
    int wheelLines = 0;                    // with kApplyWheelLines

    bool has(unsigned action) const { return (actions & action) != 0; }
};

}  // namespace quillon
