#include "platform/linux/ProcessExecutable.h"

#include <unistd.h>

#include <array>
#include <string_view>

namespace quillon {
namespace {

// What the kernel appends to the link of an executable that was removed or replaced.
constexpr std::string_view kDeletedSuffix = " (deleted)";

}  // namespace

std::optional<std::string> processExecutable(int pid) {
    if (pid <= 0) {
        return std::nullopt;
    }
    const std::string link = "/proc/" + std::to_string(pid) + "/exe";
    std::array<char, 4096> buffer{};
    const ssize_t length = ::readlink(link.c_str(), buffer.data(), buffer.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= buffer.size()) {
        return std::nullopt;
    }
    std::string path(buffer.data(), static_cast<std::size_t>(length));
    if (path.size() > kDeletedSuffix.size() && path.ends_with(kDeletedSuffix)) {
        path.resize(path.size() - kDeletedSuffix.size());
    }
    if (path.empty() || path.front() != '/') {
        return std::nullopt;
    }
    return path;
}

}  // namespace quillon
