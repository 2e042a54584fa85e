#include "tools/ClickTrackAnalysis.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

// The loudest sample is 1; a click starts where it first passes this, well
// above the reverberation the clicks before leave behind.
constexpr double kThreshold = 0.25;

std::uint32_t Le32(const char* bytes) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(bytes[i]);
    }
    return value;
}

std::uint16_t Le16(const char* bytes) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[0]) |
                                      static_cast<unsigned char>(bytes[1]) << 8);
}

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

}  // namespace

bool ClickTrackAnalysis::Load(const std::string& wavPath, std::string& error) {
    std::ifstream in(wavPath, std::ios::binary);
    const std::vector<char> file((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
    if (file.size() < 12 || std::memcmp(file.data(), "RIFF", 4) != 0 ||
        std::memcmp(file.data() + 8, "WAVE", 4) != 0) {
        error = wavPath + " is not a WAV file";
        return false;
    }
    int channels = 0;
    int bits = 0;
    std::size_t at = 12;
    while (at + 8 <= file.size()) {
        const char* chunk = file.data() + at;
        const std::size_t size = Le32(chunk + 4);
        const std::size_t end = std::min(file.size(), at + 8 + size);
        if (std::memcmp(chunk, "fmt ", 4) == 0 && size >= 16) {
            channels = Le16(chunk + 10);
            m_sampleRate = static_cast<int>(Le32(chunk + 12));
            bits = Le16(chunk + 22);
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (bits != 16 || channels < 1) {
                error = wavPath + " does not hold 16-bit PCM";
                return false;
            }
            m_samples.clear();
            const std::size_t frameBytes = 2 * static_cast<std::size_t>(channels);
            for (std::size_t frame = at + 8; frame + frameBytes <= end; frame += frameBytes) {
                m_samples.push_back(static_cast<std::int16_t>(Le16(file.data() + frame)) /
                                    32768.0f);
            }
            return true;
        }
        at += 8 + size + (size & 1);
    }
    error = wavPath + " has no audio";
    return false;
}

void ClickTrackAnalysis::SetSamples(std::vector<float> samples, int sampleRate) {
    m_samples = std::move(samples);
    m_sampleRate = sampleRate;
}

std::vector<std::size_t> ClickTrackAnalysis::Onsets(double spacingMs) const {
    std::vector<std::size_t> onsets;
    float loudest = 0.0f;
    for (const float sample : m_samples) {
        loudest = std::max(loudest, std::abs(sample));
    }
    if (loudest == 0.0f) {
        return onsets;
    }
    const auto threshold = static_cast<float>(kThreshold * loudest);
    const auto quiet = static_cast<std::size_t>(spacingMs / 2.0 * m_sampleRate / 1000.0);
    std::size_t armedFrom = 0;
    for (std::size_t i = 0; i < m_samples.size(); ++i) {
        if (i >= armedFrom && std::abs(m_samples[i]) >= threshold) {
            onsets.push_back(i);
            armedFrom = i + quiet;
        }
    }
    return onsets;
}

ClickTrackAnalysis::Figures ClickTrackAnalysis::CompareWithGrid(double spacingMs) const {
    Figures figures;
    const std::vector<std::size_t> onsets = Onsets(spacingMs);
    figures.onsets = onsets.size();
    if (onsets.empty()) {
        return figures;
    }
    const double spacing = spacingMs * m_sampleRate / 1000.0;
    const auto first = static_cast<double>(onsets.front());
    std::vector<double> residuals;
    for (const std::size_t onset : onsets) {
        const double fromFirst = static_cast<double>(onset) - first;
        residuals.push_back(fromFirst - std::round(fromFirst / spacing) * spacing);
    }
    const double delay = Percentile(residuals, 0.5);
    std::vector<double> deviations;
    for (const double residual : residuals) {
        deviations.push_back(std::abs(residual - delay) * 1000.0 / m_sampleRate);
    }
    figures.medianMs = Percentile(deviations, 0.5);
    figures.p99Ms = Percentile(deviations, 0.99);
    figures.maxMs = *std::max_element(deviations.begin(), deviations.end());
    return figures;
}
