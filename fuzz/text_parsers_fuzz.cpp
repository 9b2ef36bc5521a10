// Feeds arbitrary text to the parsers of the files Quillon reads from outside: INI files (settings
// and profile indexes), skin files, language files and scenario files. The first byte picks the
// parser; the rest is the file. An INI document must also read back what it writes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/scenario/ScenarioScript.h"
#include "platform/IniFile.h"
#include "toolkit/Language.h"
#include "toolkit/SkinFile.h"

namespace {

void fuzzIni(std::string_view text) {
    quillon::IniDocument document = quillon::IniDocument::parse(text);
    const std::string value = document.read("PROFILENAME", "0");
    if (value.size() > 4 * quillon::kIniValueLimit) {
        std::abort();  // a read is cut to the limit (in characters of up to four bytes)
    }
    document.write("FUZZ", "key", "value");
    const quillon::IniDocument again = quillon::IniDocument::parse(document.text());
    if (again.read("FUZZ", "key") != "value") {
        std::abort();
    }
}

void fuzzSkin(std::string_view text) {
    quillon::toolkit::SkinDocument document;
    std::string error;
    quillon::toolkit::parseSkinText(text, document, error);
}

void fuzzLanguage(std::string_view text) {
    quillon::toolkit::LanguageTable table;
    table.loadText(text);
}

void fuzzScenario(std::string_view text) {
    std::vector<quillon::scenario::ScriptLine> lines;
    quillon::scenario::ScriptError error;
    quillon::scenario::parseScript(text, lines, error);
    for (const auto& line : lines) {
        for (const std::string& arg : line.args) {
            quillon::scenario::parseNumber(arg);
            quillon::scenario::parseHex(arg);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    switch (data[0] % 4) {
        case 0:
            fuzzIni(text);
            break;
        case 1:
            fuzzSkin(text);
            break;
        case 2:
            fuzzLanguage(text);
            break;
        default:
            fuzzScenario(text);
            break;
    }
    return 0;
}
