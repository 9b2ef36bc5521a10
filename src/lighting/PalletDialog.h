#pragma once
// CPalletDialog: the small modal window in which the user picks a colour. It shows a colour
// palette, a sample of the chosen colour, 30 preset colours and OK and close buttons, and gives
// the chosen colour back when it was closed with OK.

#include <optional>
#include <string>

#include "toolkit/Toolkit.h"

namespace quillon::lighting {

inline constexpr const char* kPalletSkin = "GmPalletDialog.xml";
inline constexpr int kPalletOk = 1;
inline constexpr int kPalletClosed = 2;

class CPalletDialog final : public toolkit::WindowHandler {
  public:
    CPalletDialog(toolkit::Toolkit& toolkit, toolkit::Argb startColour);

    // Shows the window modally beside the mouse pointer. kPalletOk when it was closed with OK
    // (colour() then holds the choice), kPalletClosed otherwise, also when the window's layout
    // cannot be loaded.
    int doModal(toolkit::Window* owner);
    toolkit::Argb colour() const { return colour_; }

    void notify(const toolkit::Notification& notification) override;

  private:
    void showColour(toolkit::Argb colour);
    void confirm();
    void placeBesidePointer();

    toolkit::Toolkit& toolkit_;
    toolkit::Argb colour_;
    toolkit::Window* window_ = nullptr;
    toolkit::Control* palette_ = nullptr;
    toolkit::Control* sample_ = nullptr;
};

// Opens the palette on `start`; the chosen colour when the user confirmed it.
std::optional<toolkit::Argb> pickColour(toolkit::Toolkit& toolkit, toolkit::Window* owner,
                                        toolkit::Argb start);

}  // namespace quillon::lighting
