// The action file layout shared by macro files and cursor-sequence files, and small file copies.

#include <algorithm>
#include <string>

#include "keys/MacroStore.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"

namespace quillon::keys {
namespace {

constexpr const char* kCountSection = "MACROACTIONCOUNT";
constexpr const char* kActionSection = "MACROACTION";
constexpr const char* kSelectSection = "MACROSELECTNAME";
// A count is never trusted further than this: no device memory holds more actions.
constexpr int kActionCountLimit = 65535;
constexpr std::size_t kCopyLimit = 4 * 1024 * 1024;

}  // namespace

int readActionCount(const std::string& path) {
    const int count = IniDocument::load(path).readInt(kCountSection, "count");
    return std::clamp(count, 0, kActionCountLimit);
}

std::vector<MacroAction> readActionFile(const std::string& path) {
    const IniDocument doc = IniDocument::load(path);
    const int count = std::clamp(doc.readInt(kCountSection, "count"), 0, kActionCountLimit);
    std::vector<MacroAction> actions;
    for (int j = 0; j < count; ++j) {
        // A line that is missing or cannot be read has no action; it is left out.
        if (auto action = parseActionLine(doc.read(kActionSection, std::to_string(j)))) {
            actions.push_back(std::move(*action));
        }
    }
    return actions;
}

bool writeActionFile(const std::string& path, const std::vector<MacroAction>& actions,
                     const std::string* selectName) {
    std::optional<IniDocument> doc = IniDocument::tryLoad(path);
    if (!doc) {
        return false;
    }
    bool ok = doc->write(kCountSection, "count", std::to_string(actions.size()));
    if (selectName) {
        ok = doc->write(kSelectSection, "name", *selectName) && ok;
    }
    for (std::size_t j = 0; j < actions.size(); ++j) {
        ok = doc->write(kActionSection, std::to_string(j), formatActionLine(actions[j])) && ok;
    }
    return doc->save(path) && ok;
}

bool copySmallFile(const std::string& from, const std::string& to) {
    std::string bytes;
    if (readWholeFile(from, kCopyLimit, bytes) != ReadStatus::Loaded) {
        return false;
    }
    return writeFileAtomically(to, bytes);
}

}  // namespace quillon::keys
