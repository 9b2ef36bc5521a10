#pragma once
// Readable names of key functions, used by the tables the default profile files are made from:
//
//   mouse:left|right|middle|back|forward   a mouse button
//   dpi:up|down|cycle                      a DPI function
//   key:<name>                             a keyboard key by name ("key:Esc", "key:Kp7",
//                                          "key:LShift"; letters, digits, F1..F12 and the names
//                                          in KeyFunctionNames.cpp), any case
//   raw:<b0> <b1> <b2>                     three bytes in hexadecimal ("raw:A0 02 02")

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quillon {

using KeyFunctionBytes = std::array<std::uint8_t, 3>;

// The function a name stands for, or nothing when the name is not understood.
std::optional<KeyFunctionBytes> parseKeyFunctionName(std::string_view text);

}  // namespace quillon
