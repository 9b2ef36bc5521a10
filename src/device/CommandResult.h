#pragma once
// The result of a device command: 1 for success, 0 or a negative code for failure. Results travel
// as plain integers so that callers may ignore them, compare them or print them.

#include <cstdint>
#include <string_view>

namespace quillon {

using CommandResult = std::int32_t;

inline constexpr CommandResult kCommandOk = 1;
// The channel is not connected, or the device did not answer any of the attempts.
inline constexpr CommandResult kCommandNoAnswer = 0;
inline constexpr CommandResult kCommandWriteFailed = -1;
inline constexpr CommandResult kCommandStatusFF = -102;
inline constexpr CommandResult kCommandStatusFE = -103;
inline constexpr CommandResult kCommandBadPage = -201;
// A length or buffer that does not fit the command (a caller's mistake); nothing is sent.
inline constexpr CommandResult kCommandBadLength = -202;
// The device answered with a value the host cannot use (an active profile number above 4, a
// cursor image header of an impossible length); the model keeps what it held.
inline constexpr CommandResult kCommandBadAnswer = -203;
// A file the operation had to write could not be written; the old file is left in place.
inline constexpr CommandResult kFileWriteFailed = -301;

// A short English name for messages: "success", "no answer", "write failed", ...
std::string_view commandResultName(CommandResult result);

}  // namespace quillon
