#include "keys/MacroModule.h"

#include "app/MainWindow.h"
#include "app/RouteOrder.h"
#include "keys/CursorPage.h"
#include "keys/MacroEditor.h"
#include "keys/SaveKeysToDevice.h"
#include "keys/TransferRunner.h"
#include "toolkit/InputCapture.h"

namespace quillon::keys {

MacroModule::MacroModule() = default;
MacroModule::~MacroModule() = default;

void MacroModule::install(app::CMainWnd& main) {
    transfers_ = std::make_unique<TransferRunner>(main);
    cursor_ = std::make_unique<CursorPage>(main, *transfers_);
    cursor_->installRoutes();
    mouseMacros_ = std::make_unique<MacroEditor>(main, DeviceKind::Mouse);
    keyboardMacros_ = std::make_unique<MacroEditor>(main, DeviceKind::Keyboard);
    mouseMacros_->installRoutes();
    keyboardMacros_->installRoutes();
    app::Dispatch& d = main.dispatch();
    d.addNamed("click", app::route::kClickTransfer, {"ms_key_butt_prosave"},
               [this, &main](const app::Notification&) {
                   saveKeysToDevice(main, *transfers_, DeviceKind::Mouse);
               });
    d.addNamed("click", app::route::kClickTransfer, {"kb_key_butt_prosave"},
               [this, &main](const app::Notification&) {
                   saveKeysToDevice(main, *transfers_, DeviceKind::Keyboard);
               });
    installRecording(main);
    main.hooks().storeCursorImage = [this](std::span<const std::uint8_t> image) {
        cursor_->storeCursorImage(image);
    };
}

// Captured input reaches the recording page: keys are sent, mouse buttons posted.
void MacroModule::installRecording(app::CMainWnd& main) {
    app::Dispatch& d = main.dispatch();
    const auto keys = [](MacroEditor& editor) {
        return [&editor](const toolkit::Message& m) {
            if (const auto event = toolkit::keyEventOf(m)) {
                const bool down = m.wParam == toolkit::kKeyDown || m.wParam == toolkit::kSysKeyDown;
                editor.recordKey(static_cast<std::uint16_t>(event->vk), event->flags, down);
            }
        };
    };
    const auto buttons = [](MacroEditor& editor) {
        return [&editor](const toolkit::Message& m) {
            editor.recordMouse(static_cast<std::uint32_t>(m.wParam));
        };
    };
    d.addMessage(toolkit::kMsgHookKeyMacro, keys(*keyboardMacros_));
    d.addMessage(toolkit::kMsgHookKeyMacroMouse, buttons(*keyboardMacros_));
    d.addMessage(toolkit::kMsgHookMouseMacro, keys(*mouseMacros_));
    d.addMessage(toolkit::kMsgHookMouseMacroMouse, buttons(*mouseMacros_));
}

void MacroModule::setUpPages(app::CMainWnd&) {
    keyboardMacros_->setUp();
    mouseMacros_->setUp();  // the mouse's index also lists the cursor sequences
    cursor_->setUpSequences();
}

MacroEditor& MacroModule::editor(DeviceKind kind) {
    return kind == DeviceKind::Keyboard ? *keyboardMacros_ : *mouseMacros_;
}

void MacroModule::shutDown(app::CMainWnd&) {
    transfers_->finish();
}

}  // namespace quillon::keys
