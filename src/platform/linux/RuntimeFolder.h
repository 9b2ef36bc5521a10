#pragma once
// The user's private folder for sockets and lock files.

#include <string>

namespace quillon {

// $XDG_RUNTIME_DIR when it names a folder; otherwise /tmp/quillon-<uid>, created with mode 0700
// and accepted only when it is a real folder (not a link) owned by this user and closed to others.
// "" when neither can be had. No trailing "/".
std::string privateRuntimeFolder();

// The same check and creation for a given fallback folder path.
bool ensurePrivateFolder(const std::string& path);

}  // namespace quillon
