#pragma once
// The macro editor of one key page (the mouse's with controls "ms_...", the keyboard's with
// "kb_..."): the device kind's macros with their names, the actions of the selected macro and
// the tools that change them. The action list is edited in memory and reaches the macro file only
// with save; while an edit is pending (the save and cancel panel shows) another macro cannot be
// chosen, created or deleted, and the page cannot be left.

#include <string>
#include <vector>

#include "device/DeviceKind.h"
#include "keys/MacroRecorder.h"
#include "keys/MacroStore.h"

namespace quillon::app {
class CMainWnd;
}
namespace quillon::toolkit {
class Control;
}

namespace quillon::keys {

class MacroEditor {
  public:
    MacroEditor(app::CMainWnd& main, DeviceKind kind);

    void installRoutes();
    // Reads the index, fills the lists and shows the last macro.
    void setUp();

    // Macros.
    void selectMacro(int i);
    void newMacro();
    void renameMacro();
    void deleteMacro();
    void importMacro();
    void exportMacro();
    void save();
    void cancel();

    // Actions.
    void selectAction(int a);
    void moveAction(int to);  // to: -1 up, +1 down, -2 top, +2 bottom
    void deleteAction();
    void deleteAllActions();
    void chooseKey(int r);
    void chooseDirection(int p);
    void chooseMouseAction(int c);
    void delayTyped(const std::string& edit, const std::string& text);
    void distanceTyped(const std::string& text);
    void insertMouseAction(std::uint8_t kind, std::uint8_t code, const char* label);
    void insertMove(std::uint8_t kind, const std::string& edit, const char* label);
    void toggleInsertPanel(const std::string& name);
    void showInsertPanel(bool shown);
    void startStopRecording();
    // Input delivered while recording: a key event (Windows virtual-key code, low-level flags) or
    // a mouse message.
    void recordKey(std::uint16_t vk, std::uint32_t flags, bool down);
    void recordMouse(std::uint32_t message);
    // What recording wants: the keyboard, the mouse.
    bool wantsKeyboard() const;
    bool wantsMouse() const;

    bool pending() const;
    bool recording() const { return recorder_.recording(); }
    const std::vector<MacroAction>& actions() const { return actions_; }
    MacroStore& store() { return store_; }
    int selectedMacro() const { return macro_; }

  private:
    std::string name(std::string_view suffix) const { return prefix_ + std::string(suffix); }
    toolkit::Control* find(std::string_view suffix) const;
    void setEnabled(std::string_view suffix, bool enabled) const;
    void setVisible(std::string_view suffix, bool visible) const;
    void show(const MacroResult& result);

    void rebuildRows();
    void loadSelected();
    void editingStarted();  // the name list stops taking input; the panel shows when not empty
    void setPending(bool pending);
    void enableMacroTools(bool enabled);
    void fillNameControls();
    void showActionEditor();
    void replaceSelected(const MacroAction& action);
    bool keysUse(int macro) const;
    void renumberKeys(int removed);
    void refreshLabels();
    void keyFunctionComboChanged();
    RecordingOptions recordingOptions() const;
    bool checked(std::string_view suffix) const;
    void recorded();

    app::CMainWnd& main_;
    DeviceKind kind_;
    std::string prefix_;  // "ms_" or "kb_"
    MacroStore store_;
    std::vector<MacroAction> actions_;
    int macro_ = -1;
    int action_ = -1;
    MacroRecorder recorder_;
    bool renaming_ = false;
};

}  // namespace quillon::keys
