#include "platform/DebugLog.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <mutex>
#include <string>

#include "platform/UniqueFd.h"

namespace quillon {
namespace {

// Keeps lines of different threads whole and in the order they were written.
std::mutex& outputLock() {
    static std::mutex lock;
    return lock;
}

// One line: inner line breaks become spaces, trailing ones are dropped, one line end is added.
std::string asLine(std::string_view text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    std::string line(text);
    for (char& c : line) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    line += '\n';
    return line;
}

void writeAll(int fd, const std::string& line) {
    std::size_t done = 0;
    while (done < line.size()) {
        const ssize_t n = ::write(fd, line.data() + done, line.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return;
        }
        done += static_cast<std::size_t>(n);
    }
}

}  // namespace

bool debugLogEnabled() {
    const char* flag = std::getenv("QUILLON_DEBUG");
    return flag != nullptr && std::string_view(flag) == "1";
}

void debugLog(std::string_view text) {
    if (!debugLogEnabled()) {
        return;
    }
    const std::string line = asLine(text);
    std::lock_guard guard(outputLock());
    const char* file = std::getenv("QUILLON_DEBUG_FILE");
    if (file == nullptr || *file == '\0') {
        writeAll(STDERR_FILENO, line);
        return;
    }
    // Opened for each line so that the file may be moved or removed while the program runs.
    const UniqueFd fd(::open(file, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600));
    writeAll(fd.valid() ? fd.get() : STDERR_FILENO, line);
}

}  // namespace quillon
