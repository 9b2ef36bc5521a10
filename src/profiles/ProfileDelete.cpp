#include "profiles/ProfileMessages.h"
#include "profiles/ProfileName.h"
#include "profiles/ProfileOperations.h"

namespace quillon {
namespace {

// Positions from the removed one on take the name, link flag and link path of the position above;
// the entries at the old last position stay in the file, beyond the new count.
void removeFromIndex(ProfileIndex& index, const ProfileList& list,
                     const std::vector<std::string>& remaining, int removed) {
    const int count = static_cast<int>(remaining.size());
    index.setCount(list, count);
    for (int p = 0; p < count; ++p) {
        index.setName(list, p, remaining[static_cast<std::size_t>(p)]);
    }
    for (int p = removed; p < count; ++p) {
        const bool linked = index.linked(list, p + 1);
        const std::string path = index.linkPath(list, p + 1);
        index.setLinked(list, p, linked);
        index.setLinkPath(list, p, path);
    }
}

}  // namespace

const char* deleteRefusal(const ProfileListState& state) {
    return state.entries.size() <= 1 ? profile_message::kLastProfile : nullptr;
}

ProfileOutcome deleteProfile(ProfileStore& store, const ProfileList& list,
                             ProfileListState& state) {
    ProfileOutcome out;
    if ((out.message = deleteRefusal(state)) != nullptr || !state.hasSelection()) {
        return out;
    }
    const int removed = state.selected;
    const std::string name = state.entries[static_cast<std::size_t>(removed)];
    std::vector<std::string> remaining = state.entries;
    remaining.erase(remaining.begin() + removed);

    // The index goes first: should it fail, the profile is still listed and still has its file.
    std::optional<ProfileIndex> index = store.readIndexForUpdate(list.device);
    if (index) {
        removeFromIndex(*index, list, remaining, removed);
    }
    if (!index || !store.writeIndex(list.device, *index)) {
        out.message = profile_message::kWriteFailed;
        return out;
    }
    // An index edited by hand may list one name twice; the file then still belongs to the other.
    const std::string path = store.folders().existingProfileFile(list, name);
    if (!path.empty() && !containsProfileName(remaining, name)) {
        store.io().removeFile(path);
    }
    state.entries = std::move(remaining);
    state.selected = -1;
    out = selectProfile(store, list, state, static_cast<int>(state.entries.size()) - 1);
    out.entriesChanged = true;
    return out;
}

}  // namespace quillon
