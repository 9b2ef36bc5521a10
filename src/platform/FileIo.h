#pragma once
// Whole-file reads with a size cap and atomic whole-file writes, for the small text and byte
// files Quillon keeps. A read never trusts the file for its size: anything beyond the cap, or
// anything that is not a regular file (a folder, a pipe, a device), is unreadable. A write goes to
// a temporary file in the same folder, is flushed to the disk and then renamed over the old file,
// so readers see the old content or the new one, never half of either.

#include <cstddef>
#include <string>
#include <string_view>

namespace quillon {

enum class ReadStatus { Loaded, Missing, Unreadable };

// Reads the whole file into `out` (cleared first) when it is a regular file of at most `limit`
// bytes.
ReadStatus readWholeFile(const std::string& path, std::size_t limit, std::string& out);

// Replaces the file at `path` with `bytes`. An existing file keeps its permissions, and one that
// may not be written (read-only) is refused; a symbolic link is followed, so the file it names is
// replaced. True on success; on failure the old file is untouched and no temporary file is left.
bool writeFileAtomically(const std::string& path, std::string_view bytes);

bool isDirectory(const std::string& path);
bool isRegularFile(const std::string& path);

}  // namespace quillon
