#include <filesystem>
#include <fstream>

#include "app/ProgramPages.h"

namespace quillon::apptest {

namespace fs = std::filesystem;

ProgramWithPages::ProgramWithPages(const std::map<std::string, std::string>& pages) {
    const fs::path original = test::programDir();
    const fs::path own = folder_.path();
    for (const auto& entry : fs::directory_iterator(original)) {
        if (entry.path().filename() != "skin") {
            fs::create_symlink(fs::canonical(entry.path()), own / entry.path().filename());
        }
    }
    fs::create_directories(own / "skin");
    for (const auto& entry : fs::directory_iterator(original / "skin")) {
        if (pages.count(entry.path().filename().string()) == 0) {
            fs::create_symlink(fs::canonical(entry.path()), own / "skin" / entry.path().filename());
        }
    }
    for (const auto& [name, text] : pages) {
        std::ofstream(own / "skin" / name) << text;
    }
}

std::string page(const std::string& widgetClass, const std::vector<std::string>& names) {
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ui version=\"4.0\">\n"
        " <class>page</class>\n <widget class=\"QWidget\" name=\"page\">\n"
        "  <property name=\"geometry\"><rect><x>0</x><y>0</y><width>800</width>"
        "<height>480</height></rect></property>\n";
    int x = 0;
    for (const std::string& name : names) {
        text += "  <widget class=\"" + widgetClass + "\" name=\"" + name +
                "\"><property name=\"geometry\"><rect><x>" + std::to_string(x) +
                "</x><y>0</y><width>20</width><height>20</height></rect></property></widget>\n";
        x += 22;
    }
    return text + " </widget>\n</ui>\n";
}

std::vector<std::string> numbered(const std::string& prefix, int from, int to) {
    std::vector<std::string> names;
    for (int i = from; i <= to; ++i) {
        names.push_back(prefix + std::to_string(i));
    }
    return names;
}

}  // namespace quillon::apptest
