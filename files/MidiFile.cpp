#include "files/MidiFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

void AppendBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
    }
}

bool WriteAll(int fd, const std::vector<std::uint8_t>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

MidiTrack* MidiFile::AddTrack(std::unique_ptr<MidiTrack> track) {
    m_tracks.push_back(std::move(track));
    return m_tracks.back().get();
}

std::vector<std::uint8_t> MidiFile::Encode() {
    std::vector<std::uint8_t> out = {'M', 'T', 'h', 'd'};
    AppendBigEndian(out, 6, 4);
    AppendBigEndian(out, kFormat, 2);
    AppendBigEndian(out, static_cast<std::uint32_t>(m_trackCount), 2);
    AppendBigEndian(out, kDivision, 2);
    for (const auto& track : m_tracks) {
        track->AppendChunk(out);
    }
    return out;
}

int MidiFile::Write(const std::string& path) {
    const std::vector<std::uint8_t> bytes = Encode();
    std::string temp = path + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) {
        return -1;
    }
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    // A full disk shows up in write or in close; either way the target is
    // not touched.
    const bool written = WriteAll(fd, bytes) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (!written || !closed || std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return -1;
    }
    return 0;
}
