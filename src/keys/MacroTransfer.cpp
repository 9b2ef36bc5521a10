#include "keys/MacroTransfer.h"

#include <algorithm>

#include "device/Commands.h"
#include "keys/MacroStore.h"
#include "platform/IniFile.h"

namespace quillon::keys {

std::vector<std::string> macroFilesFromIndex(const std::string& folder, DeviceKind kind) {
    const IniDocument index = IniDocument::load(folder + macroIndexName(kind));
    const int n = std::clamp(index.readInt("MACROCOUNT", "count"), 0, kMacroLimit);
    std::vector<std::string> files;
    for (int k = 0; k < n; ++k) {
        const std::string name = index.read("MACRONAME", std::to_string(k));
        files.push_back(isUsableMacroName(name) ? folder + name + ".mac" : std::string{});
    }
    return files;
}

MacroTransferOutcome transferMacros(DeviceChannel& channel, const MacroTransferJob& job) {
    MacroTransferOutcome outcome;
    std::vector<std::string> files = macroFilesFromIndex(job.folder, job.kind);
    if (!files.empty()) {
        const MacroImagePlan plan = planMacroImage(std::move(files));
        if (plan.total > job.capacity) {
            outcome.result = 0;
            outcome.tooLargeBy = actionsOverCapacity(plan.total, job.capacity);
            return outcome;
        }
        const auto image = fillMacroImage(plan);
        if (!image) {
            outcome.result = 0;
            outcome.message = kMsgNoMemory;
            return outcome;
        }
        BeginConfig(channel);
        WriteMacroMemory(channel, *image);
        EndConfig(channel);
        outcome.macrosWritten = true;
    }
    BeginConfig(channel);
    WriteProfileBlock(channel, job.keyTable, job.page);
    EndConfig(channel);
    outcome.keyTableWritten = true;
    return outcome;
}

int transferCursorSequences(DeviceChannel& channel, const CursorFiles& files,
                            std::size_t* imageSize) {
    if (files.sequenceCount() == 0) {
        return 1;
    }
    const MacroImagePlan plan = files.planImage();
    if (plan.total > kCursorImageLimit) {
        return 0;
    }
    const auto image = fillMacroImage(plan);
    if (!image) {
        return 0;
    }
    BeginConfig(channel);
    WriteCursorMemory(channel, *image);
    EndConfig(channel);
    if (imageSize) {
        *imageSize = image->size();
    }
    return 1;
}

}  // namespace quillon::keys
