// Feeds arbitrary bytes to the profile file reader as the file's content, for every payload size
// a profile list has: a loaded file always yields exactly the payload size.

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "profiles/ProfileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int fd = ::memfd_create("profile", MFD_CLOEXEC);
    if (fd < 0) {
        return 0;
    }
    if (::write(fd, data, size) == static_cast<ssize_t>(size)) {
        const std::string path = "/proc/self/fd/" + std::to_string(fd);
        for (std::size_t payload : {2470u, 512u, 1958u, 576u, 64u}) {
            const quillon::ProfileFileData file = quillon::readProfileFile(path, payload);
            if (file.result == quillon::LoadResult::Loaded && file.payload.size() != payload) {
                std::abort();
            }
        }
    }
    ::close(fd);
    return 0;
}
