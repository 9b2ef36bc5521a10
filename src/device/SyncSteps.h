#pragma once
// Steps shared by the memory operations: reading into a scratch copy of a model region, the
// device's active profile number, adopting a profile record as the current record.

#include <algorithm>
#include <span>

#include "device/CommandResult.h"
#include "device/DeviceChannel.h"
#include "device/DeviceModel.h"
#include "device/MemorySync.h"

namespace quillon::sync {

// Remembers the first result that was not a success.
class Outcome {
  public:
    void note(CommandResult result) {
        if (first_ == kCommandOk && result != kCommandOk) {
            first_ = result;
        }
    }
    CommandResult result() const { return first_; }

  private:
    CommandResult first_ = kCommandOk;
};

// Runs `read` on a copy of `region` and stores the copy back: the region changes exactly where
// the transfer delivered bytes.
template <typename Read>
CommandResult readRegion(std::span<std::uint8_t> region, Read read) {
    std::array<std::uint8_t, kKeyTableSize> scratch{};
    const std::size_t n = std::min(region.size(), scratch.size());
    std::copy_n(region.begin(), n, scratch.begin());
    const CommandResult result = read(std::span<std::uint8_t>(scratch).first(n));
    std::copy_n(scratch.begin(), n, region.begin());
    return result;
}

// Reads the byte at settings address 0. A number above 4 is kCommandBadAnswer.
CommandResult readActiveProfile(DeviceChannel& channel, int& active);
// 56 bytes of profile p's record at p x 64 into bytes 0..55 of its table entry.
CommandResult readProfileRecord(DeviceChannel& channel, DeviceMemory& memory, int p);
// Current record := the first bytes of entry p, byte 0 := p.
void adoptRecord(DeviceMemory& memory, int p);
// Bytes 0..k-1 of the entry named by the current record's byte 0 := the current record (nothing
// when that byte is not a profile number).
void keepCurrentRecord(DeviceMemory& memory);
void callSave(const SyncHooks& hooks, DeviceKind kind, SyncHooks::ProfileList list);

}  // namespace quillon::sync
