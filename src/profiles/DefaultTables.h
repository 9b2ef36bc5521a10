#pragma once
// The default profile files, made from the readable tables of default values in tools/defaults/
// ("mouse.ini", "keyboard.ini", "mousepad.ini"). The same payload assembly as profile saving puts
// the values into files, so the default files always have the layout of profile files.

#include <cstdint>
#include <string>
#include <vector>

namespace quillon {

struct DefaultProfileFile {
    std::string name;  // "msdevicedefault.config", ...
    std::vector<std::uint8_t> image;
};

struct DefaultBuild {
    std::vector<DefaultProfileFile> files;
    std::vector<std::string> errors;  // one line per table value that could not be used
    bool ok() const { return errors.empty(); }
};

// Every default file of every list (both keyboard variants). Unknown or out-of-range values are
// errors; the files are only complete when ok().
DefaultBuild buildDefaultProfileFiles(const std::string& tablesDir);

// Writes the files into `outDir` (each replaced atomically); 1 on success, negative otherwise.
int writeDefaultProfileFiles(const DefaultBuild& build, const std::string& outDir);

}  // namespace quillon
