#pragma once
// The interface language: which language file is loaded, where the user's choice is kept
// ([SKINIMAGE] "LANGUAGE" of "main.ini": 0 English, 1 Chinese) and the machine-wide hint
// ("1010" English, "2020" Chinese), and the two texts the program answers itself.

#include <optional>
#include <string>
#include <string_view>

#include "platform/IniFile.h"

namespace quillon {
class MachineSettings;
}
namespace quillon::toolkit {
class Toolkit;
}

namespace quillon::app {

enum class Language { English, SimplifiedChinese, TraditionalChinese };

struct LanguageRow {
    Language language;
    const char* code;         // "en", "cn_zh", "cn_tw"
    const char* file;         // "lan_en.xml", ...
    const char* storedValue;  // [SKINIMAGE] "LANGUAGE", "" when the menu cannot choose it
    const char* machineValue;
};

const LanguageRow& languageRow(Language language);

// The start-up language: the user's stored choice when there is one, else the machine-wide hint,
// else the desktop's locale ("zh_TW"/"zh_HK" traditional, other "zh" simplified, else English).
Language chooseStartupLanguage(const IniFile& settings, const std::optional<std::string>& machine,
                               std::string_view locale);

class LanguageSettings {
  public:
    LanguageSettings(toolkit::Toolkit& toolkit, IniFile settings, MachineSettings& machine);

    Language current() const { return current_; }
    const char* code() const { return languageRow(current_).code; }
    // Loads a language file and re-translates every control; nothing is stored.
    void load(Language language);
    // The language menu: loads the language and keeps the choice in "main.ini" and in the
    // machine-wide value (when that exists).
    void switchTo(Language language);
    // The menu items "lan_en" and "lan_cn"; false for any other item.
    bool switchByMenuItem(std::string_view item);
    // The texts the program gives before the language file is asked.
    std::optional<std::string> queryControlText(std::string_view id) const;

  private:
    toolkit::Toolkit& toolkit_;
    IniFile settings_;
    MachineSettings& machine_;
    Language current_ = Language::SimplifiedChinese;
};

}  // namespace quillon::app
