#pragma once
// A profile combo's entries: each shows the profile's name and carries it as its identity.

#include <string>
#include <vector>

#include "toolkit/Control.h"

namespace quillon {

inline constexpr int kProfileEntryHeight = 25;
inline constexpr const char* kProfileEntryStyle = "listex_item_style";

// An entry for `name`; entries added after the page set-up carry the list entry style.
toolkit::Item profileComboItem(const std::string& name, bool styled);

// The identities of the combo's entries, in order.
std::vector<std::string> profileComboNames(const toolkit::Control& combo);

// Brings the combo's entries to `names` with the fewest edits, so the entries that stay keep
// their look: a renamed entry is rewritten, an appended one added, a removed one taken out;
// anything else rebuilds the entries. Entries never notify; the caller sets the selection.
void showProfileEntries(toolkit::Control& combo, const std::vector<std::string>& names);

}  // namespace quillon
