#include "profiles/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace quillon {
namespace {

// Closes its descriptor when it goes.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

  private:
    int fd_;
};

// Removes the temporary file unless it has been renamed into place.
class TemporaryName {
  public:
    explicit TemporaryName(std::string path) : path_(std::move(path)) {}
    ~TemporaryName() {
        if (!path_.empty()) {
            ::unlink(path_.c_str());
        }
    }
    TemporaryName(const TemporaryName&) = delete;
    TemporaryName& operator=(const TemporaryName&) = delete;
    const std::string& path() const { return path_; }
    void release() { path_.clear(); }

  private:
    std::string path_;
};

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

std::string temporaryPattern(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t nameAt = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(0, nameAt) + "." + path.substr(nameAt) + ".tmp-XXXXXX";
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A replaced file keeps its permissions; a new one is readable by everyone, like the files the
// program has always made.
void copyPermissions(int fd, const std::string& target) {
    struct stat info {};
    const mode_t mode = ::stat(target.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0644;
    ::fchmod(fd, mode);
}

void syncFolder(const std::string& folder) {
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid()) {
        ::fsync(dir.get());
    }
}

}  // namespace

int replaceFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::string pattern = temporaryPattern(path);
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    Descriptor fd(::mkostemp(name.data(), O_CLOEXEC));
    if (!fd.valid()) {
        return -1;
    }
    TemporaryName temporary(name.data());
    copyPermissions(fd.get(), path);
    if (!writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0 || !fd.close()) {
        return -2;
    }
    if (::rename(temporary.path().c_str(), path.c_str()) != 0) {
        return -3;
    }
    temporary.release();
    syncFolder(folderOf(path));
    return 1;
}

}  // namespace quillon
