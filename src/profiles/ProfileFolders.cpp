#include "profiles/ProfileFolders.h"

#include <filesystem>
#include <system_error>

#include "profiles/ProfileName.h"

namespace quillon {
namespace {

std::string withSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

}  // namespace

ProfileFolders::ProfileFolders(std::string dataDir, std::string programDir)
    : dataDir_(withSlash(std::move(dataDir))), programDir_(withSlash(std::move(programDir))) {}

std::string ProfileFolders::kindFolder(DeviceKind device) const {
    std::string folder = dataDir_ + std::string(kindPrefix(device)) + "/";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return folder;
}

std::string ProfileFolders::indexFile(DeviceKind device) const {
    return kindFolder(device) + std::string(kindPrefix(device)) + "Profile.ini";
}

std::string ProfileFolders::profileFile(const ProfileList& list, std::string_view name) const {
    if (!isSafeProfileName(name, list.extension())) {
        return {};
    }
    return kindFolder(list.device) + std::string(name) + std::string(list.extension());
}

std::string ProfileFolders::existingProfileFile(const ProfileList& list,
                                                std::string_view name) const {
    if (!isSafeProfileName(name, list.extension())) {
        return {};
    }
    return findFileNoCase(kindFolder(list.device),
                          std::string(name) + std::string(list.extension()));
}

std::string ProfileFolders::defaultFile(const ProfileList& list, int keyboardVariant) const {
    return findFileNoCase(programDir_, list.defaultFile(keyboardVariant));
}

std::string findFileNoCase(const std::string& folder, std::string_view fileName) {
    const std::string exact = folder + std::string(fileName);
    std::error_code error;
    if (std::filesystem::exists(exact, error)) {
        return exact;
    }
    std::string best;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string entry = it->path().filename().string();
        if (sameProfileName(entry, fileName) && (best.empty() || entry < best)) {
            best = entry;
        }
    }
    return best.empty() ? exact : folder + best;
}

}  // namespace quillon
