#pragma once
// Where Quillon keeps its files.
//
// The data folder is "Gaming MouseV1" in the user's documents folder (XDG_DOCUMENTS_DIR, from
// user-dirs.dirs, else ~/Documents); QUILLON_DATA_DIR names the data folder itself instead. The
// program folder holds the skins ("skin/"), the language files and the default profile files: the
// installed data folder, or the build tree's staged folder; QUILLON_PROGRAM_DIR overrides it.
// Every folder path ends with "/".

#include <string>

namespace quillon {

struct Paths {
    std::string dataDir;
    std::string programDir;

    std::string skinDir() const { return programDir + "skin/"; }
    std::string settingsFile() const { return dataDir + "main.ini"; }

    // From the environment and the user's folders. The data folder is created when missing.
    static Paths fromEnvironment();
};

// Creates a folder and its parents; true when it exists afterwards.
bool makeFolders(const std::string& path);

// The installed program folder "<prefix>/share/quillon/" for an executable in "<prefix>/bin/"
// (or any folder beside "share"), or "" when there is none.
std::string installedProgramFolder(const std::string& executable);

}  // namespace quillon
