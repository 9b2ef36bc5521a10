#pragma once
// Macros and cursor sequences in the main window: the mouse's cursor tab, the transfers to the
// devices (run on a transfer worker) and the macro stores of both devices.

#include <memory>

#include "app/Module.h"
#include "device/DeviceKind.h"

namespace quillon::keys {

class CursorPage;
class MacroEditor;
class TransferRunner;

class MacroModule final : public app::Module {
  public:
    MacroModule();
    MacroEditor& editor(DeviceKind kind);
    ~MacroModule() override;

    void install(app::CMainWnd& main) override;
    void setUpPages(app::CMainWnd& main) override;
    void shutDown(app::CMainWnd& main) override;

  private:
    void installRecording(app::CMainWnd& main);

    std::unique_ptr<TransferRunner> transfers_;
    std::unique_ptr<CursorPage> cursor_;
    std::unique_ptr<MacroEditor> mouseMacros_;
    std::unique_ptr<MacroEditor> keyboardMacros_;
};

}  // namespace quillon::keys
