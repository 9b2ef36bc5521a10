#include "platform/linux/SocketShowRequestListener.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>

#include <cerrno>
#include <cstdint>
#include <deque>
#include <string_view>
#include <vector>

#include "platform/DebugLog.h"

namespace quillon {
namespace {

// A client that connects and sends nothing costs a slot, never the listener: beyond this many
// open connections the oldest is dropped.
constexpr std::size_t kMaxPendingClients = 8;
constexpr std::size_t kMaxLine = 64;

struct Client {
    UniqueFd fd;
    std::string received;
};

enum class ClientState { Waiting, Done, ShowRequested };

ClientState readFrom(Client& client) {
    char buffer[kMaxLine];
    const ssize_t n = ::recv(client.fd.get(), buffer, sizeof buffer, MSG_DONTWAIT);
    if (n < 0) {
        return (errno == EAGAIN || errno == EINTR) ? ClientState::Waiting : ClientState::Done;
    }
    if (n == 0) {
        return ClientState::Done;
    }
    client.received.append(buffer, static_cast<std::size_t>(n));
    const auto end = client.received.find('\n');
    if (end == std::string::npos) {
        return client.received.size() > kMaxLine ? ClientState::Done : ClientState::Waiting;
    }
    const std::string_view expected(kShowRequestLine);
    return client.received.substr(0, end + 1) == expected ? ClientState::ShowRequested
                                                          : ClientState::Done;
}

}  // namespace

std::unique_ptr<ShowRequestListener> SocketShowRequestListener::start(
    UniqueFd listening, std::function<void()> onShowRequest) {
    UniqueFd wake(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK));
    if (!listening.valid() || !wake.valid()) {
        return nullptr;
    }
    return std::unique_ptr<ShowRequestListener>(new SocketShowRequestListener(
        std::move(listening), std::move(wake), std::move(onShowRequest)));
}

SocketShowRequestListener::SocketShowRequestListener(UniqueFd listening, UniqueFd wake,
                                                     std::function<void()> onRequest)
    : listening_(std::move(listening)), wake_(std::move(wake)), onRequest_(std::move(onRequest)) {
    thread_ = std::thread([this] { run(); });
}

SocketShowRequestListener::~SocketShowRequestListener() {
    const std::uint64_t one = 1;
    if (::write(wake_.get(), &one, sizeof one) != sizeof one) {
        debugLog("show request listener: wake-up failed");
    }
    thread_.join();
}

void SocketShowRequestListener::deliver() {
    if (!onRequest_) {
        return;
    }
    try {
        onRequest_();
    } catch (...) {
        debugLog("show request listener: the handler failed");
    }
}

void SocketShowRequestListener::run() {
    std::deque<Client> clients;
    std::vector<pollfd> polled;
    for (;;) {
        polled.assign({{wake_.get(), POLLIN, 0}, {listening_.get(), POLLIN, 0}});
        for (const Client& client : clients) {
            polled.push_back({client.fd.get(), POLLIN, 0});
        }
        if (::poll(polled.data(), polled.size(), -1) < 0 && errno != EINTR) {
            debugLog("show request listener: poll failed");
            return;
        }
        if (polled[0].revents != 0) {
            return;
        }
        // Connections are read before new ones are accepted, so the indexes still match.
        for (std::size_t i = clients.size(); i-- > 0;) {
            if (polled[i + 2].revents == 0) {
                continue;
            }
            const ClientState state = readFrom(clients[i]);
            // The request is handled before the client sees its connection close.
            if (state == ClientState::ShowRequested) {
                deliver();
            }
            if (state != ClientState::Waiting) {
                clients.erase(clients.begin() + static_cast<std::ptrdiff_t>(i));
            }
        }
        if (polled[1].revents != 0) {
            UniqueFd accepted(
                ::accept4(listening_.get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
            if (accepted.valid()) {
                if (clients.size() >= kMaxPendingClients) {
                    clients.pop_front();
                }
                clients.push_back({std::move(accepted), {}});
            }
        }
    }
}

}  // namespace quillon
