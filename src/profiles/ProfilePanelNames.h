#pragma once
// The names of the controls that make up one list's profile panel, and of each device's profile
// area. They follow one pattern: the device prefix ("kb", "ms", "mp"), the list's word ("device",
// "key", "deng") and the control's role.

#include <string>

#include "device/DeviceKind.h"
#include "profiles/ProfileList.h"

namespace quillon {

struct ProfilePanelNames {
    std::string combo;            // "ms_device_profile_combo"
    std::string add;              // "ms_pro_device_add_btn"
    std::string remove;           // "ms_pro_device_sub_btn"
    std::string copy;             // "ms_pro_device_copy_btn"
    std::string importFile;       // "ms_pro_device_import_btn"
    std::string exportFile;       // "ms_pro_device_export_btn"
    std::string reset;            // "ms_pro_device_reset_btn"
    std::string rename;           // "ms_device_profile_edit_save_btn"
    std::string nameField;        // "ms_device_profile_name_edit"
    std::string namePanelButton;  // "ms_pro_key_edit_btn"; empty for device lists
    std::string namePanel;        // "ms_key_profile_edit"; empty for device lists
    std::string linkCheck;        // "ms_device_profile_link_check"
    std::string linkName;         // "ms_device_profile_link_edit"
    std::string linkRow;          // "ms_device_profile_link_name_hor"
    std::string linkButton;       // "ms_device_profile_link_btn"
    std::string unlinkButton;     // "ms_device_cancle_link_btn" (some panels have none)
};

ProfilePanelNames profilePanelNames(const ProfileList& list);

// The button that opens and closes a device's profile area, and the area.
std::string profileAreaButton(DeviceKind device);  // "ms_profile_fun_spread_btn"
std::string profileArea(DeviceKind device);        // "ms_profile_fun_spead_tab"
// The key function panel of a device's key page ("kb_tab_function", "ms_tab_function").
std::string keyFunctionPanel(DeviceKind device);

}  // namespace quillon
