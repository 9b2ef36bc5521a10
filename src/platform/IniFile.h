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
//
// Reading rules: surrounding spaces and tabs of names and values are dropped; a value wholly in
// matching double or single quotes loses them; the first occurrence of a key wins, also when its
// section appears more than once. Writing keeps comments, blank lines and lines it does not
// understand as they were, keeps the file's line ends (CRLF or LF; new files get LF) and its UTF-8
// byte order mark. A value that would not read back as written (surrounding spaces, or wholly in
// quotes) is written in double quotes, so every value reads back exactly.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quillon {

inline constexpr std::size_t kIniValueLimit = 259;
// Files larger than this are not settings files; they read as empty and are never rewritten.
inline constexpr std::size_t kIniFileLimit = 16 * 1024 * 1024;

class IniDocument {
  public:
    IniDocument() = default;
    // Parses text; never fails (lines that are neither a section nor a key are kept as written).
    static IniDocument parse(std::string_view text);
    // Empty document when the file is missing or unreadable.
    static IniDocument load(const std::string& path);
    // As load, but no document when the file exists and cannot be read (too large, not a regular
    // file, no permission): a caller about to rewrite the file must not replace what it could not
    // read.
    static std::optional<IniDocument> tryLoad(const std::string& path);

    // The value as read (without the 259-character cut), or nothing when the key is missing.
    std::optional<std::string> find(std::string_view section, std::string_view key) const;
    // As GetPrivateProfileString: the value or `fallback`, cut to kIniValueLimit characters.
    std::string read(std::string_view section, std::string_view key,
                     std::string_view fallback = "0") const;
    // The value's leading decimal number (optional sign, clamped to int); a value that does not
    // start with one reads as 0; a missing key gives `fallback`.
    int readInt(std::string_view section, std::string_view key, int fallback = 0) const;

    // False, with nothing changed, when the value holds a line break or NUL, or when a name
    // could not be read back as given (empty, line breaks, surrounding spaces, a key with "="
    // or starting with ";" or "[").
    bool write(std::string_view section, std::string_view key, std::string_view value);
    // Removes every occurrence of the key in every occurrence of the section.
    void remove(std::string_view section, std::string_view key);
    // The section's keys as written, in file order, each once.
    std::vector<std::string> keys(std::string_view section) const;

    std::string text() const;
    // Writes the document to `path` through a temporary file and a rename. True on success.
    bool save(const std::string& path) const;

  private:
    struct Line {
        enum class Kind { Other, Section, Key };
        Kind kind = Kind::Other;
        std::string raw;    // the line as written, without its line end
        std::string name;   // section or key name, trimmed and folded to lower case
        std::string value;  // key lines: the value as read
    };
    static Line parseLine(std::string_view text);
    std::optional<std::size_t> findKeyLine(std::string_view section, std::string_view key) const;
    std::optional<std::size_t> scanForKeyLine(const std::string& foldedSection,
                                              const std::string& foldedKey) const;
    void buildIndex();
    void indexKeyLine(const std::string& foldedSection, std::size_t line);
    using KeyLines = std::unordered_map<std::string, std::size_t>;
    std::optional<std::size_t> findSection(std::string_view foldedSection) const;
    void insertKey(std::size_t sectionLine, std::string_view key, std::string_view value);
    void appendSection(std::string_view section, std::string_view key, std::string_view value);

    std::vector<Line> lines_;
    // Folded section, then folded key, to the line of the key's first occurrence, for documents
    // read in one go. Edits that move lines switch it off and lookups scan the lines instead.
    std::unordered_map<std::string, KeyLines> keyIndex_;
    bool indexValid_ = true;
    bool byteOrderMark_ = false;
    bool crlf_ = false;
    bool finalLineEnd_ = false;  // whether the last line has a line end
};

class IniFile {
  public:
    explicit IniFile(std::string path) : path_(std::move(path)) {}
    const std::string& path() const { return path_; }

    // As the IniDocument functions of the same names, on the file as it is now.
    std::optional<std::string> find(std::string_view section, std::string_view key) const;
    std::string read(std::string_view section, std::string_view key,
                     std::string_view fallback = "0") const;
    int readInt(std::string_view section, std::string_view key, int fallback = 0) const;
    // True when the file was rewritten with the value. False when the value or a name is refused
    // (see IniDocument::write), when the existing file cannot be read, or when the rewrite fails;
    // the file is then unchanged.
    bool write(std::string_view section, std::string_view key, std::string_view value) const;
    bool writeInt(std::string_view section, std::string_view key, int value) const;

  private:
    std::string path_;
};

}  // namespace quillon
