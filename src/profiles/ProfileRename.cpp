#include "profiles/ProfileMessages.h"
#include "profiles/ProfileName.h"
#include "profiles/ProfileOperations.h"

namespace quillon {
namespace {

// The index with the selected entry renamed.
bool renameInIndex(ProfileStore& store, const ProfileList& list, const ProfileListState& state,
                   const std::string& name) {
    std::optional<ProfileIndex> index = store.readIndexForUpdate(list.device);
    if (!index) {
        return false;
    }
    index->setCount(list, static_cast<int>(state.entries.size()));
    index->setName(list, state.selected, name);
    return store.writeIndex(list.device, *index);
}

}  // namespace

ProfileOutcome renameProfile(ProfileStore& store, const ProfileList& list, ProfileListState& state,
                             std::string_view nameText) {
    ProfileOutcome out;
    if (!state.hasSelection()) {
        return out;
    }
    const NameCheck check = checkNewProfileName(nameText, list.extension(), state.entries);
    if (check.message != nullptr) {
        out.message = check.message;
        return out;
    }
    std::string& entry = state.entries[static_cast<std::size_t>(state.selected)];
    const std::string oldPath = store.folders().existingProfileFile(list, entry);
    const ProfileFileData old = store.readNamed(list, entry);
    if (old.result != LoadResult::Loaded) {
        out.message = loadFailureMessage(old.result);
        return out;
    }
    const int written = store.writeNamedVerified(list, check.name, old.payload);
    if (written != 1 || !renameInIndex(store, list, state, check.name)) {
        if (written == 1 || written == kWrittenButDifferent) {
            store.io().removeFile(store.folders().profileFile(list, check.name));
        }
        out.message = profile_message::kWriteFailed;
        return out;
    }
    store.io().removeFile(oldPath);
    entry = check.name;
    out.entriesChanged = true;
    out.nameField = check.name;
    return out;
}

}  // namespace quillon
