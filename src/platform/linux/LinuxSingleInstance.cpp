#include "platform/linux/LinuxSingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/DebugLog.h"
#include "platform/linux/LocalSocket.h"
#include "platform/linux/RuntimeFolder.h"
#include "platform/linux/SocketShowRequestListener.h"

namespace quillon {

LinuxSingleInstance::LinuxSingleInstance(std::string runtimeFolder)
    : folder_(runtimeFolder.empty() ? privateRuntimeFolder() : std::move(runtimeFolder)) {}

LinuxSingleInstance::~LinuxSingleInstance() {
    if (listening_.valid()) {
        ::unlink(socketPath().c_str());
    }
}

std::string LinuxSingleInstance::lockPath() const {
    return folder_ + "/" + kInstanceLockName + ".lock";
}

std::string LinuxSingleInstance::socketPath() const {
    return folder_ + "/" + kShowRequestName + ".sock";
}

int LinuxSingleInstance::acquire() {
    if (lock_.valid()) {
        return kInstanceFirst;
    }
    if (folder_.empty()) {
        return kInstanceFailed;
    }
    UniqueFd fd(::open(lockPath().c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (!fd.valid()) {
        return kInstanceFailed;
    }
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
        return errno == EWOULDBLOCK ? kInstanceRunning : kInstanceFailed;
    }
    lock_ = std::move(fd);
    // Listening starts now, so that a start racing with this one finds the socket; its request
    // waits in the queue until listen() is called.
    listening_ = listenAt(socketPath());
    if (!listening_.valid()) {
        debugLog("single instance: the show request socket could not be opened");
    }
    return kInstanceFirst;
}

bool LinuxSingleInstance::sendShowRequest() {
    if (folder_.empty()) {
        return false;
    }
    const UniqueFd fd = connectTo(socketPath());
    if (!fd.valid()) {
        return false;
    }
    const std::size_t size = std::strlen(kShowRequestLine);
    return ::send(fd.get(), kShowRequestLine, size, MSG_NOSIGNAL | MSG_DONTWAIT) ==
           static_cast<ssize_t>(size);
}

std::unique_ptr<ShowRequestListener> LinuxSingleInstance::listen(
    std::function<void()> onShowRequest) {
    if (!lock_.valid() || !listening_.valid()) {
        return nullptr;
    }
    UniqueFd own(::fcntl(listening_.get(), F_DUPFD_CLOEXEC, 0));
    return SocketShowRequestListener::start(std::move(own), std::move(onShowRequest));
}

}  // namespace quillon
