#include "platform/MachineSettings.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/FileIo.h"
#include "platform/IniFile.h"
#include "platform/IniText.h"
#include "platform/UniqueFd.h"

namespace quillon {
namespace {

// An installation may let users write the file but not its folder, where the atomic rewrite
// needs a temporary file. The file is then rewritten where it is; opening it without O_CREAT
// keeps the promise never to create it.
bool rewriteInPlace(const std::string& path, const std::string& text) {
    const UniqueFd fd(::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
    if (!fd.valid()) {
        return false;
    }
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd.get(), text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return ::fsync(fd.get()) == 0;
}

}  // namespace

MachineSettings MachineSettings::fromEnvironment() {
    const char* overridden = std::getenv("QUILLON_MACHINE_SETTINGS");
    return MachineSettings(
        (overridden != nullptr && *overridden != '\0') ? overridden : kMachineSettingsDefaultPath);
}

std::optional<std::string> MachineSettings::read() const {
    const auto value = IniDocument::load(path_).find(kMachineSection, kMachineLanguageKey);
    if (!value) {
        return std::nullopt;
    }
    return std::string(ini::cutToCharacters(*value, kIniValueLimit));
}

bool MachineSettings::write(std::string_view value) const {
    if (!isRegularFile(path_)) {
        return false;
    }
    std::optional<IniDocument> document = IniDocument::tryLoad(path_);
    if (!document || !document->write(kMachineSection, kMachineLanguageKey, value)) {
        return false;
    }
    return document->save(path_) || rewriteInPlace(path_, document->text());
}

}  // namespace quillon
