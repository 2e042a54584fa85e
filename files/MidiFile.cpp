#include "files/MidiFile.h"

#include "files/AtomicFileWriter.h"

namespace {

void AppendBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
    }
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
    return AtomicFileWriter::Write(path, std::string(bytes.begin(), bytes.end())) ? 0 : -1;
}
