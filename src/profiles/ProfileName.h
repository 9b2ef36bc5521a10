#pragma once
// Profile names become file names in a kind folder, so a name must stay inside that folder, fit
// the file system and come back unchanged from the index file.

#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// Longest file name (profile name and extension) that survives the index file's 259-character
// reads; the file system's own limit of 255 bytes applies as well.
inline constexpr std::size_t kProfileFileNameLimit = 259;
inline constexpr std::size_t kFileSystemNameLimit = 255;

// Without leading and trailing spaces and tabs, which the index file would not keep.
std::string trimProfileName(std::string_view text);

// True when `name` followed by `extension` names a file directly in its folder: not empty, not
// "." or "..", no "/" or "\", no control character, within both length limits. Names read from an
// index file are checked with this before a path is built from them.
bool isSafeProfileName(std::string_view name, std::string_view extension);

// Names are compared without regard to (ASCII) case.
bool sameProfileName(std::string_view a, std::string_view b);
bool containsProfileName(const std::vector<std::string>& names, std::string_view name);

struct NameCheck {
    std::string name;     // the trimmed name to use
    const char* message;  // text id to show, nullptr when the name can be used
};

// The check of a name the user typed for an existing list: empty, unusable, taken (by any entry,
// the selected one included).
NameCheck checkNewProfileName(std::string_view text, std::string_view extension,
                              const std::vector<std::string>& entries);

}  // namespace quillon
