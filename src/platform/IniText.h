#pragma once
// The text rules of private-profile files: how names compare, how values are trimmed, unquoted,
// cut and quoted again, and how numbers are read.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillon::ini {

std::string_view trim(std::string_view text);
// ASCII letters to lower case; other bytes (UTF-8 names) are compared as written.
std::string fold(std::string_view text);
bool isBlank(std::string_view text);

// A trimmed value as read back: without the quotes when it is wholly in matching quotes.
std::string_view unquote(std::string_view trimmed);
// The text to write so that the value reads back exactly (quoted when it would not).
std::string quoteIfNeeded(std::string_view value);

// The first `limit` characters; a UTF-8 sequence counts as one character and is never split.
std::string_view cutToCharacters(std::string_view text, std::size_t limit);
// Leading decimal number with an optional sign, clamped to int; 0 when there is none.
int leadingInt(std::string_view text);

// What one line of a private-profile file is. Names are trimmed but not folded; a key's value is
// trimmed and unquoted. Views point into the line.
struct LineView {
    enum class Kind { Other, Section, Key };
    Kind kind = Kind::Other;
    std::string_view name;
    std::string_view value;
};
LineView classify(std::string_view line);
bool equalsFolded(std::string_view text, std::string_view folded);

// The value of `key` in `section` read straight from a file's text, without building a document;
// the same rules as IniDocument (first occurrence wins). Nothing when missing.
std::optional<std::string_view> scanValue(std::string_view text, std::string_view section,
                                          std::string_view key);

bool isWritableValue(std::string_view value);
bool isWritableSection(std::string_view section);
bool isWritableKey(std::string_view key);

}  // namespace quillon::ini
