// Saving the keyboard's factory key table as the default device profile of its variant.

#include <string>

#include "device/Commands.h"
#include "device/MemorySync.h"
#include "device/SyncSteps.h"
#include "platform/FileIo.h"

namespace quillon {
namespace {

constexpr std::size_t kProfileHeaderSize = 16;
constexpr std::uint8_t kKeyboardDeviceCode = 1;

// A keyboard profile file: magic 0xAA 0x55, two reserved zero bytes, device code 1 (16-bit little
// endian), ten zero bytes, then the table.
std::string keyboardProfileFile(const KeyTableBytes& table) {
    std::string file(kProfileHeaderSize, '\0');
    file[0] = static_cast<char>(kImageMagic & 0xFF);
    file[1] = static_cast<char>(kImageMagic >> 8);
    file[4] = static_cast<char>(kKeyboardDeviceCode);
    file.append(table.begin(), table.end());
    return file;
}

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/') {
        return folder + name;
    }
    return folder + "/" + name;
}

}  // namespace

std::string keyboardFactoryFileName(int keyboardVariant) {
    return keyboardVariant == 1 ? "kbdevice15default.config" : "kbdevicedefault.config";
}

CommandResult SaveKeyboardFactoryTable(DeviceModel& model, DeviceChannel& channel,
                                       const std::string& folder, const SyncHooks& hooks) {
    if (!channel.connected()) {
        return kCommandNoAnswer;
    }
    DeviceMemory& memory = model.memory(DeviceKind::Keyboard);
    const CommandResult result =
        sync::readRegion(memory.factoryKeyTable,
                         [&](std::span<std::uint8_t> s) { return ReadKeyTable(channel, s); });
    if (hooks.rebuildKeyPositionMap) {
        hooks.rebuildKeyPositionMap();
    }
    if (result != kCommandOk) {
        return result;  // a table that did not arrive whole never replaces the default file
    }
    const std::string path = joinPath(folder, keyboardFactoryFileName(model.keyboardVariant));
    return writeFileAtomically(path, keyboardProfileFile(memory.factoryKeyTable))
               ? kCommandOk
               : kFileWriteFailed;
}

}  // namespace quillon
