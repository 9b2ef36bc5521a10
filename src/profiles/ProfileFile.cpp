#include "profiles/ProfileFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/DebugLog.h"
#include "profiles/AtomicFile.h"
#include "profiles/ProfileList.h"

namespace quillon {
namespace {

class ReadDescriptor {
  public:
    explicit ReadDescriptor(const std::string& path)
        : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~ReadDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    ReadDescriptor(const ReadDescriptor&) = delete;
    ReadDescriptor& operator=(const ReadDescriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

// Reads until `out` is full or the file ends; the number of bytes read, or -1 on an error.
long readUpTo(int fd, std::span<std::uint8_t> out) {
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t n = ::read(fd, out.data() + done, out.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return -1;
        }
        if (n == 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return static_cast<long>(done);
}

bool isRegularFile(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

ProfileFileData readProfileFile(const std::string& path, std::size_t payloadSize) {
    ProfileFileData out;
    ReadDescriptor file(path);
    if (file.get() < 0 || !isRegularFile(file.get())) {
        return out;
    }
    std::uint8_t header[kProfileHeaderSize] = {};
    if (readUpTo(file.get(), header) != static_cast<long>(kProfileHeaderSize) ||
        (header[0] | (header[1] << 8)) != kProfileMagic) {
        out.result = LoadResult::BadFormat;
        return out;
    }
    out.payload.assign(payloadSize, 0);
    if (readUpTo(file.get(), out.payload) < 0) {
        out.payload.clear();
        out.result = LoadResult::BadFormat;
        return out;
    }
    out.result = LoadResult::Loaded;
    return out;
}

std::vector<std::uint8_t> profileFileImage(std::uint16_t deviceCode,
                                           std::span<const std::uint8_t> payload) {
    std::vector<std::uint8_t> image(kProfileHeaderSize + payload.size(), 0);
    image[0] = static_cast<std::uint8_t>(kProfileMagic & 0xFF);
    image[1] = static_cast<std::uint8_t>(kProfileMagic >> 8);
    image[4] = static_cast<std::uint8_t>(deviceCode & 0xFF);
    image[5] = static_cast<std::uint8_t>(deviceCode >> 8);
    std::copy(payload.begin(), payload.end(), image.begin() + kProfileHeaderSize);
    return image;
}

int writeProfileFile(const std::string& path, std::uint16_t deviceCode,
                     std::span<const std::uint8_t> payload) {
    const int result = replaceFileAtomically(path, profileFileImage(deviceCode, payload));
    if (result != 1) {
        debugLog("文件打开失败");
    }
    return result;
}

}  // namespace quillon
