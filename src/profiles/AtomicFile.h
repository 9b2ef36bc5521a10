#pragma once
// Replacing a file so that a crash at any moment leaves either the old or the new content: the
// bytes go to a temporary file beside the target, are flushed to the disk, and the temporary file
// is renamed over the target.

#include <cstdint>
#include <span>
#include <string>

namespace quillon {

// 1 when the file holds exactly `bytes`; a negative code when it could not be written, in which
// case the target is left as it was and no temporary file remains.
int replaceFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace quillon
