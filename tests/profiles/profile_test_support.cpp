#include "profiles/ProfileTestSupport.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "profiles/ProfileFile.h"

namespace quillon::testing {

ScratchFolder::ScratchFolder() {
    std::string pattern = "/tmp/quillon-profiles-XXXXXX";
    path_ = std::string(::mkdtemp(pattern.data())) + "/";
}

ScratchFolder::~ScratchFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

ProfileFileData ScriptedIo::readProfile(const std::string& path, std::size_t payloadSize) {
    return fails(Op::Read, path) ? ProfileFileData{} : disk_.readProfile(path, payloadSize);
}

int ScriptedIo::writeProfile(const std::string& path, std::uint16_t deviceCode,
                             std::span<const std::uint8_t> payload) {
    ++writes;
    return fails(Op::Write, path) ? -1 : disk_.writeProfile(path, deviceCode, payload);
}

bool ScriptedIo::saveIndex(const IniDocument& index, const std::string& path) {
    ++indexSaves;
    return !fails(Op::SaveIndex, path) && disk_.saveIndex(index, path);
}

bool ScriptedIo::removeFile(const std::string& path) {
    return !fails(Op::Remove, path) && disk_.removeFile(path);
}

std::string ProfileBench::kindFolder(DeviceKind device) const {
    return data.path() + std::string(kindPrefix(device)) + "/";
}

std::string ProfileBench::indexPath(DeviceKind device) const {
    return kindFolder(device) + std::string(kindPrefix(device)) + "Profile.ini";
}

void ProfileBench::writeDefaults(std::uint8_t seed) {
    for (const ProfileList& each : allProfileLists()) {
        for (int variant = 0; variant < 2; ++variant) {
            if (variant == 1 && each.defaultFile(1) == each.defaultFile(0)) {
                break;
            }
            const auto payload =
                patterned(each.payloadSize, static_cast<std::uint8_t>(seed + variant));
            writeBytes(program.path() + std::string(each.defaultFile(variant)),
                       profileFileImage(each.deviceCode(), payload));
        }
    }
}

void ProfileBench::writeProfile(const ProfileList& each, const std::string& name, std::uint8_t seed,
                                std::size_t payloadSize) {
    std::filesystem::create_directories(kindFolder(each.device));
    const auto payload = patterned(payloadSize == 0 ? each.payloadSize : payloadSize, seed);
    writeBytes(kindFolder(each.device) + name + std::string(each.extension()),
               profileFileImage(each.deviceCode(), payload));
}

ProfileListState ProfileBench::setUp(const ProfileList& each) {
    return ProfileListState{store.setUpProfileList(each).entries, -1};
}

ProfileListState ProfileBench::makeList(const ProfileList& each,
                                        const std::vector<std::string>& names) {
    std::filesystem::create_directories(kindFolder(each.device));
    IniDocument index = IniDocument::load(indexPath(each.device));
    index.write(each.sections.count, "count", std::to_string(names.size()));
    for (std::size_t i = 0; i < names.size(); ++i) {
        index.write(each.sections.name, std::to_string(i), names[i]);
        index.write(each.sections.linkFlag, std::to_string(i), "0");
        index.write(each.sections.linkPath, std::to_string(i), " ");
        writeProfile(each, names[i], static_cast<std::uint8_t>(10 * (i + 1)));
    }
    index.save(indexPath(each.device));
    return ProfileListState{names, -1};
}

std::vector<std::uint8_t> patterned(std::size_t size, std::uint8_t seed) {
    std::vector<std::uint8_t> out(size);
    for (std::size_t i = 0; i < size; ++i) {
        out[i] = static_cast<std::uint8_t>((seed + i) % 251);
    }
    return out;
}

std::vector<std::uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool fileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

std::vector<std::string> folderEntries(const std::string& folder) {
    std::vector<std::string> out;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        out.push_back(it->path().filename().string());
    }
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace quillon::testing
