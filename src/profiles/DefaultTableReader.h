#pragma once
// Reads one section of a table of default values, checking every value and collecting a readable
// error for each one that is missing, malformed, out of range or unknown.

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/IniFile.h"

namespace quillon {

class DefaultTableReader {
  public:
    DefaultTableReader(const IniDocument& table, std::string fileName, std::string section,
                       std::vector<std::string>& errors);

    bool has(std::string_view key) const;
    // A decimal or "0x" hexadecimal number within min..max; `fallback` when the key is absent
    // and not required.
    int number(std::string_view key, int min, int max, bool required, int fallback = 0);
    // "#RRGGBB"; black when absent.
    std::uint32_t colour(std::string_view key);
    std::string text(std::string_view key);
    // Reports every key of the section that no call above has asked for.
    void rejectUnknownKeys();
    void error(std::string_view key, std::string_view problem);

  private:
    const IniDocument& table_;
    std::string fileName_;
    std::string section_;
    std::vector<std::string>& errors_;
    std::set<std::string> asked_;
};

}  // namespace quillon
