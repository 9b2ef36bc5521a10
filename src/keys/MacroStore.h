#pragma once
// The macros of one device kind on disk: the index file ("msMacro.ini" or "kbMacro.ini") lists the
// names in macro-number order, and each macro has a file of action lines, its name plus ".mac", in
// the same folder. The mouse's index also lists the four cursor sequences, and the mouse's macro
// files repeat their name under "MACROSELECTNAME".
//
// The store keeps the listed names in memory, read by loadIndex() and changed with the files.
// Names are checked before a path is built from them: a name read from the index or typed by the
// user that cannot be a file name directly in the folder is never used as one.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "device/DeviceKind.h"
#include "keys/MacroAction.h"

namespace quillon::keys {

inline constexpr int kMacroLimit = 50;
inline constexpr const char* kMsgMacroLimit = "message_text_17";  // a format with the limit
inline constexpr const char* kMsgMacroNameTaken = "message_text_5";
inline constexpr const char* kMsgMacroNameUnusable = "macro_name_unusable";
inline constexpr const char* kMsgMacroWriteFailed = "macro_write_failed";
// A macro or sequence file could not be copied (import, export).
inline constexpr const char* kMsgMacroFileFailed = "macro_file_failed";

// 1 on success; 0 when nothing changed (refused or nothing to do). A refusal names the message to
// show: a text id, used as a format with `argument` when that is not negative.
struct MacroResult {
    int result = 1;
    const char* message = nullptr;
    int argument = -1;

    static MacroResult ok() { return {}; }
    static MacroResult unchanged() { return {0, nullptr, -1}; }
    static MacroResult refused(const char* id, int argument = -1) { return {0, id, argument}; }
};

// True when `name` + ".mac" is a file name directly in its folder: not empty, not "." or "..",
// no "/" or "\", no control character, within the file system's 255 bytes, and it reads back
// unchanged from an index file.
bool isUsableMacroName(std::string_view name);

// Macro and sequence files share one layout.
std::vector<MacroAction> readActionFile(const std::string& path);
// The number of actions a file claims ("MACROACTIONCOUNT"), 0 when missing; never negative.
int readActionCount(const std::string& path);
// Rewrites the count and the lines 0..n-1; higher keys stay. `selectName` (mouse files) goes under
// "MACROSELECTNAME". True when written.
bool writeActionFile(const std::string& path, const std::vector<MacroAction>& actions,
                     const std::string* selectName = nullptr);

class MacroStore {
  public:
    // `folder` is the device kind's data folder and ends with "/".
    MacroStore(std::string folder, DeviceKind kind);

    const std::string& folder() const { return folder_; }
    DeviceKind kind() const { return kind_; }
    std::string indexFile() const;
    // The file of macro i, "" for a number out of range or a name that is not usable.
    std::string macroFile(int i) const;

    // Reads the names; a missing index or count gives none. The mouse's also writes the cursor
    // section when it is missing.
    void loadIndex();
    const std::vector<std::string>& names() const { return names_; }
    int count() const { return static_cast<int>(names_.size()); }

    // Appends "name_k" (the first k from count + 1 that no macro uses); refused at 50.
    MacroResult createMacro();
    // Renames macro i; `actions` (the list being edited) is written into the file first.
    MacroResult renameMacro(int i, std::string_view newName,
                            const std::vector<MacroAction>& actions);
    MacroResult saveMacro(int i, const std::vector<MacroAction>& actions);
    std::vector<MacroAction> loadMacro(int i) const;
    // Deletes the file and rewrites the index from scratch; later macros move down by one.
    MacroResult deleteMacro(int i);
    // Byte-for-byte copies between macro i's file and `path`.
    MacroResult exportMacro(int i, const std::string& path) const;
    // Creates a macro and copies `path` over its file; the new macro is the last one.
    MacroResult importMacro(const std::string& path);

  private:
    bool isMouse() const { return kind_ == DeviceKind::Mouse; }
    void writeCursorSection() const;

    std::string folder_;
    DeviceKind kind_;
    std::vector<std::string> names_;
};

// "ms" + "Macro.ini" or "kb" + "Macro.ini".
std::string macroIndexName(DeviceKind kind);
// Case-insensitive (ASCII) name comparison.
bool sameMacroName(std::string_view a, std::string_view b);

// Copies a file of at most `limit` bytes byte for byte, replacing the target atomically.
bool copySmallFile(const std::string& from, const std::string& to);

}  // namespace quillon::keys
