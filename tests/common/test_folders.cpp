#include "common/TestFolders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace quillon::test {

namespace fs = std::filesystem;

std::string programDir() {
    const char* dir = std::getenv("QUILLON_PROGRAM_DIR");
    std::string path = dir != nullptr ? dir : "";
    return path.empty() || path.back() == '/' ? path : path + "/";
}

TempFolder::TempFolder(const std::string& parent) {
    const fs::path base = parent.empty() ? fs::temp_directory_path() : fs::path(parent);
    std::string pattern = (base / "quillon-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) {
        path_ = pattern + "/";
    }
}

TempFolder::~TempFolder() {
    if (!path_.empty()) {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
}

void TempFolder::write(const std::string& name, const std::string& content, bool executable) const {
    const fs::path file = path_ + name;
    fs::create_directories(file.parent_path());
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << content;
    }
    if (executable) {
        ::chmod(file.c_str(), 0755);
    }
}

std::string TempFolder::read(const std::string& name) const {
    std::ifstream in(path_ + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool TempFolder::exists(const std::string& name) const {
    return fs::exists(path_ + name);
}

}  // namespace quillon::test
