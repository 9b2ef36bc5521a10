#pragma once
// The full path of a running process's executable, from /proc.

#include <optional>
#include <string>

namespace quillon {

// Nothing when the process is gone or its executable cannot be read (another user's process).
// An executable replaced on disk while it runs still gives its path.
std::optional<std::string> processExecutable(int pid);

}  // namespace quillon
