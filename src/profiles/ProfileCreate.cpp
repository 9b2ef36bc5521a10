#include "profiles/ProfileAppend.h"
#include "profiles/ProfileMessages.h"
#include "profiles/ProfileName.h"
#include "profiles/ProfileOperations.h"

namespace quillon {

std::string nextNewProfileName(const std::vector<std::string>& entries) {
    // Among n + 1 candidates at least one is free, so the search ends.
    for (std::size_t n = 1;; ++n) {
        std::string name = "profile" + std::to_string(n);
        if (!containsProfileName(entries, name)) {
            return name;
        }
    }
}

std::string copyProfileName(std::string_view source, const std::vector<std::string>& entries) {
    std::string name = std::string(source) + " copy";
    while (containsProfileName(entries, name)) {
        name += " copy";
    }
    return name;
}

ProfileOutcome newProfile(ProfileStore& store, const ProfileList& list, ProfileListState& state) {
    const std::string name = nextNewProfileName(state.entries);
    const ProfileFileData defaults = store.readDefault(list, list.payloadSize);
    if (defaults.result == LoadResult::Loaded) {
        return appendProfile(store, list, state, name, defaults.payload);
    }
    // Without a default file the entry is still added, without a file of its own, as the program
    // has always done; the selection stays.
    ProfileOutcome out;
    store.removeNamed(list, name);
    if (!appendIndexEntry(store, list, state, name)) {
        out.message = profile_message::kWriteFailed;
        return out;
    }
    out.entriesChanged = true;
    out.message = loadFailureMessage(defaults.result);
    return out;
}

ProfileOutcome copyProfile(ProfileStore& store, const ProfileList& list, ProfileListState& state) {
    ProfileOutcome out;
    if (!state.hasSelection()) {
        return out;
    }
    const std::string& source = state.entries[static_cast<std::size_t>(state.selected)];
    const NameCheck check = checkNewProfileName(copyProfileName(source, state.entries),
                                                list.extension(), state.entries);
    if (check.message != nullptr) {
        out.message = check.message;
        return out;
    }
    const ProfileFileData file = store.readNamed(list, source);
    if (file.result != LoadResult::Loaded) {
        out.message = loadFailureMessage(file.result);
        return out;
    }
    return appendProfile(store, list, state, check.name, file.payload);
}

}  // namespace quillon
