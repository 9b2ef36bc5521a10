#pragma once
// File names inside the skin folder. Names come from res.xml, skin files, the program's page table
// and language menu; none of them may lead out of the folder.

#include <cstddef>
#include <string>
#include <string_view>

namespace quillon::toolkit {

// True for a relative name made of ordinary components ("main.xml", "ms/key.png"): not empty, no
// leading "/", no "\", no NUL, no "." or ".." component, no empty component.
bool isNameInsideFolder(std::string_view name);

// `folder` joined with `name`, with exactly one "/" between them.
std::string pathInFolder(const std::string& folder, std::string_view name);

// Cap on every skin, page, menu, index and language file read.
inline constexpr std::size_t kMaxSkinFileBytes = 8u * 1024u * 1024u;

}  // namespace quillon::toolkit
