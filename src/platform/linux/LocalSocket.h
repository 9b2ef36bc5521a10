#pragma once
// Unix-domain stream sockets named by a path, for talking to the running instance.

#include <string>

#include "platform/UniqueFd.h"

namespace quillon {

// A non-blocking socket listening at `path`, readable and writable by this user only. A file
// left at the path (by an instance that crashed) is replaced: call this only while holding the
// instance lock. Invalid on failure.
UniqueFd listenAt(const std::string& path);

// A non-blocking connection to the socket at `path`; invalid when nothing listens there or the
// listener's queue is full.
UniqueFd connectTo(const std::string& path);

// Whether `path` fits a socket address.
bool fitsSocketAddress(const std::string& path);

}  // namespace quillon
