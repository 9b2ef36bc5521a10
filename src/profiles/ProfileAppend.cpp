#include "profiles/ProfileAppend.h"

#include "profiles/ProfileMessages.h"
#include "profiles/ProfileOperations.h"

namespace quillon {

bool appendIndexEntry(ProfileStore& store, const ProfileList& list, ProfileListState& state,
                      const std::string& name) {
    const int position = static_cast<int>(state.entries.size());
    std::optional<ProfileIndex> index = store.readIndexForUpdate(list.device);
    if (!index) {
        return false;
    }
    index->setCount(list, position + 1);
    index->setName(list, position, name);
    index->setLinked(list, position, false);
    index->setLinkPath(list, position, kNoLinkPath);
    if (!store.writeIndex(list.device, *index)) {
        return false;
    }
    state.entries.push_back(name);
    return true;
}

ProfileOutcome appendProfile(ProfileStore& store, const ProfileList& list, ProfileListState& state,
                             const std::string& name, std::span<const std::uint8_t> payload) {
    ProfileOutcome out;
    const int written = store.writeNamedVerified(list, name, payload);
    if (written != 1) {
        // A failed write leaves the old file (if any) in place; a file that reads back wrong goes.
        if (written == kWrittenButDifferent) {
            store.io().removeFile(store.folders().profileFile(list, name));
        }
        out.message = profile_message::kWriteFailed;
        return out;
    }
    if (!appendIndexEntry(store, list, state, name)) {
        store.io().removeFile(store.folders().profileFile(list, name));
        out.message = profile_message::kWriteFailed;
        return out;
    }
    out = selectProfile(store, list, state, static_cast<int>(state.entries.size()) - 1);
    out.entriesChanged = true;
    return out;
}

}  // namespace quillon
