#include "app/LanguageSettings.h"

#include "app/ControlName.h"
#include "platform/DebugLog.h"
#include "platform/MachineSettings.h"
#include "toolkit/Toolkit.h"

namespace quillon::app {
namespace {

constexpr const char* kSection = "SKINIMAGE";
constexpr const char* kKey = "LANGUAGE";

const LanguageRow kRows[] = {
    {Language::English, "en", "lan_en.xml", "0", "1010"},
    {Language::SimplifiedChinese, "cn_zh", "lan_cn.xml", "1", "2020"},
    {Language::TraditionalChinese, "cn_tw", "lan_sn.xml", "", ""},
};

Language fromLocale(std::string_view locale) {
    if (!startsWithNoCase(locale, "zh")) {
        return Language::English;
    }
    const std::string lower = toLower(locale);
    const bool traditional = lower.find("tw") != std::string::npos ||
                             lower.find("hk") != std::string::npos ||
                             lower.find("hant") != std::string::npos;
    return traditional ? Language::TraditionalChinese : Language::SimplifiedChinese;
}

}  // namespace

const LanguageRow& languageRow(Language language) {
    for (const LanguageRow& row : kRows) {
        if (row.language == language) {
            return row;
        }
    }
    return kRows[0];
}

Language chooseStartupLanguage(const IniFile& settings, const std::optional<std::string>& machine,
                               std::string_view locale) {
    const IniDocument stored = IniDocument::load(settings.path());
    if (const auto value = stored.find(kSection, kKey)) {
        const int number = stored.readInt(kSection, kKey);
        if (number == 0 || number == 1) {
            return number == 0 ? Language::English : Language::SimplifiedChinese;
        }
    }
    if (machine) {
        if (*machine == "1010") {
            return Language::English;
        }
        if (*machine == "2020") {
            return Language::SimplifiedChinese;
        }
    }
    return fromLocale(locale);
}

LanguageSettings::LanguageSettings(toolkit::Toolkit& toolkit, IniFile settings,
                                   MachineSettings& machine)
    : toolkit_(toolkit), settings_(std::move(settings)), machine_(machine) {}

void LanguageSettings::load(Language language) {
    current_ = language;
    if (!toolkit_.loadLanguage(languageRow(language).file)) {
        debugLog(std::string("language file missing: ") + languageRow(language).file);
    }
}

void LanguageSettings::switchTo(Language language) {
    const LanguageRow& row = languageRow(language);
    load(language);
    if (*row.storedValue != '\0') {
        settings_.write(kSection, kKey, row.storedValue);
    }
    if (*row.machineValue != '\0' && machine_.writeLanguage(row.machineValue)) {
        debugLog("写成功！");
    }
}

bool LanguageSettings::switchByMenuItem(std::string_view item) {
    if (equalsNoCase(item, "lan_en")) {
        switchTo(Language::English);
        return true;
    }
    if (equalsNoCase(item, "lan_cn")) {
        switchTo(Language::SimplifiedChinese);
        return true;
    }
    return false;
}

std::optional<std::string> LanguageSettings::queryControlText(std::string_view id) const {
    const bool english = current_ == Language::English;
    if (equalsNoCase(id, "titletext")) {
        return std::string(english ? "Duilib Demo v1.1" : "mouse");
    }
    if (equalsNoCase(id, "hometext")) {
        return std::string(english ? "{a}Home Page{/a}" : "{a}演示官网{/a}");
    }
    return std::nullopt;
}

}  // namespace quillon::app
