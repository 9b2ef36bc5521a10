#pragma once
// Reading scenario files: one command per line, arguments separated by spaces, double quotes
// around an argument with spaces (\" and \\ inside), "" for the empty argument, "#" beginning a
// comment outside quotes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::scenario {

struct ScriptLine {
    int number = 0;  // 1-based line in the file
    std::vector<std::string> args;
};

struct ScriptError {
    int line = 0;
    std::string message;
};

// Splits a file into its command lines (blank and comment lines dropped). On a malformed line
// (an unclosed quote, a bad escape) returns false with the line and the reason.
bool parseScript(std::string_view text, std::vector<ScriptLine>& out, ScriptError& error);

// "123" or "0x7B"; nothing for anything else or a value beyond 64 bits.
std::optional<std::int64_t> parseNumber(std::string_view text);
// Hexadecimal pairs, optionally separated by "." ("04.01.00" or "040100").
std::optional<std::vector<std::uint8_t>> parseHex(std::string_view text);
std::string toHex(const std::uint8_t* data, std::size_t size);

}  // namespace quillon::scenario
