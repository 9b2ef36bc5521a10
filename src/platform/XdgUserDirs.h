#pragma once
// The user's standard folders as the desktop records them in "user-dirs.dirs": shell-style lines
// such as  XDG_DOCUMENTS_DIR="$HOME/Documents"  (a path relative to the home folder, or absolute).

#include <optional>
#include <string>
#include <string_view>

namespace quillon {

// The folder that `name` (for example "XDG_DOCUMENTS_DIR") names in the text of a user-dirs.dirs
// file, without a trailing "/"; the last valid line wins, as when the shell reads the file.
// Nothing when no line names it with a usable path.
std::optional<std::string> parseXdgUserDir(std::string_view fileText, std::string_view name,
                                           const std::string& home);

// The user's documents folder (no trailing "/"): XDG_DOCUMENTS_DIR from
// $XDG_CONFIG_HOME/user-dirs.dirs (or ~/.config/user-dirs.dirs), else ~/Documents.
std::string documentsFolder();

// The home folder: $HOME, else the password database's entry.
std::string homeFolder();

}  // namespace quillon
