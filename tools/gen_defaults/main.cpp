// quillon-gen-defaults TABLES_DIR OUTPUT_DIR
//
// Makes every default profile file from the tables of default values (tools/defaults/*.ini) and
// writes them into OUTPUT_DIR (the repository's defaults/ folder). Exits with 1 and lists the
// problems when a table holds a value that cannot be used; nothing is written then.

#include <cstdio>

#include "profiles/DefaultTables.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s TABLES_DIR OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const quillon::DefaultBuild build = quillon::buildDefaultProfileFiles(argv[1]);
    for (const std::string& error : build.errors) {
        std::fprintf(stderr, "%s\n", error.c_str());
    }
    if (!build.ok()) {
        return 1;
    }
    if (quillon::writeDefaultProfileFiles(build, argv[2]) != 1) {
        std::fprintf(stderr, "cannot write the default files into %s\n", argv[2]);
        return 1;
    }
    for (const quillon::DefaultProfileFile& file : build.files) {
        std::printf("%s (%zu bytes)\n", file.name.c_str(), file.image.size());
    }
    return 0;
}
