#include "profiles/ProfileAppend.h"
#include "profiles/ProfileMessages.h"
#include "profiles/ProfileOperations.h"

namespace quillon {

ProfileFileFilter profileFileFilter(const ProfileList& list) {
    const std::string extension(list.extension().substr(1));
    return {"(*." + extension + ") | *." + extension + " ||", "*." + extension, extension};
}

ProfileOutcome importProfile(ProfileStore& store, const ProfileList& list, ProfileListState& state,
                             const std::string& chosenPath) {
    ProfileOutcome out;
    if (!state.hasSelection()) {
        return out;
    }
    // The chosen file is read before anything changes, so a file that cannot be used leaves the
    // list as it was.
    const ProfileFileData file = store.io().readProfile(chosenPath, list.payloadSize);
    if (file.result != LoadResult::Loaded) {
        out.message = loadFailureMessage(file.result);
        return out;
    }
    if (list.kind == ProfileKind::Device) {
        return appendProfile(store, list, state, nextNewProfileName(state.entries), file.payload);
    }
    const int target = state.selected;
    const std::string& name = state.entries[static_cast<std::size_t>(target)];
    if (store.writeNamedVerified(list, name, file.payload) != 1) {
        out.message = profile_message::kWriteFailed;
        return out;
    }
    return selectProfile(store, list, state, target);
}

ProfileOutcome exportProfile(ProfileStore& store, const ProfileList& list,
                             const ProfileListState& state, const std::string& chosenPath) {
    ProfileOutcome out;
    if (!state.hasSelection()) {
        return out;
    }
    const ProfileFileData file =
        store.readNamed(list, state.entries[static_cast<std::size_t>(state.selected)]);
    if (file.result != LoadResult::Loaded) {
        out.message = loadFailureMessage(file.result);
        return out;
    }
    if (store.io().writeProfile(chosenPath, list.deviceCode(), file.payload) != 1) {
        out.message = profile_message::kWriteFailed;
    }
    return out;
}

}  // namespace quillon
