#pragma once
// The seven profile lists: where each keeps its entries in its device's index file, the extension
// and payload size of its files, its default files and the device code written into its files.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "device/DeviceKind.h"
#include "profiles/ProfileKind.h"

namespace quillon {

struct ProfileSections {
    std::string_view count;
    std::string_view name;
    std::string_view select;
    std::string_view linkFlag;
    std::string_view linkPath;
};

struct ProfileList {
    DeviceKind device;
    ProfileKind kind;
    ProfileSections sections;
    std::size_t payloadSize;
    // Default file in the program folder, by keyboard variant (the same name twice for the mouse
    // and the mousepad).
    std::array<std::string_view, 2> defaultFiles;

    std::string_view extension() const { return profileExtension(kind); }
    std::uint16_t deviceCode() const;
    std::string_view defaultFile(int keyboardVariant) const;
    bool operator==(const ProfileList& other) const {
        return device == other.device && kind == other.kind;
    }
};

inline constexpr std::size_t kProfileHeaderSize = 16;
inline constexpr std::size_t kLargestPayload = 2470;

// 1 keyboard, 2 mouse, 3 mousepad.
std::uint16_t profileDeviceCode(DeviceKind device);

// All lists, in the order the pages set them up: keyboard device, lighting, key; mouse device,
// lighting, key; mousepad lighting.
std::span<const ProfileList> allProfileLists();
// nullptr for a combination that has no list (the mousepad has lighting profiles only).
const ProfileList* findProfileList(DeviceKind device, ProfileKind kind);
// Lists of one device, in set-up order.
std::array<const ProfileList*, 3> profileListsOf(DeviceKind device);

}  // namespace quillon
