#include "profiles/ProfilePanel.h"

#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "profiles/ProfileCombo.h"
#include "profiles/ProfileEffects.h"
#include "profiles/ProfileLinks.h"

namespace quillon {

ProfilePanel::ProfilePanel(const ProfileList& list, app::CMainWnd& main, ProfileStore& store)
    : list_(list), main_(main), store_(store), names_(profilePanelNames(list)) {}

toolkit::Control* ProfilePanel::control(const std::string& name) const {
    return name.empty() ? nullptr : main_.find(name);
}

void ProfilePanel::setText(const std::string& name, const std::string& text) {
    if (toolkit::Control* c = control(name)) {
        c->setText(text);
    }
}

bool ProfilePanel::setUp() {
    SetUpOutcome outcome = store_.setUpProfileList(list_);
    state_.entries = std::move(outcome.entries);
    state_.selected = -1;
    if (toolkit::Control* combo = control(names_.combo)) {
        combo->clearItems();
        for (const std::string& name : state_.entries) {
            combo->addItem(profileComboItem(name, false));
        }
    }
    if (outcome.message != nullptr) {
        main_.dialogs().showMessage(outcome.message);
    }
    return !outcome.stopDevicePage;
}

void ProfilePanel::select(int position) {
    show(selectProfile(store_, list_, state_, position));
}

void ProfilePanel::show(const ProfileOutcome& outcome) {
    toolkit::Control* combo = control(names_.combo);
    if (combo != nullptr && outcome.entriesChanged) {
        showProfileEntries(*combo, state_.entries);
    }
    if (combo != nullptr && (outcome.entriesChanged || outcome.selectionChanged)) {
        combo->selectItem(state_.selected, toolkit::Notify::No);
    }
    if (outcome.nameField) {
        setText(names_.nameField, *outcome.nameField);
    }
    if (outcome.link) {
        showLink(*outcome.link);
    }
    carryOutProfileActions(main_, list_, outcome);
    if (outcome.message != nullptr) {
        main_.dialogs().showMessage(outcome.message);
    }
}

// The link box shows whether the selected profile is linked to an application; the name row,
// shown only for a link to a full path, shows the application's file name.
void ProfilePanel::showLink(const ProfileLinkState& link) {
    const std::size_t cut = link.path.find_last_of("/\\");
    const bool named = link.linked && cut != std::string::npos;
    toolkit::Control* check = control(names_.linkCheck);
    // Clearing a set box unlinks the selected profile, which also clears a leftover path.
    if (!link.linked && check != nullptr && check->selected() && state_.hasSelection()) {
        unlinkProfile(store_, list_, state_);
    }
    if (check != nullptr) {
        check->setSelected(link.linked, toolkit::Notify::No);
    }
    setText(names_.linkName, named ? link.path.substr(cut + 1) : std::string(kNoLinkPath));
    if (toolkit::Control* row = control(names_.linkRow)) {
        row->setVisible(named);
    }
}

}  // namespace quillon
