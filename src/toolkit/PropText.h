#pragma once
// Property values as text, the way scenario files and skins write them: booleans "true"/"false",
// numbers in decimal (or hexadecimal with "0x"), colours "0xAARRGGBB".

#include <cstdint>
#include <string>
#include <string_view>

#include "toolkit/Control.h"

namespace quillon::toolkit {

// The value written for `prop`'s type (a colour as "0xAARRGGBB").
std::string formatPropValue(Prop prop, const PropValue& value);
// Reads `text` as a value of `prop`'s type; false when it is not one.
bool parsePropValue(Prop prop, std::string_view text, PropValue& out);

// Lenient conversions between the variant's alternatives.
bool propValueAsBool(const PropValue& value);
std::int64_t propValueAsInt(const PropValue& value);

// A decimal or "0x" hexadecimal integer, optionally negative; false on anything else or overflow.
bool parseInteger(std::string_view text, std::int64_t& out);

}  // namespace quillon::toolkit
