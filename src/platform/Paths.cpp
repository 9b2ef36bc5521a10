#include "platform/Paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "platform/FileIo.h"
#include "platform/XdgUserDirs.h"

#ifndef QUILLON_STAGED_PROGRAM_DIR
#define QUILLON_STAGED_PROGRAM_DIR ""
#endif

namespace quillon {
namespace {

constexpr const char* kDataFolderName = "Gaming MouseV1";

std::string withSlash(std::string folder) {
    if (folder.empty()) {
        return "./";
    }
    if (folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

std::string parentOf(std::string path) {
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

const char* environment(const char* name) {
    const char* value = std::getenv(name);
    return (value != nullptr && *value != '\0') ? value : nullptr;
}

std::string ownExecutable() {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

std::string dataFolder() {
    if (const char* overridden = environment("QUILLON_DATA_DIR")) {
        return withSlash(overridden);
    }
    return withSlash(documentsFolder()) + kDataFolderName + "/";
}

std::string programFolder() {
    if (const char* overridden = environment("QUILLON_PROGRAM_DIR")) {
        return withSlash(overridden);
    }
    const std::string installed = installedProgramFolder(ownExecutable());
    return installed.empty() ? withSlash(QUILLON_STAGED_PROGRAM_DIR) : installed;
}

}  // namespace

Paths Paths::fromEnvironment() {
    Paths paths;
    paths.dataDir = dataFolder();
    makeFolders(paths.dataDir);
    paths.programDir = programFolder();
    return paths;
}

bool makeFolders(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        ::mkdir(path.substr(0, slash).c_str(), 0777);
    }
    ::mkdir(path.c_str(), 0777);
    return isDirectory(path);
}

std::string installedProgramFolder(const std::string& executable) {
    if (executable.empty() || executable.front() != '/') {
        return "";
    }
    const std::string prefix = parentOf(parentOf(executable));
    const std::string candidate = withSlash(prefix) + "share/quillon/";
    return isDirectory(candidate) ? candidate : "";
}

}  // namespace quillon
