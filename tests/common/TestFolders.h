#pragma once
// Folders the tests work in: the build's program folder (skins, language and default files) and
// fresh temporary folders that are removed with the object.

#include <string>

namespace quillon::test {

// The build tree's program folder, ending with "/" (set for every test program, see
// test_environment.cpp).
std::string programDir();

class TempFolder {
  public:
    // A new folder under `parent` (empty: the system's temporary folder).
    explicit TempFolder(const std::string& parent = {});
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Ends with "/"; empty when the folder could not be made.
    const std::string& path() const { return path_; }
    // Writes a file below the folder (its folders are made); `executable` makes it a program.
    void write(const std::string& name, const std::string& content, bool executable = false) const;
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const;

  private:
    std::string path_;
};

}  // namespace quillon::test
