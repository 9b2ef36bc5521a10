#pragma once
// The words with which people choose simulated devices and their faults, shared by quillonctl and
// the scenario harness:
//   a device list    "mouse,keyboard"      (kinds separated by commas, any case, spaces allowed)
//   a fault          "mouse:silent:3"      (KIND:FAULT[:COUNT], COUNT 1 when left out)
// Parsers return false with a message for people in `error`, and leave `out` alone then.

#include <string>
#include <string_view>
#include <vector>

#include "platform/sim/SimTypes.h"

namespace quillon {

// Each kind once, in the order first named. An empty list or an unknown word is an error.
bool parseSimulateList(std::string_view text, std::vector<SimKind>& out, std::string& error);

// A fault count: decimal or 0x-hexadecimal, 0..1000000.
bool parseSimFaultCount(std::string_view text, int& out, std::string& error);

struct SimFaultSpec {
    SimKind kind = SimKind::Mouse;
    SimFault fault = SimFault::None;
    int count = 1;
};

bool parseSimFaultSpec(std::string_view text, SimFaultSpec& out, std::string& error);

}  // namespace quillon
