#include "keys/SaveKeysToDevice.h"

#include <string>

#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "keys/MacroImage.h"
#include "keys/MacroTransfer.h"
#include "keys/TransferRunner.h"

namespace quillon::keys {
namespace {

// What the interface says and saves once the worker is done.
void finishOnInterface(app::CMainWnd& main, DeviceKind kind, const MacroTransferOutcome& outcome) {
    if (outcome.tooLargeBy > 0) {
        const std::string format = main.toolkit().translate(kMsgMacrosTooLarge);
        main.dialogs().showMessageBox(
            formatWithNumber(format, static_cast<std::int64_t>(outcome.tooLargeBy)), false);
        return;
    }
    if (outcome.message) {
        main.dialogs().showMessage(outcome.message);
        return;
    }
    const auto& save = main.hooks().saveSelectedProfile;
    if (!save) {
        return;
    }
    if (kind == DeviceKind::Keyboard) {
        save(kind, SyncHooks::ProfileList::Key);
    }
    save(kind, SyncHooks::ProfileList::Device);
}

}  // namespace

bool saveKeysToDevice(app::CMainWnd& main, TransferRunner& transfers, DeviceKind kind) {
    // Everything the worker needs from the model is copied here, on the interface thread.
    const DeviceMemory& memory = main.model().memory(kind);
    MacroTransferJob job;
    job.kind = kind;
    job.folder = main.paths().dataDir + std::string(kindPrefix(kind)) + "/";
    job.capacity = memory.info[6] * kMacroCapacityUnit;
    job.page = memory.current.get(0);
    if (job.page >= 0 && job.page < kProfileCount) {
        job.keyTable = memory.keyTables[static_cast<std::size_t>(job.page)];
    }
    DeviceChannel& channel = main.channel(kind);
    const bool mouse = kind == DeviceKind::Mouse;
    const CursorFiles cursor(main.paths().dataDir + "ms/", main.paths().programDir);
    app::CMainWnd* window = &main;
    return transfers.start([=, &channel](const TransferRunner::Post& post) {
        if (mouse) {
            transferCursorSequences(channel, cursor);
        }
        const MacroTransferOutcome outcome = transferMacros(channel, job);
        post([window, kind, outcome] { finishOnInterface(*window, kind, outcome); });
    });
}

}  // namespace quillon::keys
