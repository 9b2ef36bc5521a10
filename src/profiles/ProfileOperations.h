#pragma once
// The operations of a profile panel, at the level of the model and the files. Each takes the list,
// the state of its combo (entries and selection, changed in place) and the user's input, and tells
// the page what to show and do next (ProfileOutcome). A failure leaves the list, the index file and
// the profile files as they were and names the message to show.

#include <string>
#include <string_view>

#include "profiles/ProfileOutcome.h"
#include "profiles/ProfileStore.h"

namespace quillon {

// The selection behaviour: the entry at `position` becomes the selection, is stored in the index,
// its link state shown, and (unless it is linked to a path without a folder) the profile is loaded
// and applied. A position outside the list changes nothing.
ProfileOutcome selectProfile(ProfileStore& store, const ProfileList& list, ProfileListState& state,
                             int position);

// "profile%d" with the smallest n from 1 for which no entry has that name (any case).
std::string nextNewProfileName(const std::vector<std::string>& entries);
// "%s copy" applied to the source name until no entry has the name.
std::string copyProfileName(std::string_view source, const std::vector<std::string>& entries);

// A new profile made from the list's default file, then selected.
ProfileOutcome newProfile(ProfileStore& store, const ProfileList& list, ProfileListState& state);
// A copy of the selected profile under copyProfileName, then selected.
ProfileOutcome copyProfile(ProfileStore& store, const ProfileList& list, ProfileListState& state);
// The selected profile under the name typed in the name field. The new file is written and
// verified before the index changes; the old file goes last.
ProfileOutcome renameProfile(ProfileStore& store, const ProfileList& list, ProfileListState& state,
                             std::string_view nameText);

// The message that refuses deleting (the last profile of a list), or nullptr when the page should
// ask for confirmation ("message_text_12") and then call deleteProfile.
const char* deleteRefusal(const ProfileListState& state);
// Deletes the selected profile (after confirmation) and selects the last entry.
ProfileOutcome deleteProfile(ProfileStore& store, const ProfileList& list, ProfileListState& state);

// Copies a chosen profile file into the list: device lists into a new profile, key and lighting
// lists over the selected one; the target is then selected.
ProfileOutcome importProfile(ProfileStore& store, const ProfileList& list, ProfileListState& state,
                             const std::string& chosenPath);
// Writes the selected profile to a chosen path.
ProfileOutcome exportProfile(ProfileStore& store, const ProfileList& list,
                             const ProfileListState& state, const std::string& chosenPath);

// Restores the selected profile and the model from the list's default file.
ProfileOutcome resetProfile(ProfileStore& store, const ProfileList& list);

// File chooser settings of import and export: "(*.config) | *.config ||", "*.config", "config".
struct ProfileFileFilter {
    std::string filter;
    std::string initialName;
    std::string defaultExtension;
};
ProfileFileFilter profileFileFilter(const ProfileList& list);

}  // namespace quillon
