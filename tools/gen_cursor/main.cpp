// quillon-gen-cursor TABLE OUTPUT_DIR
//
// Makes the four default cursor-sequence files (name_1.cur .. name_4.cur) from the readable table
// (tools/defaults/cursor.ini) and writes them into OUTPUT_DIR (the repository's defaults/ folder).
// Exits with 1 and lists the problems when a table value cannot be used; nothing is written then.

#include <cstdio>
#include <string>

#include "keys/CursorDefaultTable.h"
#include "platform/FileIo.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s TABLE OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    std::string table;
    if (quillon::readWholeFile(argv[1], 1024 * 1024, table) != quillon::ReadStatus::Loaded) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const quillon::keys::CursorDefaultBuild build = quillon::keys::buildCursorDefaults(table);
    for (const std::string& error : build.errors) {
        std::fprintf(stderr, "%s\n", error.c_str());
    }
    if (!build.ok()) {
        return 1;
    }
    for (const quillon::keys::CursorDefaultFile& file : build.files) {
        const std::string path = std::string(argv[2]) + "/" + file.name;
        if (!quillon::writeFileAtomically(path, file.text)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s (%zu bytes)\n", file.name.c_str(), file.text.size());
    }
    return 0;
}
