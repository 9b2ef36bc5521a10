#pragma once
// The file operations the profile store performs, behind one interface so that tests can make any
// of them fail at a chosen moment. DiskProfileIo is the real one.

#include <cstdint>
#include <span>
#include <string>

#include "platform/IniFile.h"
#include "profiles/ProfileFile.h"

namespace quillon {

class ProfileIo {
  public:
    virtual ~ProfileIo() = default;
    virtual ProfileFileData readProfile(const std::string& path, std::size_t payloadSize) = 0;
    // 1 on success, a negative code on failure.
    virtual int writeProfile(const std::string& path, std::uint16_t deviceCode,
                             std::span<const std::uint8_t> payload) = 0;
    virtual bool saveIndex(const IniDocument& index, const std::string& path) = 0;
    // True when the file is gone afterwards (also when it did not exist).
    virtual bool removeFile(const std::string& path) = 0;
};

class DiskProfileIo : public ProfileIo {
  public:
    ProfileFileData readProfile(const std::string& path, std::size_t payloadSize) override;
    int writeProfile(const std::string& path, std::uint16_t deviceCode,
                     std::span<const std::uint8_t> payload) override;
    bool saveIndex(const IniDocument& index, const std::string& path) override;
    bool removeFile(const std::string& path) override;
};

}  // namespace quillon
