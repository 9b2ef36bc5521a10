#include "platform/linux/LocalSocket.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

#include <cstring>

namespace quillon {
namespace {

constexpr int kBacklog = 8;

bool fillAddress(const std::string& path, sockaddr_un& address) {
    if (!fitsSocketAddress(path)) {
        return false;
    }
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

}  // namespace

bool fitsSocketAddress(const std::string& path) {
    return !path.empty() && path.size() < sizeof(sockaddr_un::sun_path);
}

UniqueFd listenAt(const std::string& path) {
    sockaddr_un address{};
    if (!fillAddress(path, address)) {
        return UniqueFd();
    }
    UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!fd.valid()) {
        return UniqueFd();
    }
    ::unlink(path.c_str());
    if (::bind(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        return UniqueFd();
    }
    if (::chmod(path.c_str(), 0600) != 0 || ::listen(fd.get(), kBacklog) != 0) {
        ::unlink(path.c_str());
        return UniqueFd();
    }
    return fd;
}

UniqueFd connectTo(const std::string& path) {
    sockaddr_un address{};
    if (!fillAddress(path, address)) {
        return UniqueFd();
    }
    UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!fd.valid() ||
        ::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        return UniqueFd();
    }
    return fd;
}

}  // namespace quillon
