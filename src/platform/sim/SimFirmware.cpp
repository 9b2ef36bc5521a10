#include "platform/sim/SimFirmware.h"

#include <algorithm>
#include <span>

#include "platform/sim/SimDescriptors.h"

namespace quillon {
namespace {

enum class Action { Acknowledge, Read, Write, Reset };

struct CommandEntry {
    std::uint8_t code;
    Action action;
    SimRegion region;  // for Read and Write
};

constexpr std::array<CommandEntry, 12> kCommands = {{
    {sim_command::kBeginConfig, Action::Acknowledge, SimRegion::Info},
    {sim_command::kEndConfig, Action::Acknowledge, SimRegion::Info},
    {sim_command::kReadDeviceInfo, Action::Read, SimRegion::Info},
    {sim_command::kReadSettings, Action::Read, SimRegion::Settings},
    {sim_command::kWriteSettings, Action::Write, SimRegion::Settings},
    {sim_command::kReadKeyTable, Action::Read, SimRegion::KeyTable},
    {sim_command::kReadProfileBlock, Action::Read, SimRegion::Pages},
    {sim_command::kWriteProfileBlock, Action::Write, SimRegion::Pages},
    {sim_command::kFactoryReset, Action::Reset, SimRegion::Info},
    {sim_command::kWriteMacroMemory, Action::Write, SimRegion::Macro},
    {sim_command::kReadCursorMemory, Action::Read, SimRegion::Cursor},
    {sim_command::kWriteCursorMemory, Action::Write, SimRegion::Cursor},
}};

// The command as this device knows it, or null.
const CommandEntry* findCommand(const SimMemory& memory, std::uint8_t code) {
    for (const CommandEntry& entry : kCommands) {
        if (entry.code != code) {
            continue;
        }
        const bool needsRegion = entry.action == Action::Read || entry.action == Action::Write;
        return !needsRegion || memory.hasRegion(entry.region) ? &entry : nullptr;
    }
    return nullptr;
}

std::size_t frameAddress(const SimFrame& frame) {
    return static_cast<std::size_t>(frame[sim_frame::kAddress]) |
           static_cast<std::size_t>(frame[sim_frame::kAddress + 1]) << 8;
}

std::uint8_t transfer(SimMemory& memory, const CommandEntry& entry, const SimFrame& request,
                      SimFrame& reply) {
    const std::size_t length = request[sim_frame::kLength];
    if (length > sim_frame::kPayloadSize) {
        return kSimStatusOutOfRange;
    }
    const std::size_t address = frameAddress(request);
    if (entry.action == Action::Read) {
        const std::span<std::uint8_t> out(reply.data() + sim_frame::kPayload, length);
        return memory.read(entry.region, address, out) ? kSimStatusOk : kSimStatusOutOfRange;
    }
    const std::span<const std::uint8_t> in(request.data() + sim_frame::kPayload, length);
    return memory.write(entry.region, address, in) ? kSimStatusOk : kSimStatusOutOfRange;
}

}  // namespace

std::uint16_t simFrameChecksum(const SimFrame& frame) {
    unsigned sum = 0;
    for (std::size_t i = sim_frame::kCommand; i < frame.size(); ++i) {
        sum += frame[i];
    }
    return static_cast<std::uint16_t>(sum & 0xFFFF);
}

void simSealFrame(SimFrame& frame) {
    const std::uint16_t sum = simFrameChecksum(frame);
    frame[sim_frame::kChecksum] = static_cast<std::uint8_t>(sum & 0xFF);
    frame[sim_frame::kChecksum + 1] = static_cast<std::uint8_t>(sum >> 8);
}

SimFrame simStatusReply(const SimFrame& request, std::uint8_t status) {
    SimFrame reply{};
    reply[sim_frame::kReportId] = request[sim_frame::kReportId];
    std::copy_n(request.begin() + sim_frame::kCommand, sim_frame::kStatus - sim_frame::kCommand,
                reply.begin() + sim_frame::kCommand);
    reply[sim_frame::kStatus] = status;
    simSealFrame(reply);
    return reply;
}

SimFrame simRunFirmware(SimMemory& memory, const SimFrame& request) {
    if (request[sim_frame::kReportId] != kSimConfigReportId) {
        return simStatusReply(request, kSimStatusRejected);
    }
    const std::uint8_t code = request[sim_frame::kCommand];
    const CommandEntry* entry = findCommand(memory, code);
    if (entry != nullptr && entry->action == Action::Reset) {
        memory.factoryReset();
        return simStatusReply(request, kSimStatusOk);
    }
    const std::uint16_t claimed = static_cast<std::uint16_t>(
        request[sim_frame::kChecksum] | request[sim_frame::kChecksum + 1] << 8);
    if (entry == nullptr || claimed != simFrameChecksum(request)) {
        return simStatusReply(request, kSimStatusRejected);
    }
    if (entry->action == Action::Acknowledge) {
        return simStatusReply(request, kSimStatusOk);
    }
    SimFrame reply = simStatusReply(request, kSimStatusOk);
    reply[sim_frame::kStatus] = transfer(memory, *entry, request, reply);
    if (reply[sim_frame::kStatus] != kSimStatusOk) {
        std::fill(reply.begin() + sim_frame::kPayload, reply.end(), 0);
    }
    simSealFrame(reply);
    return reply;
}

}  // namespace quillon
