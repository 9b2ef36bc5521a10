#pragma once
// A temporary skin folder for the skin and language tests, removed with the object.

#include <string>
#include <string_view>

namespace quillon::toolkit::testing {

class TempSkinFolder {
  public:
    TempSkinFolder();
    ~TempSkinFolder();
    TempSkinFolder(const TempSkinFolder&) = delete;
    TempSkinFolder& operator=(const TempSkinFolder&) = delete;

    // The folder, ending with "/".
    const std::string& path() const { return path_; }
    // Writes a file relative to the folder (folders are made).
    void write(std::string_view name, std::string_view content) const;

  private:
    std::string path_;
};

// A UI file whose root widget "root" holds `body`.
std::string uiFile(std::string_view body, std::string_view custom = {});

}  // namespace quillon::toolkit::testing
