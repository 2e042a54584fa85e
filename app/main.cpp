#include <cstdio>
#include <cstring>

namespace {

void PrintUsage(std::FILE* out) {
    std::fputs(
        "Usage: quillsong [FILE.qs]\n"
        "       quillsong -o OUT IN.qs\n"
        "\n"
        "Quillsong, a music-notation composer for beginners.\n"
        "\n"
        "Options:\n"
        "  -h, --help       show this help and exit\n"
        "  -v, --version    show the version and exit\n",
        out);
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            PrintUsage(stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-v") == 0) {
            std::printf("quillsong %s\n", QUILLSONG_VERSION);
            return 0;
        }
    }
    std::fprintf(stderr, "quillsong: the editor window is not available in this build yet\n");
    PrintUsage(stderr);
    return 2;
}
