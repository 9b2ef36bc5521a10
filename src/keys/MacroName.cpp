// Macro names become file names, so a name must name a file directly in the macro folder.

#include "keys/MacroStore.h"
#include "platform/IniFile.h"

namespace quillon::keys {
namespace {

constexpr std::size_t kFileNameLimit = 255;

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool sameMacroName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

bool isUsableMacroName(std::string_view name) {
    if (name.empty() || name == "." || name == ".." ||
        name.size() + 4 > kFileNameLimit) {  // + ".mac"
        return false;
    }
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || u < 0x20 || u == 0x7F) {
            return false;
        }
    }
    // The index file must give the name back exactly as written (no surrounding blanks).
    IniDocument doc;
    return doc.write("N", "0", name) && IniDocument::parse(doc.text()).read("N", "0", "") == name;
}

std::string macroIndexName(DeviceKind kind) {
    return std::string(kindPrefix(kind)) + "Macro.ini";
}

}  // namespace quillon::keys
