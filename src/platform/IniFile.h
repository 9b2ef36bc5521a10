#pragma once
// Private-profile (INI) files with the rules every Quillon settings and index file has always
// followed: sections and keys compared without regard to case, a default ("0") for what is
// missing, values read back with at most 259 characters, keys rewritten in place and new keys
// appended to their section. Files written by Windows' own private-profile functions (CRLF line
// ends, spaces around "=", quoted values, sections in any case) read the same.
//
// IniFile reads the file afresh on every read and rewrites it atomically (temporary file, then
// rename) on every write, so other programs' changes are seen and a crash never leaves half a file.
// IniDocument is the same store held in memory, for code that reads many values at once.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

inline constexpr std::size_t kIniValueLimit = 259;

class IniDocument {
public:
    IniDocument() = default;
    // Parses text; never fails (lines that are neither a section nor a key are kept as written).
    static IniDocument parse(std::string_view text);
    // Empty document when the file is missing or unreadable.
    static IniDocument load(const std::string& path);

    std::optional<std::string> find(std::string_view section, std::string_view key) const;
    // As GetPrivateProfileString: the value or `fallback`, cut to kIniValueLimit characters.
    std::string read(std::string_view section, std::string_view key,
                     std::string_view fallback = "0") const;
    // The value parsed as a decimal integer; text that is not a number reads as 0.
    int readInt(std::string_view section, std::string_view key, int fallback = 0) const;

    void write(std::string_view section, std::string_view key, std::string_view value);
    void remove(std::string_view section, std::string_view key);
    std::vector<std::string> keys(std::string_view section) const;

    std::string text() const;
    // Writes the document to `path` through a temporary file and a rename. True on success.
    bool save(const std::string& path) const;

private:
    struct Line {
        std::string raw;      // as read, for lines kept unchanged
        std::string section;  // for section headers
        std::string key;      // for key lines
        std::string value;
        enum class Kind { Other, Section, Key } kind = Kind::Other;
    };
    std::vector<Line> lines_;
};

class IniFile {
public:
    explicit IniFile(std::string path) : path_(std::move(path)) {}
    const std::string& path() const { return path_; }

    std::string read(std::string_view section, std::string_view key,
                     std::string_view fallback = "0") const;
    int readInt(std::string_view section, std::string_view key, int fallback = 0) const;
    // True when the file was rewritten.
    bool write(std::string_view section, std::string_view key, std::string_view value) const;
    bool writeInt(std::string_view section, std::string_view key, int value) const;

private:
    std::string path_;
};

}  // namespace quillon
