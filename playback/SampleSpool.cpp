#include "playback/SampleSpool.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "platform/Exception.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "playback/WavWriter.h"

namespace {

// Frames read back at a time when copying.
constexpr std::size_t kChunkFrames = 4096;
// WavWriter's full scale: 1.0 writes as 32767.
constexpr float kSixteenBitSteps = 32767.0f;

}  // namespace

SampleSpool::SampleSpool(const std::string& scratchPath, int sampleRate)
    : m_path(scratchPath), m_sampleRate(sampleRate) {
    m_file = std::fopen(m_path.c_str(), "w+b");
    if (m_file == nullptr || sampleRate <= 0) {
        Fail();
    }
}

SampleSpool::~SampleSpool() {
    Discard();
}

void SampleSpool::Write(std::span<const float> left, std::span<const float> right) {
    if (m_file == nullptr) {
        Fail();
    }
    const std::size_t frames = std::min(left.size(), right.size());
    if (frames == 0) {
        return;
    }
    std::vector<float> interleaved;
    interleaved.reserve(2 * frames);
    for (std::size_t i = 0; i < frames; ++i) {
        for (const float value : {left[i], right[i]}) {
            interleaved.push_back(value);
            if (std::isfinite(value)) {
                m_peak = std::max(m_peak, std::fabs(value));
            }
        }
    }
    if (std::fwrite(interleaved.data(), sizeof(float), interleaved.size(), m_file) !=
        interleaved.size()) {
        Fail();
    }
    m_frames += frames;
}

float SampleSpool::GainToPeakAt(double decibels) const {
    if (m_peak * kSixteenBitSteps < 0.5f) {
        return 1.0f;
    }
    return static_cast<float>(std::pow(10.0, decibels / 20.0) / m_peak);
}

void SampleSpool::CopyTo(WavWriter& wav, float gain) {
    if (m_file == nullptr || std::fflush(m_file) != 0 || std::fseek(m_file, 0, SEEK_SET) != 0) {
        Fail();
    }
    std::vector<float> interleaved(2 * kChunkFrames);
    std::vector<float> left(kChunkFrames);
    std::vector<float> right(kChunkFrames);
    for (std::uint64_t done = 0; done < m_frames;) {
        const auto frames =
            static_cast<std::size_t>(std::min<std::uint64_t>(kChunkFrames, m_frames - done));
        if (std::fread(interleaved.data(), sizeof(float), 2 * frames, m_file) != 2 * frames) {
            Fail();
        }
        for (std::size_t i = 0; i < frames; ++i) {
            left[i] = interleaved[2 * i] * gain;
            right[i] = interleaved[2 * i + 1] * gain;
        }
        wav.Write(std::span(left.data(), frames), std::span(right.data(), frames));
        done += frames;
    }
}

void SampleSpool::Fail() {
    Discard();
    throw IOException(StringTable::Get(ids::kWriteFileError));
}

void SampleSpool::Discard() {
    if (m_file != nullptr) {
        std::fclose(std::exchange(m_file, nullptr));
        std::remove(m_path.c_str());
    }
}
