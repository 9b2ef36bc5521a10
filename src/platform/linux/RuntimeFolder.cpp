#include "platform/linux/RuntimeFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/FileIo.h"

namespace quillon {

bool ensurePrivateFolder(const std::string& path) {
    ::mkdir(path.c_str(), 0700);
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) {
        return false;
    }
    return (st.st_mode & 077) == 0 || ::chmod(path.c_str(), 0700) == 0;
}

std::string privateRuntimeFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && *runtime == '/' && isDirectory(runtime)) {
        return runtime;
    }
    const std::string fallback = "/tmp/quillon-" + std::to_string(::getuid());
    return ensurePrivateFolder(fallback) ? fallback : "";
}

}  // namespace quillon
