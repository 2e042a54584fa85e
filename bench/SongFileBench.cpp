#include <benchmark/benchmark.h>
#include <libxml/parser.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "files/SongFiles.h"
#include "support/DenseSong.h"

// Opening and saving the densest song with lyrics, beside libxml2's own parse
// of the same file: the cost of our reading over the bare XML parse.
namespace {

const std::string& DenseSongFile() {
    static const std::string path = [] {
        const std::string file = (std::filesystem::temp_directory_path() /
                                  ("quillsong-bench-dense-" + std::to_string(getpid()) + ".qs"))
                                     .string();
        auto song = BuildDenseSong(true);
        SongFiles::Save(*song, file);
        return file;
    }();
    return path;
}

void BM_XmlReadFileOnly(benchmark::State& state) {
    const std::string& file = DenseSongFile();
    for (auto _ : state) {
        xmlDocPtr document = xmlReadFile(file.c_str(), nullptr, XML_PARSE_NONET);
        benchmark::DoNotOptimize(document);
        xmlFreeDoc(document);
    }
    state.counters["file_MB"] =
        static_cast<double>(std::filesystem::file_size(file)) / (1024.0 * 1024.0);
}
BENCHMARK(BM_XmlReadFileOnly)->Unit(benchmark::kMillisecond);

void BM_LoadDenseSong(benchmark::State& state) {
    const std::string& file = DenseSongFile();
    for (auto _ : state) {
        auto song = SongFiles::Load(file, nullptr);
        benchmark::DoNotOptimize(song.get());
    }
}
BENCHMARK(BM_LoadDenseSong)->Unit(benchmark::kMillisecond);

void BM_SaveDenseSong(benchmark::State& state) {
    auto song = SongFiles::Load(DenseSongFile(), nullptr);
    const std::string out = DenseSongFile() + ".out.qs";
    for (auto _ : state) {
        SongFiles::Save(*song, out);
    }
    std::filesystem::remove(out);
}
BENCHMARK(BM_SaveDenseSong)->Unit(benchmark::kMillisecond);

}  // namespace
