#include "toolkit/skin_support.h"

#include <filesystem>
#include <fstream>
#include <random>

namespace quillon::toolkit::testing {

TempSkinFolder::TempSkinFolder() {
    std::random_device random;
    const auto base = std::filesystem::temp_directory_path() /
                      ("quillon-skin-" + std::to_string(random()) + "-" + std::to_string(random()));
    std::filesystem::create_directories(base / "skin");
    path_ = (base / "skin").string() + "/";
}

TempSkinFolder::~TempSkinFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(path_).parent_path().parent_path(), ignored);
}

void TempSkinFolder::write(std::string_view name, std::string_view content) const {
    const std::filesystem::path file = std::filesystem::path(path_) / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << content;
}

std::string uiFile(std::string_view body, std::string_view custom) {
    return std::string("<ui version=\"4.0\"><widget class=\"QWidget\" name=\"root\">") +
           std::string(body) + "</widget><customwidgets>" + std::string(custom) +
           "</customwidgets></ui>";
}

}  // namespace quillon::toolkit::testing
