#include "keys/KeyPages.h"

#include "app/MainWindow.h"
#include "toolkit/InputCapture.h"

namespace quillon::keys {

int activeProfile(app::CMainWnd& main, DeviceKind kind) {
    const int p = main.model().memory(kind).current.get(0);
    return p < kProfileCount ? p : 0;
}

std::span<std::uint8_t> activeKeyTable(app::CMainWnd& main, DeviceKind kind) {
    DeviceMemory& memory = main.model().memory(kind);
    return memory.keyTables[static_cast<std::size_t>(activeProfile(main, kind))];
}

std::span<const std::uint8_t> factoryKeyTable(app::CMainWnd& main, DeviceKind kind) {
    return main.model().memory(kind).factoryKeyTable;
}

MacroNames macroNamesOf(app::CMainWnd& main, DeviceKind kind) {
    app::CMainWnd* m = &main;
    return {[m, kind] { return m->hooks().macroCount ? m->hooks().macroCount(kind) : 0; },
            [m, kind](int n) {
                return m->hooks().macroName ? m->hooks().macroName(kind, n) : std::string();
            }};
}

void armKeyCapture(app::CMainWnd& main, std::uint8_t mode) {
    main.toolkit().inputCapture().arm(main.window(), static_cast<toolkit::CaptureMode>(mode), true,
                                      false);
}

void removeCapture(app::CMainWnd& main) {
    main.toolkit().inputCapture().remove();
}

std::optional<CapturedKey> keyPressOf(const toolkit::Message& message) {
    // Only presses assign: a release would assign the same key a second time, and a key
    // released after capture was armed was not pressed for it.
    const auto event = toolkit::keyEventOf(message);
    if (!event || !event->down() || event->vk > 0xFFFF ||
        (message.wParam != toolkit::kKeyDown && message.wParam != toolkit::kSysKeyDown)) {
        return std::nullopt;
    }
    return CapturedKey{static_cast<std::uint16_t>(event->vk), event->flags};
}

void saveKeyProfile(app::CMainWnd& main, DeviceKind kind) {
    if (main.hooks().saveSelectedProfile) {
        main.hooks().saveSelectedProfile(kind, SyncHooks::ProfileList::Key);
    }
}

}  // namespace quillon::keys
