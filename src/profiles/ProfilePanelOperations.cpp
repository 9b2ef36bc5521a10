// The buttons of a profile panel.
#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "profiles/ProfileMessages.h"
#include "profiles/ProfilePanel.h"

namespace quillon {
namespace {

std::string trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// "(*.pro) | *.pro ||" as the chooser's pairs of description and pattern: {"(*.pro)", "*.pro"}.
std::vector<std::pair<std::string, std::string>> chooserFilters(std::string_view filter) {
    std::vector<std::string> parts;
    for (std::size_t start = 0; start <= filter.size();) {
        const std::size_t bar = std::min(filter.find('|', start), filter.size());
        if (std::string part = trimmed(filter.substr(start, bar - start)); !part.empty()) {
            parts.push_back(std::move(part));
        }
        start = bar + 1;
    }
    std::vector<std::pair<std::string, std::string>> pairs;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        pairs.emplace_back(parts[i], parts[i + 1]);
    }
    return pairs;
}

}  // namespace

void ProfilePanel::create() {
    show(newProfile(store_, list_, state_));
}

void ProfilePanel::copy() {
    show(copyProfile(store_, list_, state_));
}

void ProfilePanel::rename() {
    const toolkit::Control* field = control(names_.nameField);
    show(renameProfile(store_, list_, state_, field != nullptr ? field->text() : std::string()));
}

void ProfilePanel::remove() {
    if (const char* refusal = deleteRefusal(state_)) {
        main_.dialogs().showMessage(refusal);
        return;
    }
    if (!state_.hasSelection() ||
        main_.dialogs().showMessage(profile_message::kConfirmDelete) != 1) {
        return;
    }
    show(deleteProfile(store_, list_, state_));
}

void ProfilePanel::importFile() {
    if (!state_.hasSelection()) {
        return;
    }
    if (const std::optional<std::string> path = chooseFile(toolkit::FileDialogSpec::Mode::Open)) {
        show(importProfile(store_, list_, state_, *path));
    }
}

void ProfilePanel::exportFile() {
    if (!state_.hasSelection()) {
        return;
    }
    if (const std::optional<std::string> path = chooseFile(toolkit::FileDialogSpec::Mode::Save)) {
        show(exportProfile(store_, list_, state_, *path));
    }
}

void ProfilePanel::reset() {
    show(resetProfile(store_, list_));
}

void ProfilePanel::toggleNamePanel() {
    if (toolkit::Control* panel = control(names_.namePanel)) {
        panel->setVisible(!panel->visible());
    }
}

// Import and export offer the list's own files ("*.config", "*.pro" or "*.led"); saving asks
// before it replaces a file.
std::optional<std::string> ProfilePanel::chooseFile(toolkit::FileDialogSpec::Mode mode) {
    const ProfileFileFilter filter = profileFileFilter(list_);
    toolkit::FileDialogSpec spec;
    spec.mode = mode;
    const bool opening = mode == toolkit::FileDialogSpec::Mode::Open;
    spec.title = main_.toolkit().translate(opening ? "profile_import" : "profile_export");
    spec.filters = chooserFilters(filter.filter);
    spec.initialName = filter.initialName;
    spec.defaultExtension = filter.defaultExtension;
    std::optional<std::string> path = main_.toolkit().fileDialog(spec);
    if (path && path->empty()) {
        return std::nullopt;
    }
    return path;
}

}  // namespace quillon
