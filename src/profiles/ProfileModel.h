#pragma once
// The parts of the program's state that profile files are loaded into and saved from, and the
// mapping between them and each list's payload:
//
//   keyboard device    0..511 key table, 512..575 keyboard record, 576..579 custom set index,
//                      580..2469 five custom colour sets
//   keyboard lighting  0..63 keyboard record, 64..67 set index, 68..1957 the five sets
//   keyboard/mouse key 0..511 key table
//   mouse device       0..511 key table, 512..575 mouse record
//   mouse lighting     0..63 mouse record (bytes 38 and 39: pointer speed and wheel lines)
//   mousepad lighting  0..63 mousepad record
//
// The record in a file is profile-table entry 0; the current record mirrors its first bytes.

#include <cstdint>
#include <span>
#include <vector>

#include "device/DeviceModel.h"
#include "lighting/HostSettings.h"
#include "lighting/KeyboardLightingStore.h"
#include "profiles/ProfileList.h"

namespace quillon {

struct ProfileModel {
    DeviceModel& devices;
    KeyboardLightingStore& keyboardLighting;
    HostSettings& host;
};

// Entry 0 of the device's profile table takes the current record (and, for the mouse, the pointer
// speed in byte 38 and the wheel lines in byte 39), as it is before every save.
void refreshEntryFromCurrent(DeviceKind device, ProfileModel& model);

// The list's payload from the model, exactly payloadSize bytes.
std::vector<std::uint8_t> assemblePayload(const ProfileList& list, const ProfileModel& model);

// Copies a payload of the list's size into the model. A mouse device profile leaves the pointer
// speed and wheel lines to the desktop's current values, a mouse lighting profile takes them from
// the record; a 0 becomes 1 in both cases. False (and nothing changed) for a payload of another
// size.
bool applyPayload(const ProfileList& list, std::span<const std::uint8_t> payload,
                  ProfileModel& model, const PointerSettingsSource& desktop);

}  // namespace quillon
