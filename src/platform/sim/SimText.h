#pragma once
// Small text helpers shared by the simulated devices' name and option parsers.

#include <cstdint>
#include <string_view>

namespace quillon {

// Whether two words are equal, ignoring ASCII case.
bool sameWordNoCase(std::string_view a, std::string_view b);

// The text without leading and trailing spaces and tabs.
std::string_view trimSpaces(std::string_view text);

// A whole number written in decimal or in hexadecimal with "0x"; false for anything else (signs,
// trailing text, empty text, values above `limit`).
bool parseWholeNumber(std::string_view text, std::uint64_t limit, std::uint64_t& out);

}  // namespace quillon
