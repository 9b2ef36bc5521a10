#include "profiles/ProfileIo.h"

#include <unistd.h>

#include <cerrno>

namespace quillon {

ProfileFileData DiskProfileIo::readProfile(const std::string& path, std::size_t payloadSize) {
    return readProfileFile(path, payloadSize);
}

int DiskProfileIo::writeProfile(const std::string& path, std::uint16_t deviceCode,
                                std::span<const std::uint8_t> payload) {
    return writeProfileFile(path, deviceCode, payload);
}

bool DiskProfileIo::saveIndex(const IniDocument& index, const std::string& path) {
    return index.save(path);
}

bool DiskProfileIo::removeFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

}  // namespace quillon
