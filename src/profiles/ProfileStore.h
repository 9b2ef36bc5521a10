#pragma once
// The profile store: the file-level operations on the seven profile lists that the pages, the
// device reads and the profile operations use. It reads each index file afresh for every operation
// and writes it back as a whole, atomically.
//
// The store takes no lock: callers serialise the operations of one device kind (the interface
// thread, and the detection and application threads through it).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lighting/HostSettings.h"
#include "profiles/ProfileFolders.h"
#include "profiles/ProfileIndex.h"
#include "profiles/ProfileIo.h"
#include "profiles/ProfileModel.h"

namespace quillon {

inline constexpr std::string_view kFirstProfileName = "profile1";
inline constexpr int kWrittenButDifferent = -4;

struct SetUpOutcome {
    std::vector<std::string> entries;  // the combo's entries, in index order
    const char* message = nullptr;     // text id to show, nullptr for none
    bool stopDevicePage = false;       // the rest of this device's page set-up is skipped
};

class ProfileStore {
  public:
    ProfileStore(ProfileModel model, const PointerSettingsSource& desktop, ProfileFolders folders,
                 ProfileIo& io);

    // Loads the profile named at `position` of the index into the model. A position outside the
    // list reads as missing; missing or malformed files leave the model as it was (and say so in
    // the debug output).
    LoadResult loadProfile(const ProfileList& list, int position);
    // Writes the model into the file of the list's selected profile; 1 on success, 0 when the
    // stored selection is not a position of the list, negative when the file could not be written.
    int saveSelectedProfile(const ProfileList& list);
    // The same for a list named by device and profile kind; a combination without a list
    // (mousepad device or key profiles) loads and writes nothing.
    LoadResult loadProfile(DeviceKind device, ProfileKind kind, int position);
    int saveSelectedProfile(DeviceKind device, ProfileKind kind);
    // The list's entries at page set-up; on first use (count 0) "profile1" is made from the
    // default file.
    SetUpOutcome setUpProfileList(const ProfileList& list);

    // Building blocks of the profile operations.
    ProfileIndex readIndex(DeviceKind device) const;
    // The index to change and write back; nothing when the file exists but cannot be read, so
    // that an unreadable index is never replaced.
    std::optional<ProfileIndex> readIndexForUpdate(DeviceKind device) const;
    bool writeIndex(DeviceKind device, const ProfileIndex& index);
    ProfileFileData readNamed(const ProfileList& list, std::string_view name);
    // Up to `payloadSize` bytes of the list's default file for the current keyboard variant.
    ProfileFileData readDefault(const ProfileList& list, std::size_t payloadSize);
    // Writes and reads back; 1 only when the file holds exactly this payload, kWrittenButDifferent
    // when it was replaced but reads back otherwise, another negative code when it could not be
    // written (the old file then being as it was).
    int writeNamedVerified(const ProfileList& list, std::string_view name,
                           std::span<const std::uint8_t> payload);
    // Removes the profile's file and any file whose name differs from it only in case.
    bool removeNamed(const ProfileList& list, std::string_view name);

    ProfileModel& model() { return model_; }
    const PointerSettingsSource& desktop() const { return desktop_; }
    const ProfileFolders& folders() const { return folders_; }
    ProfileIo& io() { return io_; }

  private:
    ProfileModel model_;
    const PointerSettingsSource& desktop_;
    ProfileFolders folders_;
    ProfileIo& io_;
};

// The text id that tells the user why a profile or default file could not be read.
const char* loadFailureMessage(LoadResult result);

}  // namespace quillon
