#include "playback/WavWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <utility>
#include <vector>

#include "platform/Exception.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

constexpr std::uint32_t kHeaderBytes = 44;
constexpr std::uint32_t kBytesPerFrame = WavWriter::kChannels * WavWriter::kBitsPerSample / 8;
// The RIFF sizes are 32-bit; the data chunk may not grow beyond them.
constexpr std::uint64_t kMaxDataBytes = std::numeric_limits<std::uint32_t>::max() - kHeaderBytes;

void PutLittleEndian(std::vector<unsigned char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<unsigned char>((value >> (8 * i)) & 0xFF));
    }
}

void PutTag(std::vector<unsigned char>& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

}  // namespace

WavWriter::WavWriter(const std::string& path, int sampleRate)
    : m_path(path), m_scratchPath(path + ".part"), m_sampleRate(sampleRate) {
    m_file = std::fopen(m_scratchPath.c_str(), "wb");
    if (m_file == nullptr || sampleRate <= 0) {
        Fail();
    }
    // A header with empty sizes holds the place until Close knows them.
    WriteHeader(0);
}

WavWriter::~WavWriter() {
    Discard();
}

std::int16_t WavWriter::ToSample(float value) {
    const float clipped = std::clamp(std::isnan(value) ? 0.0f : value, -1.0f, 1.0f);
    return static_cast<std::int16_t>(std::lround(clipped * 32767.0f));
}

void WavWriter::Write(std::span<const float> left, std::span<const float> right) {
    if (m_file == nullptr) {
        Fail();
    }
    const std::size_t frames = std::min(left.size(), right.size());
    if ((m_frames + frames) * kBytesPerFrame > kMaxDataBytes) {
        Fail();
    }
    std::vector<unsigned char> bytes;
    bytes.reserve(frames * kBytesPerFrame);
    for (std::size_t i = 0; i < frames; ++i) {
        for (const float value : {left[i], right[i]}) {
            const auto sample = static_cast<std::uint16_t>(ToSample(value));
            bytes.push_back(static_cast<unsigned char>(sample & 0xFF));
            bytes.push_back(static_cast<unsigned char>(sample >> 8));
        }
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size()) {
        Fail();
    }
    m_frames += frames;
}

void WavWriter::Close() {
    if (m_file == nullptr) {
        Fail();
    }
    if (std::fseek(m_file, 0, SEEK_SET) != 0) {
        Fail();
    }
    WriteHeader(static_cast<std::uint32_t>(m_frames * kBytesPerFrame));
    std::FILE* file = std::exchange(m_file, nullptr);
    if (std::fclose(file) != 0 || std::rename(m_scratchPath.c_str(), m_path.c_str()) != 0) {
        std::remove(m_scratchPath.c_str());
        throw IOException(StringTable::Get(ids::kWriteFileError));
    }
}

void WavWriter::WriteHeader(std::uint32_t dataBytes) {
    std::vector<unsigned char> header;
    header.reserve(kHeaderBytes);
    PutTag(header, "RIFF");
    PutLittleEndian(header, kHeaderBytes - 8 + dataBytes, 4);
    PutTag(header, "WAVE");
    PutTag(header, "fmt ");
    PutLittleEndian(header, 16, 4);  // size of the format chunk
    PutLittleEndian(header, 1, 2);   // PCM
    PutLittleEndian(header, kChannels, 2);
    PutLittleEndian(header, static_cast<std::uint32_t>(m_sampleRate), 4);
    PutLittleEndian(header, static_cast<std::uint32_t>(m_sampleRate) * kBytesPerFrame, 4);
    PutLittleEndian(header, kBytesPerFrame, 2);
    PutLittleEndian(header, kBitsPerSample, 2);
    PutTag(header, "data");
    PutLittleEndian(header, dataBytes, 4);
    if (std::fwrite(header.data(), 1, header.size(), m_file) != header.size()) {
        Fail();
    }
}

void WavWriter::Fail() {
    Discard();
    throw IOException(StringTable::Get(ids::kWriteFileError));
}

void WavWriter::Discard() {
    if (m_file != nullptr) {
        std::fclose(std::exchange(m_file, nullptr));
        std::remove(m_scratchPath.c_str());
    }
}
