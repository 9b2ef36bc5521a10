#include "lighting/PaletteRouting.h"

#include "app/MainWindow.h"
#include "app/RouteOrder.h"
#include "lighting/SettingsEdit.h"
#include "lighting/SettingsRecordFields.h"

namespace quillon::lighting {
namespace {

std::uint8_t component(toolkit::Argb colour, int shift) {
    return static_cast<std::uint8_t>((colour >> shift) & 0xFF);
}

}  // namespace

void storeLightingColour(app::CMainWnd& main, DeviceKind kind, toolkit::Argb colour) {
    CurrentRecord& record = main.model().memory(kind).current;
    record.set(record_field::kRed, component(colour, 16));
    record.set(record_field::kGreen, component(colour, 8));
    record.set(record_field::kBlue, component(colour, 0));
    record.set(record_field::kSevenColour, 0);
    if (kind == DeviceKind::Mousepad) {
        settingsEdited(main, kind, {ProfileList::Lighting});
    } else {
        settingsEdited(main, kind, {ProfileList::Lighting, ProfileList::Device});
    }
}

void installPaletteRouting(app::CMainWnd& main) {
    app::Dispatch& d = main.dispatch();
    for (DeviceKind kind : kAllDeviceKinds) {
        const std::string name = std::string(kindPrefix(kind)) + "_deng_Color_Pallet";
        d.addNamed("colorchanged", app::route::kDefault, {name},
                   [&main, kind](const app::Notification& n) {
                       storeLightingColour(main, kind, n.colour);
                   });
    }
    // "Pallet1" is a palette window's own palette: the main window leaves its colour alone.
    d.addNamed("colorchanged", app::route::kDefault, {"Pallet1"}, [](const app::Notification&) {});
}

}  // namespace quillon::lighting
