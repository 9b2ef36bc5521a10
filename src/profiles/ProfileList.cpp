#include "profiles/ProfileList.h"

namespace quillon {
namespace {

constexpr ProfileSections kDeviceSections = {"PROFILEDEVICECOUNT", "PROFILEDEVICENAME",
                                             "PROFILEDEVICESELECT", "PROFILELIKEDEVICEEXE",
                                             "DEVICEPROCESS"};
constexpr ProfileSections kKeySections = {"PROFILECOUNT", "PROFILENAME", "PROFILESELECT",
                                          "PROFILELIKEEXE", "PROCESS"};
constexpr ProfileSections kLightingSections = {"PROFILEDENGCOUNT", "PROFILEDENGNAME",
                                               "PROFILEDENGSELECT", "PROFILELIKEDENGEXE",
                                               "DENGPROCESS"};

constexpr std::array<ProfileList, 7> kLists = {{
    {DeviceKind::Keyboard,
     ProfileKind::Device,
     kDeviceSections,
     2470,
     {"kbdevicedefault.config", "kbdevice15default.config"}},
    {DeviceKind::Keyboard,
     ProfileKind::Lighting,
     kLightingSections,
     1958,
     {"kbdengdefault.led", "kb15dengdefault.led"}},
    {DeviceKind::Keyboard,
     ProfileKind::Key,
     kKeySections,
     512,
     {"kbkeydefault.pro", "kbkey15default.pro"}},
    {DeviceKind::Mouse,
     ProfileKind::Device,
     kDeviceSections,
     576,
     {"msdevicedefault.config", "msdevicedefault.config"}},
    {DeviceKind::Mouse,
     ProfileKind::Lighting,
     kLightingSections,
     64,
     {"msdengdefault.led", "msdengdefault.led"}},
    {DeviceKind::Mouse,
     ProfileKind::Key,
     kKeySections,
     512,
     {"mskeydefault.pro", "mskeydefault.pro"}},
    {DeviceKind::Mousepad,
     ProfileKind::Lighting,
     kLightingSections,
     64,
     {"mpdengdefault.led", "mpdengdefault.led"}},
}};

}  // namespace

std::string_view profileExtension(ProfileKind kind) {
    switch (kind) {
        case ProfileKind::Device:
            return ".config";
        case ProfileKind::Key:
            return ".pro";
        case ProfileKind::Lighting:
            return ".led";
    }
    return "";
}

std::string_view profileKindTag(ProfileKind kind) {
    switch (kind) {
        case ProfileKind::Device:
            return "device";
        case ProfileKind::Key:
            return "key";
        case ProfileKind::Lighting:
            return "deng";
    }
    return "";
}

std::uint16_t profileDeviceCode(DeviceKind device) {
    return static_cast<std::uint16_t>(kindIndex(device) + 1);
}

std::uint16_t ProfileList::deviceCode() const {
    return profileDeviceCode(device);
}

std::string_view ProfileList::defaultFile(int keyboardVariant) const {
    return defaultFiles[keyboardVariant == 1 ? 1 : 0];
}

std::span<const ProfileList> allProfileLists() {
    return kLists;
}

const ProfileList* findProfileList(DeviceKind device, ProfileKind kind) {
    for (const ProfileList& list : kLists) {
        if (list.device == device && list.kind == kind) {
            return &list;
        }
    }
    return nullptr;
}

std::array<const ProfileList*, 3> profileListsOf(DeviceKind device) {
    std::array<const ProfileList*, 3> out{};
    std::size_t n = 0;
    for (const ProfileList& list : kLists) {
        if (list.device == device) {
            out[n++] = &list;
        }
    }
    return out;
}

}  // namespace quillon
