#pragma once
// Adding a profile at the end of a list, shared by new, copy and import.

#include <cstdint>
#include <span>
#include <string>

#include "profiles/ProfileOutcome.h"
#include "profiles/ProfileStore.h"

namespace quillon {

// Adds `name` as the last entry of the index (count, name, link flag "0", link path " ") and of
// the state. False, with the index as it was, when the index could not be written.
bool appendIndexEntry(ProfileStore& store, const ProfileList& list, ProfileListState& state,
                      const std::string& name);

// Writes `payload` as the new profile `name`, verifies it, adds the entry and selects it. When the
// file or the index cannot be written nothing is left behind and the outcome says so.
ProfileOutcome appendProfile(ProfileStore& store, const ProfileList& list, ProfileListState& state,
                             const std::string& name, std::span<const std::uint8_t> payload);

}  // namespace quillon
