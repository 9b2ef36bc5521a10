#include "platform/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

#include "platform/UniqueFd.h"

namespace quillon {
namespace {

constexpr std::size_t kTempStemLimit = 200;  // keeps the temporary name within NAME_MAX

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The file that a write to `path` replaces: the target of a symbolic link, else `path` itself.
std::string resolveTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
        return path;
    }
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) {
        return path;
    }
    return resolved;
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

mode_t currentUmask() {
    std::string status;
    if (readWholeFile("/proc/self/status", 1 << 16, status) == ReadStatus::Loaded) {
        const auto at = status.find("\nUmask:");
        if (at != std::string::npos) {
            return static_cast<mode_t>(std::strtoul(status.c_str() + at + 7, nullptr, 8) & 0777);
        }
    }
    return 022;
}

mode_t modeFor(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        return st.st_mode & 07777;
    }
    return 0666 & ~currentUmask();
}

void syncFolder(const std::string& folder) {
    const UniqueFd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid()) {
        ::fsync(dir.get());
    }
}

}  // namespace

ReadStatus readWholeFile(const std::string& path, std::size_t limit, std::string& out) {
    out.clear();
    // Non-blocking so that a pipe put in a file's place cannot stall the open.
    const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd.valid()) {
        return (errno == ENOENT || errno == ENOTDIR) ? ReadStatus::Missing : ReadStatus::Unreadable;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<std::size_t>(st.st_size) > limit) {
        return ReadStatus::Unreadable;
    }
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            out.clear();
            return ReadStatus::Unreadable;
        }
        if (n == 0) {
            return ReadStatus::Loaded;
        }
        // The file may grow while it is read; the cap holds all the same.
        if (out.size() + static_cast<std::size_t>(n) > limit) {
            out.clear();
            return ReadStatus::Unreadable;
        }
        out.append(buffer.data(), static_cast<std::size_t>(n));
    }
}

bool writeFileAtomically(const std::string& path, std::string_view bytes) {
    if (path.empty() || path.back() == '/') {
        return false;
    }
    const std::string target = resolveTarget(path);
    // A file the user made read-only stays as it is, although the folder would allow the rename.
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0) {
        return false;
    }
    const std::string folder = folderOf(target);
    const std::string stem = target.substr(target.rfind('/') + 1).substr(0, kTempStemLimit);
    std::string temp = folder + "/." + stem + ".XXXXXX";
    UniqueFd fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (!fd.valid()) {
        return false;
    }
    bool ok = ::fchmod(fd.get(), modeFor(target)) == 0 && writeAll(fd.get(), bytes) &&
              ::fsync(fd.get()) == 0;
    ok = (::close(fd.release()) == 0) && ok;
    if (ok && ::rename(temp.c_str(), target.c_str()) == 0) {
        syncFolder(folder);
        return true;
    }
    ::unlink(temp.c_str());
    return false;
}

bool isDirectory(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool isRegularFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace quillon
