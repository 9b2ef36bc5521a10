#include "profiles/ProfilePanelNames.h"

namespace quillon {

ProfilePanelNames profilePanelNames(const ProfileList& list) {
    const std::string prefix(kindPrefix(list.device));
    const std::string word(profileKindTag(list.kind));
    const std::string button = prefix + "_pro_" + word + "_";
    const std::string panel = prefix + "_" + word + "_profile_";
    ProfilePanelNames names;
    names.combo = panel + "combo";
    names.add = button + "add_btn";
    names.remove = button + "sub_btn";
    names.copy = button + "copy_btn";
    names.importFile = button + "import_btn";
    names.exportFile = button + "export_btn";
    names.reset = button + "reset_btn";
    names.rename = panel + "edit_save_btn";
    names.nameField = panel + "name_edit";
    // The device list's name field is always shown; the other lists open theirs with a button.
    if (list.kind != ProfileKind::Device) {
        names.namePanelButton = button + "edit_btn";
        names.namePanel = panel + "edit";
    }
    names.linkCheck = panel + "link_check";
    names.linkName = panel + "link_edit";
    names.linkRow = panel + "link_name_hor";
    names.linkButton = panel + "link_btn";
    names.unlinkButton = prefix + "_" + word + "_cancle_link_btn";
    return names;
}

std::string profileAreaButton(DeviceKind device) {
    return std::string(kindPrefix(device)) + "_profile_fun_spread_btn";
}

std::string profileArea(DeviceKind device) {
    return std::string(kindPrefix(device)) + "_profile_fun_spead_tab";
}

std::string keyFunctionPanel(DeviceKind device) {
    return std::string(kindPrefix(device)) + "_tab_function";
}

}  // namespace quillon
