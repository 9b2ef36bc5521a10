#include "keys/MacroIndexNames.h"

#include <algorithm>

#include "platform/IniFile.h"

namespace quillon::keys {
namespace {

constexpr int kMaxMacros = 50;

}  // namespace

std::string macroIndexFile(const std::string& dataDir, DeviceKind kind) {
    const std::string prefix(kindPrefix(kind));
    return dataDir + prefix + "/" + prefix + "Macro.ini";
}

int readMacroCount(const std::string& indexFile) {
    // More than the store ever keeps is not an index this program wrote.
    return std::clamp(IniFile(indexFile).readInt("MACROCOUNT", "count", 0), 0, kMaxMacros);
}

std::string readMacroName(const std::string& indexFile, int n) {
    return IniFile(indexFile).read("MACRONAME", std::to_string(n), "");
}

}  // namespace quillon::keys
