// Writes the accompaniment styles the program ships, from the descriptions in
// StyleCatalog.cpp, into a folder. To change a style, edit its description
// and regenerate the files from the source tree's top:
//
//   cmake --build build --target quillsong_make_styles && ./build/quillsong_make_styles
//   assets/Pattern
//
// The files tests (ShippedStylesTest) fail while assets/Pattern differs from
// what this program writes.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "tools/StyleBuilder.h"
#include "tools/StyleCatalog.h"

int main(int argc, char** argv) {
    if (argc != 2 || std::string(argv[1]).starts_with("-")) {
        std::fprintf(stderr, "usage: %s FOLDER\nwrites every shipped style into FOLDER\n",
                     argc > 0 ? argv[0] : "quillsong_make_styles");
        return 2;
    }
    try {
        std::filesystem::create_directories(argv[1]);
        for (const std::string& path : StyleBuilder::WriteAll(StyleCatalog::All(), argv[1])) {
            std::printf("%s\n", path.c_str());
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
