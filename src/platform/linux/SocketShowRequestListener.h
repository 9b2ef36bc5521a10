#pragma once
// The running instance's end of the show request channel: a thread that accepts connections on
// the listening socket and calls back for each "show" line. It waits in poll() on the socket,
// the open connections and an eventfd that the destructor signals, so it stops at once.

#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "platform/SingleInstance.h"
#include "platform/UniqueFd.h"

namespace quillon {

inline constexpr const char* kShowRequestLine = "show\n";

class SocketShowRequestListener final : public ShowRequestListener {
  public:
    // Nothing when the thread's wake-up descriptor cannot be made.
    static std::unique_ptr<ShowRequestListener> start(UniqueFd listening,
                                                      std::function<void()> onShowRequest);
    ~SocketShowRequestListener() override;

  private:
    SocketShowRequestListener(UniqueFd listening, UniqueFd wake, std::function<void()> onRequest);
    void run();
    void deliver();

    UniqueFd listening_;
    UniqueFd wake_;
    std::function<void()> onRequest_;
    std::thread thread_;
};

}  // namespace quillon
