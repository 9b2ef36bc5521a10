#pragma once
// Links between profiles and applications, at the level of the index file: the selected profile of
// a list is linked to an executable, linked to another one, or unlinked; and the position a list
// should show while a given application is in front.

#include <optional>
#include <string>
#include <string_view>

#include "profiles/ProfileOutcome.h"
#include "profiles/ProfileStore.h"

namespace quillon {

// Whether a path names a file in a folder (the only kind of link that can ever match).
bool isLinkablePath(std::string_view path);
// Whether a link path names the running executable `path`. Linux file names distinguish case, so
// the comparison is exact.
bool sameExecutable(std::string_view linkPath, std::string_view path);

// The link box was set and the file chooser answered `chosen` (nothing: cancelled). A program that
// another profile of the list is linked to is refused with "message_text_13"; a refusal, a cancel
// or an unusable path leaves the selected profile unlinked.
ProfileOutcome linkProfile(ProfileStore& store, const ProfileList& list,
                           const ProfileListState& state, const std::optional<std::string>& chosen);
// The selected profile is linked to nothing (flag "0", path " ").
ProfileOutcome unlinkProfile(ProfileStore& store, const ProfileList& list,
                             const ProfileListState& state);
// The link button: a usable chosen path becomes the selected profile's link, without looking at the
// other profiles; a cancel changes nothing.
ProfileOutcome changeProfileLink(ProfileStore& store, const ProfileList& list,
                                 const ProfileListState& state,
                                 const std::optional<std::string>& chosen);

// The position to show while `foreground` is in front: the first of `count` positions linked to it,
// else the user's own selection stored in the index.
int positionForForeground(const ProfileIndex& index, const ProfileList& list, int count,
                          std::string_view foreground);

}  // namespace quillon
