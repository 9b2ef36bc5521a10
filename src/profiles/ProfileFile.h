#pragma once
// Profile files: a 16-byte header (magic 0x55AA, device code at offset 4, the rest zero) followed
// by the payload of the file's list, little-endian throughout.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quillon {

enum class LoadResult : int { Loaded = 0, Missing = 1, BadFormat = -1 };

inline constexpr std::uint16_t kProfileMagic = 0x55AA;

struct ProfileFileData {
    LoadResult result = LoadResult::Missing;
    // Exactly the requested payload size when loaded: a short file leaves the tail zero, bytes past
    // the payload are not read. Empty otherwise.
    std::vector<std::uint8_t> payload;
};

// Missing when the path names no readable regular file; bad format when the file is shorter than
// the header or does not start with the magic. The device code is not looked at.
ProfileFileData readProfileFile(const std::string& path, std::size_t payloadSize);

// Header and payload as one file image.
std::vector<std::uint8_t> profileFileImage(std::uint16_t deviceCode,
                                           std::span<const std::uint8_t> payload);

// Replaces the file atomically; 1 on success, a negative code (and the debug line "文件打开失败")
// when it could not be written, the old file then being left as it was.
int writeProfileFile(const std::string& path, std::uint16_t deviceCode,
                     std::span<const std::uint8_t> payload);

}  // namespace quillon
