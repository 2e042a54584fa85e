// Feeds arbitrary bytes to the song reader, as a song (which also sets up the
// sound engine) or as an accompaniment pattern. A broken file must give an
// IOException and nothing else: no crash, no hang, no leak, no huge allocation.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "files/LarkArchive.h"
#include "files/SongFiles.h"
#include "model/Song.h"
#include "platform/Exception.h"

namespace {

const std::string& ScratchPath() {
    static const std::string path = "/tmp/quillsong-fuzz-" + std::to_string(getpid()) + ".qs";
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    std::FILE* file = std::fopen(ScratchPath().c_str(), "wb");
    if (file == nullptr) {
        return 0;
    }
    std::fwrite(data + 1, 1, size - 1, file);
    std::fclose(file);
    try {
        if (data[0] & 1) {
            LarkArchive archive;
            // An absolute path stands in for the Pattern folder.
            archive.Open(ScratchPath(), Archive::Load);
            Song pattern;
            pattern.Serialize(archive);
        } else {
            const auto song = SongFiles::Load(ScratchPath(), nullptr);
            // A song that opened must also save and copy cleanly.
            const auto copy = song->Clone();
        }
    } catch (const Exception&) {
    }
    return 0;
}
