#pragma once
// Where profile files live: one kind folder per device ("kb/", "ms/", "mp/") inside the data
// folder, each with its index file; the default files in the program folder. File names are matched
// without regard to case when a file is looked for, so "x.PRO" finds "x.pro".

#include <string>
#include <string_view>

#include "device/DeviceKind.h"
#include "profiles/ProfileList.h"

namespace quillon {

class ProfileFolders {
  public:
    // Both folders end with "/" (added when missing).
    ProfileFolders(std::string dataDir, std::string programDir);

    const std::string& dataDir() const { return dataDir_; }
    const std::string& programDir() const { return programDir_; }

    // The kind folder, created when missing; ends with "/".
    std::string kindFolder(DeviceKind device) const;
    // "kbProfile.ini", "msProfile.ini", "mpProfile.ini" in the kind folder.
    std::string indexFile(DeviceKind device) const;
    // The path a profile is written to: kind folder + name + extension. Empty when the name would
    // not stay in the folder.
    std::string profileFile(const ProfileList& list, std::string_view name) const;
    // The path to read a profile from: an existing file whose name matches without regard to case
    // (the exact name first), else the path it would be written to. Empty for an unsafe name.
    std::string existingProfileFile(const ProfileList& list, std::string_view name) const;
    // The list's default file for the keyboard variant, matched without regard to case.
    std::string defaultFile(const ProfileList& list, int keyboardVariant) const;

  private:
    std::string dataDir_;
    std::string programDir_;
};

// `folder` + the directory entry whose name equals `fileName` without regard to ASCII case (the
// exact name when it exists, else the first match in sorted order); `folder` + `fileName` when none
// matches. `folder` ends with "/".
std::string findFileNoCase(const std::string& folder, std::string_view fileName);

}  // namespace quillon
