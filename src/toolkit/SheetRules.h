#pragma once
// The skin's style sheet taken apart into its rules, so that a control can be given only the rules
// that can select it or the parts it is made of: a sheet parsed once per control costs that
// control's share of the rules, not the whole file's.

#include <string>
#include <string_view>
#include <vector>

namespace quillon::toolkit {

struct SheetRule {
    std::string text;                   // "selectors { declarations }", comments removed
    std::vector<std::string> subjects;  // class each selector selects ("*" for any), in order
};

// Splits a style sheet into its top-level rules. Comments are dropped; an "@" rule, a rule
// without a selector and an unterminated block at the end are left out.
std::vector<SheetRule> splitSheet(std::string_view sheet);

// The rules whose selectors select one of `classes` or any class ("*"), joined in their order in
// the sheet.
std::string rulesSelecting(const std::vector<SheetRule>& rules,
                           const std::vector<std::string>& classes);

}  // namespace quillon::toolkit
