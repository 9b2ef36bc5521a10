#pragma once
// The machine-wide language hint, kept in a system-wide private-profile file (by default
// "/etc/quillon/machine.ini", section "Gaming Mouse", key "LANGUAGE"; QUILLON_MACHINE_SETTINGS
// names another file). The value is "1010" for English and "2020" for Chinese. The file belongs
// to whoever installs the program: Quillon reads it and updates it, but never creates it.

#include <optional>
#include <string>
#include <string_view>

namespace quillon {

inline constexpr const char* kMachineSettingsDefaultPath = "/etc/quillon/machine.ini";
inline constexpr const char* kMachineSection = "Gaming Mouse";
inline constexpr const char* kMachineLanguageKey = "LANGUAGE";
inline constexpr const char* kMachineLanguageEnglish = "1010";
inline constexpr const char* kMachineLanguageChinese = "2020";

class MachineSettings {
  public:
    explicit MachineSettings(std::string path) : path_(std::move(path)) {}
    // The file that QUILLON_MACHINE_SETTINGS names, else the default path.
    static MachineSettings fromEnvironment();

    const std::string& path() const { return path_; }

    // The stored language value (at most 259 characters); nothing when the file or the key is
    // missing or the file cannot be read.
    std::optional<std::string> read() const;
    // Stores the language value. False, creating nothing, when the file does not exist; false
    // when it cannot be rewritten or the value is refused (a line break).
    bool write(std::string_view value) const;

    std::optional<std::string> readLanguage() const { return read(); }
    bool writeLanguage(std::string_view value) const { return write(value); }

  private:
    std::string path_;
};

}  // namespace quillon
