#include "profiles/ProfileLinks.h"

#include "platform/DebugLog.h"

namespace quillon {
namespace {

// Longer paths would come back cut from the index file and never match again.
constexpr std::size_t kLongestLinkPath = 259;

constexpr const char* kAlreadyLinked = "message_text_13";

ProfileLinkState unlinked() {
    return {false, std::string(kNoLinkPath)};
}

// Writes the link of the selected position; the outcome shows what the index now holds.
ProfileOutcome writeLink(ProfileStore& store, const ProfileList& list,
                         const ProfileListState& state, const ProfileLinkState& link) {
    ProfileOutcome out;
    std::optional<ProfileIndex> index = store.readIndexForUpdate(list.device);
    if (!index) {
        debugLog("link: the profile index cannot be read");
        const ProfileIndex stored = store.readIndex(list.device);
        out.link = ProfileLinkState{stored.linked(list, state.selected),
                                    stored.linkPath(list, state.selected)};
        return out;
    }
    index->setLinked(list, state.selected, link.linked);
    index->setLinkPath(list, state.selected, link.path);
    if (!store.writeIndex(list.device, *index)) {
        debugLog("link: the profile index cannot be written");
    }
    out.link = link;
    return out;
}

bool usable(const std::optional<std::string>& chosen) {
    return chosen && isLinkablePath(*chosen);
}

}  // namespace

bool isLinkablePath(std::string_view path) {
    const std::size_t cut = path.find_last_of("/\\");
    return cut != std::string_view::npos && cut + 1 < path.size() &&
           path.size() <= kLongestLinkPath && path.find_first_of("\r\n") == std::string_view::npos;
}

bool sameExecutable(std::string_view linkPath, std::string_view path) {
    return !path.empty() && linkPath == path;
}

ProfileOutcome unlinkProfile(ProfileStore& store, const ProfileList& list,
                             const ProfileListState& state) {
    if (!state.hasSelection()) {
        ProfileOutcome out;
        out.link = unlinked();
        return out;
    }
    return writeLink(store, list, state, unlinked());
}

ProfileOutcome linkProfile(ProfileStore& store, const ProfileList& list,
                           const ProfileListState& state,
                           const std::optional<std::string>& chosen) {
    if (!state.hasSelection() || !usable(chosen)) {
        return unlinkProfile(store, list, state);
    }
    const ProfileIndex index = store.readIndex(list.device);
    const int count = static_cast<int>(state.entries.size());
    for (int i = 0; i < count; ++i) {
        if (i != state.selected && index.linkFlag(list, i) == "1" &&
            sameExecutable(index.linkPath(list, i), *chosen)) {
            ProfileOutcome out = unlinkProfile(store, list, state);
            out.message = kAlreadyLinked;
            return out;
        }
    }
    return writeLink(store, list, state, {true, *chosen});
}

ProfileOutcome changeProfileLink(ProfileStore& store, const ProfileList& list,
                                 const ProfileListState& state,
                                 const std::optional<std::string>& chosen) {
    if (!state.hasSelection() || !usable(chosen)) {
        return {};
    }
    return writeLink(store, list, state, {true, *chosen});
}

int positionForForeground(const ProfileIndex& index, const ProfileList& list, int count,
                          std::string_view foreground) {
    for (int i = 0; i < count; ++i) {
        if (index.linkFlag(list, i) == "1" && sameExecutable(index.linkPath(list, i), foreground)) {
            return i;
        }
    }
    return index.selected(list);
}

}  // namespace quillon
