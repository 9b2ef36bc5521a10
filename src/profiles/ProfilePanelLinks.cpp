// The link controls of a profile panel, and the switching to the profile linked to the application
// in front.

#include "app/MainWindow.h"
#include "profiles/ProfileLinks.h"
#include "profiles/ProfilePanel.h"

namespace quillon {

std::optional<std::string> ProfilePanel::chooseProgram() {
    toolkit::FileDialogSpec spec;
    spec.mode = toolkit::FileDialogSpec::Mode::Open;
    // Programs on Linux have no extension of their own; Windows programs run through a
    // compatibility layer keep theirs.
    spec.filters = {{"(*)", "*"}, {"(*.exe)", "*.exe"}};
    return main_.toolkit().fileDialog(spec);
}

void ProfilePanel::linkBoxChanged(bool selected) {
    if (!selected) {
        unlink();
        return;
    }
    const std::optional<std::string> chosen = chooseProgram();
    show(linkProfile(store_, list_, state_, chosen));
}

void ProfilePanel::changeLink() {
    if (!state_.hasSelection()) {
        return;
    }
    const std::optional<std::string> chosen = chooseProgram();
    show(changeProfileLink(store_, list_, state_, chosen));
}

void ProfilePanel::unlink() {
    show(unlinkProfile(store_, list_, state_));
}

bool ProfilePanel::selectedLinked() const {
    return state_.hasSelection() &&
           store_.readIndex(list_.device).linkFlag(list_, state_.selected) == "1";
}

void ProfilePanel::followForeground(const std::string& foreground) {
    const int count = static_cast<int>(state_.entries.size());
    if (count == 0) {
        return;
    }
    const ProfileIndex index = store_.readIndex(list_.device);
    const int own = index.selected(list_);
    const int wanted = positionForForeground(index, list_, count, foreground);
    if (wanted == state_.selected) {
        return;  // the usual pass: nothing changes, nothing is written
    }
    select(wanted);
    // The selection above stored the linked position; the user's own choice goes back, so that it
    // returns when the application leaves the front and after a restart.
    if (wanted == own) {
        return;
    }
    if (std::optional<ProfileIndex> stored = store_.readIndexForUpdate(list_.device)) {
        stored->setSelected(list_, own);
        store_.writeIndex(list_.device, *stored);
    }
}

}  // namespace quillon
