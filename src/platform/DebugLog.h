#pragma once
// The debug output: fixed texts that threads and file operations write for developers. It is off
// unless the environment has QUILLON_DEBUG=1; then lines go to standard error, or to the file named
// by QUILLON_DEBUG_FILE. Safe from any thread.

#include <string_view>

namespace quillon {

void debugLog(std::string_view text);
bool debugLogEnabled();

}  // namespace quillon
