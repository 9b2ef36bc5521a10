#pragma once
// Macro names as the labels need them, read from a device kind's macro index file ("msMacro.ini"
// in the mouse's folder, "kbMacro.ini" in the keyboard's): the count from "MACROCOUNT", the
// names from "MACRONAME". The macro editor keeps these files; this reader only looks.

#include <string>

#include "device/DeviceKind.h"

namespace quillon::keys {

// The index file of a device kind inside the data folder (which ends with "/").
std::string macroIndexFile(const std::string& dataDir, DeviceKind kind);
// The count the index gives, 0 for a missing file, a negative or an unreadable count.
int readMacroCount(const std::string& indexFile);
std::string readMacroName(const std::string& indexFile, int n);

}  // namespace quillon::keys
