#pragma once
// A profile store over a fresh data folder and program folder, with a desktop whose pointer
// settings the test sets and file operations that can be made to fail on request.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "device/DeviceModel.h"
#include "lighting/HostSettings.h"
#include "lighting/KeyboardLightingStore.h"
#include "profiles/ProfileIo.h"
#include "profiles/ProfileOperations.h"
#include "profiles/ProfileStore.h"

namespace quillon::testing {

class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& path() const { return path_; }  // ends with "/"

  private:
    std::string path_;
};

struct FakeDesktop : PointerSettingsSource {
    int speed = 10;
    int lines = 3;
    int pointerSpeed() const override { return speed; }
    int wheelLines() const override { return lines; }
};

// Real file operations; a failure rule, when set, makes the matching calls fail instead.
class ScriptedIo : public ProfileIo {
  public:
    enum class Op { Read, Write, SaveIndex, Remove };
    std::function<bool(Op, const std::string& path)> failWhen;
    int writes = 0;
    int indexSaves = 0;

    ProfileFileData readProfile(const std::string& path, std::size_t payloadSize) override;
    int writeProfile(const std::string& path, std::uint16_t deviceCode,
                     std::span<const std::uint8_t> payload) override;
    bool saveIndex(const IniDocument& index, const std::string& path) override;
    bool removeFile(const std::string& path) override;

  private:
    bool fails(Op op, const std::string& path) const { return failWhen && failWhen(op, path); }
    DiskProfileIo disk_;
};

// Everything a profile store needs, in folders of its own.
struct ProfileBench {
    ScratchFolder data;
    ScratchFolder program;
    DeviceModel devices;
    KeyboardLightingStore keyboardLighting;
    HostSettings host;
    FakeDesktop desktop;
    ScriptedIo io;
    ProfileStore store{ProfileModel{devices, keyboardLighting, host}, desktop,
                       ProfileFolders(data.path(), program.path()), io};

    const ProfileList& list(DeviceKind device, ProfileKind kind) const {
        return *findProfileList(device, kind);
    }
    std::string kindFolder(DeviceKind device) const;
    std::string indexPath(DeviceKind device) const;
    // A default file for every list, payload byte i = (seed + i) mod 251; the keyboard's variant 1
    // files use seed + 1.
    void writeDefaults(std::uint8_t seed = 1);
    // A profile file of the list's kind folder with a patterned payload.
    void writeProfile(const ProfileList& list, const std::string& name, std::uint8_t seed,
                      std::size_t payloadSize = 0);
    // Sets up the list and returns its combo state with nothing selected.
    ProfileListState setUp(const ProfileList& list);
    // A list of `names` written to the index with a patterned file per name.
    ProfileListState makeList(const ProfileList& list, const std::vector<std::string>& names);
};

std::vector<std::uint8_t> patterned(std::size_t size, std::uint8_t seed);
std::vector<std::uint8_t> readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::string readText(const std::string& path);
bool fileExists(const std::string& path);
std::vector<std::string> folderEntries(const std::string& folder);

}  // namespace quillon::testing
