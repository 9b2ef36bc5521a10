#pragma once
// The keyboard's key page ("kb_Key_UI"): 126 key buttons "kb_key_0".."kb_key_125" in the keyboard
// layout's six rows of 21. While the assignment option "kb_key_Op_tab" is selected, a click on a
// key shows its function in the function editor, and every change is stored at once in the
// active keyboard profile's key table; the key's tooltip and remapped marker show it.

#include <optional>
#include <string_view>

#include "keys/FunctionEditor.h"
#include "keys/KeyFunction.h"
#include "keys/KeyboardLayout.h"

namespace quillon::app {
class CMainWnd;
}

namespace quillon::keys {

class KeyboardKeyPage {
  public:
    explicit KeyboardKeyPage(app::CMainWnd& main);

    void install();

    // The keyboard's memory was read: positions are matched to device keys again.
    void rebuildPositionMap();
    const KeyPositionMap& positionMap() const { return map_; }

    void clickKey(int position);
    void showKey(int position);
    void chooseKeyCategory(int item);
    void commitKey();
    void clampAndCommit(std::string_view editName);
    void captureKey(std::uint16_t vk, std::uint32_t flags);
    void restoreKey();
    void refreshKeyLabels(int profile);

    int selectedKey() const { return key_; }

  private:
    void installRoutes();
    void showDeviceKey(int key);
    int keyCount() const;
    KeyFunction factory() const;

    app::CMainWnd& main_;
    FunctionEditor editor_;
    KeyPositionMap map_;
    int key_ = -1;  // no key selected yet
    KeyFunction pending_;
    KeyFunction captured_;
};

}  // namespace quillon::keys
