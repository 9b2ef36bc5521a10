#pragma once
// The save-to-device button of a key page ("ms_key_butt_prosave", "kb_key_butt_prosave"): the
// mouse's cursor sequences first, then every macro of the device kind and the active profile's
// key table go to the device on the transfer worker; afterwards the device profile files are
// saved, or a message says why nothing was written.

#include "device/DeviceKind.h"

namespace quillon::app {
class CMainWnd;
}

namespace quillon::keys {

class TransferRunner;

// False when another transfer is still running (the press is ignored).
bool saveKeysToDevice(app::CMainWnd& main, TransferRunner& transfers, DeviceKind kind);

}  // namespace quillon::keys
