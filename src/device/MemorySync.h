#pragma once
// Reading the devices' memory into the model and writing the current settings back.
//
// The operations run the commands in the order the devices expect and fill the model from what
// the device really sent: every transfer reads into a copy of its region and stores the copy
// back, so a command that fails leaves the bytes it did not carry as they were, and an operation
// started while the device is absent changes nothing at all. Numbers the device reports (its
// active profile, its key count, the cursor image length) are checked before they are used as an
// index or a size.
//
// What belongs to the interface and the profile files (saving the selected profiles, messages,
// the key position map, the cursor sequences, page refreshes) is reached through SyncHooks; an
// unset hook does nothing.

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "device/CommandResult.h"
#include "device/DeviceChannel.h"
#include "device/DeviceModel.h"

namespace quillon {

inline constexpr std::size_t kCursorHeaderSize = 16;
inline constexpr std::size_t kCursorMemorySize = 3072;
inline constexpr std::uint16_t kImageMagic = 0x55AA;
inline constexpr int kMaxKeyboardKeys = static_cast<int>(kKeyTableSize / 3);  // 170

struct SyncHooks {
    enum class ProfileList { Device, Key, Lighting };

    std::function<void(DeviceKind, ProfileList)> saveSelectedProfile;
    std::function<void(std::string_view textId)> showMessage;
    std::function<void()> rebuildKeyPositionMap;
    // The whole cursor image, header included; the receiver writes the sequence files and
    // reselects the first sequence.
    std::function<void(std::span<const std::uint8_t> image)> storeCursorImage;
    std::function<void(DeviceKind)> refreshPage;
    std::function<void(std::string_view control)> hideControl;
};

// Channels by kindIndex(); a null entry is skipped.
using ChannelTable = std::array<DeviceChannel*, 3>;

// The bracketed connect-time reads. Each returns 1 when every command succeeded, otherwise the
// first failure; 0 without sending anything when the device is not connected.
CommandResult ReadWholeMouse(DeviceModel& model, DeviceChannel& mouse, const SyncHooks& hooks);
// A keyboard reporting more than 170 keys gets "message_text_22" (the keyboard has more keys than a
// key table holds) and only its EndConfig; the result is then kCommandBadAnswer and the block size
// stays as it was.
CommandResult ReadWholeKeyboard(DeviceModel& model, DeviceChannel& keyboard,
                                const SyncHooks& hooks);
CommandResult ReadWholeMousepad(DeviceModel& model, DeviceChannel& mousepad,
                                const SyncHooks& hooks);

// The device changed its active profile on its own: keep the current record, read the new one.
CommandResult FollowDeviceProfile(DeviceModel& model, DeviceChannel& channel,
                                  const SyncHooks& hooks);
// Makes profile n (0..4) the device's active one (mouse and mousepad). n outside 0..4 gives
// kCommandBadPage; n already active sends only the one-byte read.
CommandResult SelectDeviceProfile(DeviceModel& model, DeviceChannel& channel, int n,
                                  const SyncHooks& hooks);
// For each device whose write-pending flag is set (keyboard, mouse, mousepad in this order): one
// WriteSettings of 56 bytes, the current record followed by zeros. The flag is cleared before the
// record is copied, so an edit made during the write is sent by the next flush. Returns 1 or the
// first failure.
CommandResult FlushPendingSettings(DeviceModel& model, const ChannelTable& channels);

// Reads the keyboard's factory key table into the model and, when the whole table arrived, writes
// it as "kbdevicedefault.config" / "kbdevice15default.config" (by the keyboard variant) into
// `folder`, replacing the file atomically.
CommandResult SaveKeyboardFactoryTable(DeviceModel& model, DeviceChannel& keyboard,
                                       const std::string& folder, const SyncHooks& hooks);
std::string keyboardFactoryFileName(int keyboardVariant);

// Reads the cursor image from the mouse (under the channel's lock) and hands it to the hooks. An
// image whose header lacks the magic or gives a length below 16 or above 3072 is refused
// (kCommandBadAnswer); the bracket is closed in every case.
CommandResult ReadCursorImage(DeviceChannel& mouse, const SyncHooks& hooks);

}  // namespace quillon
