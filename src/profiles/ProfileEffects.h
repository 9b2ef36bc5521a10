#pragma once
// The page and device work that follows a profile operation: the refreshes of the pages (through
// the page hooks), the desktop's pointer settings, the key function panels and the writes to the
// device. The model, the write-pending flags and the files were already changed by the operation.

#include "profiles/ProfileList.h"
#include "profiles/ProfileOutcome.h"

namespace quillon::app {
class CMainWnd;
}

namespace quillon {

// Runs the work that `outcome.actions` asks for, for an operation on `list`. Device commands go
// out on the interface thread without a bracket; a device that is not connected gets nothing and
// a command that fails is not reported.
void carryOutProfileActions(app::CMainWnd& main, const ProfileList& list,
                            const ProfileOutcome& outcome);

}  // namespace quillon
