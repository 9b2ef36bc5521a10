#pragma once
// The main window's palette notifications: a colour chosen in a lighting page's palette becomes
// that device's lighting colour. The lighting pages store their own colour pickers' choices the
// same way.

#include "device/DeviceKind.h"
#include "toolkit/Control.h"

namespace quillon::app {
class CMainWnd;
class Dispatch;
}  // namespace quillon::app

namespace quillon::lighting {

// Red, green and blue of `colour` become the lighting colour of the device's current record and
// the changing-colours flag is cleared; the device is marked write-pending and its lighting
// profile (and, for the mouse and the keyboard, its device profile) is saved.
void storeLightingColour(app::CMainWnd& main, DeviceKind kind, toolkit::Argb colour);

void installPaletteRouting(app::CMainWnd& main);

}  // namespace quillon::lighting
