#include "profiles/ProfileStore.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/DebugLog.h"
#include "profiles/ProfileMessages.h"
#include "profiles/ProfileName.h"

namespace quillon {

ProfileStore::ProfileStore(ProfileModel model, const PointerSettingsSource& desktop,
                           ProfileFolders folders, ProfileIo& io)
    : model_(model), desktop_(desktop), folders_(std::move(folders)), io_(io) {}

const char* loadFailureMessage(LoadResult result) {
    return result == LoadResult::BadFormat ? profile_message::kNotProfileFile
                                           : profile_message::kFileMissing;
}

ProfileIndex ProfileStore::readIndex(DeviceKind device) const {
    return ProfileIndex::load(folders_.indexFile(device));
}

std::optional<ProfileIndex> ProfileStore::readIndexForUpdate(DeviceKind device) const {
    std::optional<IniDocument> document = IniDocument::tryLoad(folders_.indexFile(device));
    if (!document) {
        return std::nullopt;
    }
    return ProfileIndex(std::move(*document));
}

bool ProfileStore::writeIndex(DeviceKind device, const ProfileIndex& index) {
    return io_.saveIndex(index.document(), folders_.indexFile(device));
}

ProfileFileData ProfileStore::readNamed(const ProfileList& list, std::string_view name) {
    const std::string path = folders_.existingProfileFile(list, name);
    if (path.empty()) {
        return {};
    }
    return io_.readProfile(path, list.payloadSize);
}

ProfileFileData ProfileStore::readDefault(const ProfileList& list, std::size_t payloadSize) {
    const int variant = model_.devices.keyboardVariant.load();
    return io_.readProfile(folders_.defaultFile(list, variant), payloadSize);
}

int ProfileStore::writeNamedVerified(const ProfileList& list, std::string_view name,
                                     std::span<const std::uint8_t> payload) {
    const std::string path = folders_.profileFile(list, name);
    if (path.empty()) {
        return -1;
    }
    const int written = io_.writeProfile(path, list.deviceCode(), payload);
    if (written != 1) {
        return written;
    }
    // Reading pads a short file with zeros, so the size is checked as well.
    std::error_code error;
    const bool whole =
        std::filesystem::file_size(path, error) == kProfileHeaderSize + payload.size() && !error;
    const ProfileFileData back = io_.readProfile(path, payload.size());
    const bool same =
        whole && back.result == LoadResult::Loaded &&
        std::equal(payload.begin(), payload.end(), back.payload.begin(), back.payload.end());
    return same ? 1 : kWrittenButDifferent;
}

bool ProfileStore::removeNamed(const ProfileList& list, std::string_view name) {
    const std::string exact = folders_.profileFile(list, name);
    if (exact.empty()) {
        return false;
    }
    const std::string folder = folders_.kindFolder(list.device);
    const std::string fileName = std::string(name) + std::string(list.extension());
    bool removed = io_.removeFile(exact);
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string entry = it->path().filename().string();
        if (entry != fileName && sameProfileName(entry, fileName)) {
            removed = io_.removeFile(folder + entry) && removed;
        }
    }
    return removed;
}

LoadResult ProfileStore::loadProfile(const ProfileList& list, int position) {
    const ProfileIndex index = readIndex(list.device);
    // Names left beyond the count by earlier deletions are no longer profiles of the list.
    ProfileFileData file;
    if (position >= 0 && position < index.count(list)) {
        file = readNamed(list, index.name(list, position));
    }
    if (file.result == LoadResult::Missing) {
        debugLog("配置文件丢失");
    } else if (file.result == LoadResult::BadFormat) {
        debugLog("配置文件格式错误");
    } else {
        applyPayload(list, file.payload, model_, desktop_);
    }
    return file.result;
}

int ProfileStore::saveSelectedProfile(const ProfileList& list) {
    const ProfileIndex index = readIndex(list.device);
    const int selected = index.selected(list);
    refreshEntryFromCurrent(list.device, model_);
    if (selected < 0 || selected >= index.count(list)) {
        return 0;  // no profile of the list is selected: nothing to write
    }
    const std::string path = folders_.profileFile(list, index.name(list, selected));
    if (path.empty()) {
        return -1;
    }
    return io_.writeProfile(path, list.deviceCode(), assemblePayload(list, model_));
}

LoadResult ProfileStore::loadProfile(DeviceKind device, ProfileKind kind, int position) {
    const ProfileList* list = findProfileList(device, kind);
    return list != nullptr ? loadProfile(*list, position) : LoadResult::Missing;
}

int ProfileStore::saveSelectedProfile(DeviceKind device, ProfileKind kind) {
    const ProfileList* list = findProfileList(device, kind);
    return list != nullptr ? saveSelectedProfile(*list) : 0;
}

SetUpOutcome ProfileStore::setUpProfileList(const ProfileList& list) {
    SetUpOutcome out;
    std::optional<ProfileIndex> stored = readIndexForUpdate(list.device);
    if (!stored) {
        out.message = profile_message::kWriteFailed;
        out.stopDevicePage = true;
        return out;
    }
    ProfileIndex& index = *stored;
    if (index.count(list) > 0) {
        out.entries = index.names(list);
        return out;
    }
    const ProfileFileData defaults = readDefault(list, list.payloadSize);
    if (defaults.result != LoadResult::Loaded) {
        out.message = loadFailureMessage(defaults.result);
        out.stopDevicePage = true;
        return out;
    }
    index.setCount(list, 1);
    index.setLinked(list, 0, false);
    index.setName(list, 0, kFirstProfileName);
    index.setSelected(list, 0);
    if (writeNamedVerified(list, kFirstProfileName, defaults.payload) != 1 ||
        !writeIndex(list.device, index)) {
        out.message = profile_message::kWriteFailed;
        out.stopDevicePage = true;
        return out;
    }
    out.entries.emplace_back(kFirstProfileName);
    return out;
}

}  // namespace quillon
