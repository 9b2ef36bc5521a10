#pragma once
// A language file: the texts of the program's text ids in one language.
//
//   <language code="en">
//     <text id="message_text_1">No device is connected.</text>
//   </language>
//
// Ids are compared without regard to case. The file is outside data: it may be malformed, huge or
// hostile, and then it is refused as a whole, leaving the table as it was.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace quillon::toolkit {

class LanguageTable {
  public:
    enum Result { kLoaded = 1, kMissing = 0, kUnreadable = -1, kMalformed = -2, kNotLanguage = -3 };

    // Replaces the table by the file's texts; on failure the table is unchanged and `error` (when
    // given) says why.
    int loadFile(const std::string& path, std::string* error = nullptr);
    int loadText(std::string_view xml, std::string* error = nullptr);

    // The text of `id`; when the file repeats an id, its first text counts.
    std::optional<std::string> find(std::string_view id) const;
    const std::string& code() const { return code_; }
    std::size_t size() const { return texts_.size(); }
    void clear();

    // Limits of one file.
    static constexpr std::size_t kMaxEntries = 100000;
    static constexpr std::size_t kMaxIdLength = 256;

  private:
    std::string code_;
    std::unordered_map<std::string, std::string> texts_;  // lower-case id → text
};

// ASCII lower case, the comparison used for ids and control names.
std::string lowerAscii(std::string_view text);
bool equalsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace quillon::toolkit
