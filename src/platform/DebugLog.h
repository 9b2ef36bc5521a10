#pragma once
// The debug output: fixed texts that threads and file operations write for developers. It is off
// unless the environment has QUILLON_DEBUG=1; then lines go to standard error, or to the file named
// by QUILLON_DEBUG_FILE (appended to). Each call writes one whole line (line breaks inside the
// text become spaces); the environment is looked at on every call. Safe from any thread.

#include <string_view>

namespace quillon {

void debugLog(std::string_view text);
bool debugLogEnabled();

}  // namespace quillon
