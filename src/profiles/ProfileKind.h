#pragma once
// The three kinds of profile a device can have, each with its own list and file extension.

#include <string_view>

namespace quillon {

enum class ProfileKind { Device, Key, Lighting };

// ".config", ".pro", ".led": the extension the program writes.
std::string_view profileExtension(ProfileKind kind);
// "device", "key", "deng": the word that names the list in control names.
std::string_view profileKindTag(ProfileKind kind);

}  // namespace quillon
