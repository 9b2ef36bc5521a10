#pragma once
// One list's profile panel on its device page: the combo with the list's profiles, the name field,
// the link display and the buttons of the profile operations. The panel keeps the combo's state,
// runs the operations on the store and shows what they did: entries, selection, name field, link
// state, the page and device work, and the message for the user.

#include <optional>
#include <string>

#include "profiles/ProfileOperations.h"
#include "profiles/ProfilePanelNames.h"
#include "toolkit/Toolkit.h"

namespace quillon::app {
class CMainWnd;
}

namespace quillon {

class ProfilePanel {
  public:
    ProfilePanel(const ProfileList& list, app::CMainWnd& main, ProfileStore& store);

    const ProfileList& list() const { return list_; }
    const ProfilePanelNames& names() const { return names_; }
    const ProfileListState& state() const { return state_; }

    // Page set-up: the combo gets the list's entries, none selected (on first use "profile1" is
    // made from the default file). False when the rest of the device's page set-up must stop.
    bool setUp();
    // The selection behaviour for the entry at `position`; a position outside the list does
    // nothing.
    void select(int position);

    // The operations of the panel's buttons.
    void create();
    void copy();
    void rename();
    void remove();
    void importFile();
    void exportFile();
    void reset();
    // Opens the name panel when it is closed and closes it when it is open.
    void toggleNamePanel();

    // The link box became set (a program is chosen and linked) or clear (unlinked).
    void linkBoxChanged(bool selected);
    // The link button: another program for the selected profile.
    void changeLink();
    void unlink();
    // Whether the selected profile is linked now.
    bool selectedLinked() const;
    // The application at `foreground` is in front ("" for none): the profile linked to it is shown,
    // or the user's own selection, which stays the one stored in the index either way.
    void followForeground(const std::string& foreground);

  private:
    void show(const ProfileOutcome& outcome);
    void showLink(const ProfileLinkState& link);
    void setText(const std::string& name, const std::string& text);
    std::optional<std::string> chooseFile(toolkit::FileDialogSpec::Mode mode);
    std::optional<std::string> chooseProgram();
    toolkit::Control* control(const std::string& name) const;

    const ProfileList& list_;
    app::CMainWnd& main_;
    ProfileStore& store_;
    ProfilePanelNames names_;
    ProfileListState state_;
};

}  // namespace quillon
