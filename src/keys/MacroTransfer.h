#pragma once
// Writing the macros, the active key table and the cursor sequences to a device. These run on a
// transfer worker: they read the files as they are at that moment, talk to the device through its
// channel (one report at a time under the channel's lock) and return what happened; showing
// messages and saving profile files is left to the caller on the interface thread.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "device/DeviceChannel.h"
#include "device/DeviceModel.h"
#include "keys/CursorSequences.h"

namespace quillon::keys {

inline constexpr std::uint64_t kMacroCapacityUnit = 128;
inline constexpr const char* kMsgMacrosTooLarge = "message_text_16";  // a format: actions over
inline constexpr const char* kMsgNoMemory = "message_text_7";

// The macro files in index order, read from the index now ("" for a name that cannot be a file).
std::vector<std::string> macroFilesFromIndex(const std::string& folder, DeviceKind kind);

struct MacroTransferJob {
    DeviceKind kind = DeviceKind::Mouse;
    std::string folder;          // the device kind's data folder
    std::uint64_t capacity = 0;  // bytes of macro memory: device information byte 6 x 128
    int page = 0;                // the active profile, where the key table goes
    KeyTableBytes keyTable{};    // a copy of the active profile's table
};

struct MacroTransferOutcome {
    int result = 1;                 // 1 when it reached its end, 0 when it stopped at a refusal
    std::uint64_t tooLargeBy = 0;   // actions to remove (the image did not fit); 0 otherwise
    const char* message = nullptr;  // a refusal without a number ("message_text_7")
    bool macrosWritten = false;
    bool keyTableWritten = false;
};

// Macro image (when there are macros and it fits), then the key table; command results are not
// examined, the device may be absent.
MacroTransferOutcome transferMacros(DeviceChannel& channel, const MacroTransferJob& job);

// 1 when it reached its end (also with nothing to send), 0 when the image is over 3072 bytes or
// could not be built. `imageSize` receives the size of the image sent.
int transferCursorSequences(DeviceChannel& channel, const CursorFiles& files,
                            std::size_t* imageSize = nullptr);

}  // namespace quillon::keys
