#pragma once
// The mouse's button page ("MS_Key_UI", page 2 of "ms_tab_switch"): the seven buttons
// "ms_key_0".."ms_key_6" on a picture of the mouse, and the function editor that changes the
// function of the selected button in the active device profile's key table.

#include <optional>
#include <string_view>

#include "keys/FunctionEditor.h"
#include "keys/KeyFunction.h"

namespace quillon::app {
class CMainWnd;
}

namespace quillon::keys {

inline constexpr int kMouseButtons = 7;
// The buttons the left-button rule looks at: a table must keep one left button among them.
inline constexpr int kLeftButtonRuleKeys = 9;

class MouseButtonPage {
  public:
    explicit MouseButtonPage(app::CMainWnd& main);

    void install();

    void showButton(int key);
    void chooseCategory(int item);
    void commitButton();
    void clampAndCommit(std::string_view editName);
    void captureSingleKey(std::uint16_t vk, std::uint32_t flags);
    void restoreButton();
    void refreshLabels(int profile);

    int selectedButton() const { return key_; }

  private:
    void installRoutes();
    bool lastLeftButton(int key) const;
    KeyFunction factory() const;

    app::CMainWnd& main_;
    FunctionEditor editor_;
    int key_ = -1;  // no button selected yet
    KeyFunction pending_;
    KeyFunction captured_;
};

}  // namespace quillon::keys
